#include "solve/Apportion.h"

#include <algorithm>
#include <cmath>
#include <numeric>

std::vector<std::int64_t> Apportion(const std::vector<std::int64_t>& parts, std::int64_t total) {
  long double whole = 0.0L;
  for (const std::int64_t part : parts) whole += static_cast<long double>(part);
  std::vector<std::int64_t> shares(parts.size(), 0);
  if (parts.empty() || !(whole > 0.0L)) return shares;
  std::vector<long double> fractions(parts.size(), 0.0L);
  std::int64_t given = 0;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const long double exact = static_cast<long double>(parts[i]) * static_cast<long double>(total) / whole;
    const long double floor = std::floor(exact);
    shares[i] = static_cast<std::int64_t>(floor);
    fractions[i] = exact - floor;
    given += shares[i];
  }
  // The leftover is a few units at most; rounding in long double may leave
  // it just outside 0 .. parts, so it goes round again until it is used up.
  std::vector<std::size_t> order(parts.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&fractions](std::size_t a, std::size_t b) { return fractions[a] > fractions[b]; });
  std::int64_t left = total - given;
  for (std::size_t k = 0; left != 0; ++k) {
    const std::size_t i = left > 0 ? order[k % order.size()] : order[order.size() - 1 - k % order.size()];
    shares[i] += left > 0 ? 1 : -1;
    left += left > 0 ? -1 : 1;
  }
  return shares;
}
