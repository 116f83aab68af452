#include "engine/Money.h"

#include <cmath>
#include <limits>

namespace {
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
}  // namespace

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
