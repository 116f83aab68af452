#pragma once

#include <cstdint>

// other - base, held to +-(2^63 - 1) so that Difference(a, b) is exactly
// -Difference(b, a) for any two figures.
std::int64_t Difference(std::int64_t base, std::int64_t other);

// a + b held to the same range.
std::int64_t HeldSum(std::int64_t a, std::int64_t b);
