#include "compare/Difference.h"

#include <limits>

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

}  // namespace

std::int64_t Difference(std::int64_t base, std::int64_t other) {
  if (base < 0 && other > kMax + base) return kMax;
  if (base > 0 && other < base - kMax) return -kMax;
  const std::int64_t difference = other - base;
  return difference < -kMax ? -kMax : difference;
}

std::int64_t HeldSum(std::int64_t a, std::int64_t b) {
  if (b > 0 && a > kMax - b) return kMax;
  if (b < 0 && a < -kMax - b) return -kMax;
  const std::int64_t sum = a + b;
  return sum < -kMax ? -kMax : sum;
}
