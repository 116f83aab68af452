#pragma once

#include <array>
#include <optional>
#include <string>

#include "engine/RatePath.h"

using Matrix4 = std::array<std::array<double, kRateSeriesCount>, kRateSeriesCount>;

// Correlations between the series' yearly draws (in log space). Ones on the
// diagonal; Set keeps the matrix symmetric.
class Correlation {
 public:
  // No series linked to another.
  Correlation();
  // As the built-in US history's years moved together (docs/odds.md).
  static Correlation Default();

  void Set(RateSeries a, RateSeries b, double value);
  double Get(RateSeries a, RateSeries b) const;
  const Matrix4& Values() const { return values_; }

 private:
  Matrix4 values_{};
};

// Lower-triangular L with L * transpose(L) equal to the matrix, so correlated
// deviates are L times independent ones. Nothing when the entries lie outside
// [-1, 1] or cannot hold together (not positive semi-definite).
std::optional<Matrix4> CholeskyFactor(const Correlation& correlation);

// "inflation", "taxable", "deferred" or "realestate".
const char* SeriesName(RateSeries series);
std::optional<RateSeries> SeriesByName(const std::string& name);
