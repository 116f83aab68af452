#pragma once

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>

// Every product of money and a rate is rounded once, halves to even, through
// RoundMoney. Out-of-range values saturate so absurd plans stay finite and
// never flip sign or invoke undefined behaviour.
inline std::int64_t RoundMoney(long double value) {
  constexpr long double kLimit = 9223372036854775808.0L;  // 2^63, exact in long double
  if (std::isnan(value)) return 0;
  // From 2^63 - 0.5 on, halves to even reach 2^63, which llrint cannot
  // return: those saturate here instead.
  if (value >= kLimit - 0.5L) return std::numeric_limits<std::int64_t>::max();
  // -2^63 - 0.5 is not representable, so everything from -2^63 on fits.
  if (value < -kLimit) return std::numeric_limits<std::int64_t>::min();
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
  // The one instruction llrintl itself runs, without the library call (a run
  // rounds money thousands of times); default mode: halves to even.
  std::int64_t rounded;
  __asm__("fistpll %0" : "=m"(rounded) : "t"(value) : "st");
  return rounded;
#else
  return std::llrint(value);  // default mode: halves to even
#endif
}

// Integer sums of stored amounts, saturating at the 64-bit range. Inline:
// every step of a forecast year adds money, many times a run.
inline std::int64_t AddMoney(std::int64_t a, std::int64_t b) {
  std::int64_t r;
  if (__builtin_add_overflow(a, b, &r)) return a > 0 ? std::numeric_limits<std::int64_t>::max()
                                                     : std::numeric_limits<std::int64_t>::min();
  return r;
}

inline std::int64_t SubMoney(std::int64_t a, std::int64_t b) {
  std::int64_t r;
  if (__builtin_sub_overflow(a, b, &r)) return a >= 0 ? std::numeric_limits<std::int64_t>::max()
                                                      : std::numeric_limits<std::int64_t>::min();
  return r;
}

// Left-to-right saturating sum of several amounts.
inline std::int64_t SumMoney(std::initializer_list<std::int64_t> amounts) {
  std::int64_t total = 0;
  for (const std::int64_t amount : amounts) total = AddMoney(total, amount);
  return total;
}

// Exact 64-bit product, saturating on overflow.
inline std::int64_t MulMoney(std::int64_t a, std::int64_t b) {
  std::int64_t r;
  if (__builtin_mul_overflow(a, b, &r)) return ((a < 0) != (b < 0)) ? std::numeric_limits<std::int64_t>::min()
                                                                     : std::numeric_limits<std::int64_t>::max();
  return r;
}
