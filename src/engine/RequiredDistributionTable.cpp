#include "engine/RequiredDistributionTable.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::int64_t kFirstAge = 72;
constexpr std::array<long double, 49> kDivisors = {
    27.4L, 26.5L, 25.5L, 24.6L, 23.7L, 22.9L, 22.0L, 21.1L, 20.2L, 19.4L, 18.5L, 17.7L, 16.8L,  // 72-84
    16.0L, 15.2L, 14.4L, 13.7L, 12.9L, 12.2L, 11.5L, 10.8L, 10.1L, 9.5L,  8.9L,  8.4L,  7.8L,   // 85-97
    7.3L,  6.8L,  6.4L,  6.0L,  5.6L,  5.2L,  4.9L,  4.6L,  4.3L,  4.1L,  3.9L,  3.7L,  3.5L,   // 98-110
    3.4L,  3.3L,  3.1L,  3.0L,  2.9L,  2.8L,  2.7L,  2.5L,  2.3L,  2.0L};                        // 111-120

}  // namespace

std::int32_t RequiredStartAge(std::int64_t birthYear) {
  if (birthYear >= 1960) return 75;
  if (birthYear >= 1951) return 73;
  // Those born in 1949 or 1950 turned 70 1/2 after 2019; the earlier ones
  // reached 70 1/2 in the year they were 70 or 71, taken as 70.
  return birthYear >= 1949 ? 72 : 70;
}

long double UniformLifetimeDivisor(std::int64_t age) {
  const std::int64_t index = std::clamp<std::int64_t>(age - kFirstAge, 0, kDivisors.size() - 1);
  return kDivisors[static_cast<std::size_t>(index)];
}
