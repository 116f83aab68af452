#include "legacy/Money.h"

#include <cmath>
#include <limits>

// Today's engine kept unchanged for comparisons and timing.
namespace legacy {

namespace {
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
}  // namespace

std::int64_t RoundMoney(long double value) {
  if (std::isnan(value)) return 0;
  // 2^63 is exactly representable in long double; anything at or past it saturates.
  constexpr long double kLimit = 9223372036854775808.0L;
  if (value >= kLimit) return kMax;
  if (value < -kLimit) return kMin;
  const long double rounded = std::nearbyint(value);  // default mode: halves to even
  if (rounded >= kLimit) return kMax;
  if (rounded < -kLimit) return kMin;
  return static_cast<std::int64_t>(rounded);
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

}  // namespace legacy
