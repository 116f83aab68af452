#include "engine/Money.h"

#include <cmath>
#include <limits>

namespace {
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
}  // namespace

std::int64_t RoundMoney(long double value) {
  if (std::isnan(value)) return 0;
  // 2^63 is exactly representable in long double. From 2^63 - 0.5 on, halves to
  // even reach 2^63, which llrint cannot return: those saturate here instead.
  constexpr long double kLimit = 9223372036854775808.0L;
  if (value >= kLimit - 0.5L) return kMax;
  // -2^63 - 0.5 is not representable, so everything from -2^63 on fits.
  if (value < -kLimit) return kMin;
  return std::llrint(value);  // default mode: halves to even
}

std::int64_t AddMoney(std::int64_t a, std::int64_t b) {
  std::int64_t r;
  if (__builtin_add_overflow(a, b, &r)) return a > 0 ? kMax : kMin;
  return r;
}

std::int64_t SubMoney(std::int64_t a, std::int64_t b) {
  std::int64_t r;
  if (__builtin_sub_overflow(a, b, &r)) return a >= 0 ? kMax : kMin;
  return r;
}

std::int64_t SumMoney(std::initializer_list<std::int64_t> amounts) {
  std::int64_t total = 0;
  for (const std::int64_t amount : amounts) total = AddMoney(total, amount);
  return total;
}

std::int64_t MulMoney(std::int64_t a, std::int64_t b) {
  std::int64_t r;
  if (__builtin_mul_overflow(a, b, &r)) return ((a < 0) != (b < 0)) ? kMin : kMax;
  return r;
}
