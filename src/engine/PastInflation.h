#pragma once

#include <cstdint>
#include <vector>

// The recorded consumer price inflation of calendar years that have already
// happened, in percent: what a run uses for the years before its first row
// instead of the plan's own rate (docs/rate-paths.md, "Years before row 1").
struct PastInflation {
  std::int64_t firstYear = 0;
  std::vector<long double> percent;  // year firstYear + i, consecutive

  std::int64_t EndYear() const { return firstYear + static_cast<std::int64_t>(percent.size()); }
  // The recorded rate of `year`, or nullptr where the record has none.
  const long double* Of(std::int64_t year) const {
    return year >= firstYear && year < EndYear() ? &percent[static_cast<std::size_t>(year - firstYear)] : nullptr;
  }
};
