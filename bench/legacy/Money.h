#pragma once

#include <cstdint>
#include <initializer_list>

// Today's engine kept unchanged for comparisons and timing.
namespace legacy {

// Every product of money and a rate is rounded once, halves to even, through
// RoundMoney. Out-of-range values saturate so absurd plans stay finite and
// never flip sign or invoke undefined behaviour.
std::int64_t RoundMoney(long double value);

// Integer sums of stored amounts, saturating at the 64-bit range.
std::int64_t AddMoney(std::int64_t a, std::int64_t b);
std::int64_t SubMoney(std::int64_t a, std::int64_t b);

// Left-to-right saturating sum of several amounts.
std::int64_t SumMoney(std::initializer_list<std::int64_t> amounts);

// Exact 64-bit product, saturating on overflow.
std::int64_t MulMoney(std::int64_t a, std::int64_t b);

}  // namespace legacy
