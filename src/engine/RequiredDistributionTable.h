#pragma once

#include <cstdint>

// Required distributions under the law: the age they start at by birth year,
// and the Uniform Lifetime Table's divisor of each age (from 2022 on).

// 70 for those born before 1949, 72 born 1949-1950, 73 born 1951-1959, 75 from 1960.
std::int32_t RequiredStartAge(std::int64_t birthYear);

// The divisor of `age`: the table's first age's below it, its last's beyond it.
long double UniformLifetimeDivisor(std::int64_t age);
