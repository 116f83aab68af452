#include "odds/Correlation.h"

#include <cmath>

namespace {

// Pearson correlations of the yearly rates of the built-in US history
// 1928-2025 with 60 % stocks in both accounts, to two decimals;
// HistoryCalibrationTest recomputes them. With equal stock shares the two
// returns are one series, hence 1.
constexpr double kReturnsCorrelation = 1.0;
constexpr double kInflationReturnsCorrelation = -0.32;
constexpr double kInflationRealEstateCorrelation = -0.10;
constexpr double kReturnsRealEstateCorrelation = 0.17;
// Rounding in a matrix that is only semi-definite (a correlation of exactly 1)
// leaves pivots a few ulps either side of zero.
constexpr double kPivotTolerance = 1e-12;
constexpr double kRebuildTolerance = 1e-9;

constexpr const char* kSeriesNames[kRateSeriesCount] = {"inflation", "taxable", "deferred", "realestate"};

std::size_t Index(RateSeries series) { return static_cast<std::size_t>(series); }

}  // namespace

Correlation::Correlation() {
  for (std::size_t i = 0; i < kRateSeriesCount; ++i) values_[i][i] = 1.0;
}

Correlation Correlation::Default() {
  Correlation correlation;
  correlation.Set(RateSeries::TaxableReturn, RateSeries::DeferredReturn, kReturnsCorrelation);
  correlation.Set(RateSeries::Inflation, RateSeries::TaxableReturn, kInflationReturnsCorrelation);
  correlation.Set(RateSeries::Inflation, RateSeries::DeferredReturn, kInflationReturnsCorrelation);
  correlation.Set(RateSeries::Inflation, RateSeries::RealEstateGrowth, kInflationRealEstateCorrelation);
  correlation.Set(RateSeries::TaxableReturn, RateSeries::RealEstateGrowth, kReturnsRealEstateCorrelation);
  correlation.Set(RateSeries::DeferredReturn, RateSeries::RealEstateGrowth, kReturnsRealEstateCorrelation);
  return correlation;
}

void Correlation::Set(RateSeries a, RateSeries b, double value) {
  if (a == b) return;
  values_[Index(a)][Index(b)] = value;
  values_[Index(b)][Index(a)] = value;
}

double Correlation::Get(RateSeries a, RateSeries b) const { return values_[Index(a)][Index(b)]; }

std::optional<Matrix4> CholeskyFactor(const Correlation& correlation) {
  const Matrix4& c = correlation.Values();
  for (const auto& row : c) {
    for (const double value : row) {
      if (!std::isfinite(value) || std::fabs(value) > 1.0) return std::nullopt;
    }
  }
  Matrix4 l{};
  for (std::size_t j = 0; j < kRateSeriesCount; ++j) {
    double pivot = c[j][j];
    for (std::size_t k = 0; k < j; ++k) pivot -= l[j][k] * l[j][k];
    if (pivot < -kPivotTolerance) return std::nullopt;
    // A zero pivot: this series is a combination of the earlier ones.
    l[j][j] = pivot > kPivotTolerance ? std::sqrt(pivot) : 0.0;
    for (std::size_t i = j + 1; i < kRateSeriesCount; ++i) {
      double sum = c[i][j];
      for (std::size_t k = 0; k < j; ++k) sum -= l[i][k] * l[j][k];
      l[i][j] = l[j][j] > 0.0 ? sum / l[j][j] : 0.0;
    }
  }
  // A zero pivot is only sound when the entries it skipped agree: check the
  // factor rebuilds the matrix.
  for (std::size_t i = 0; i < kRateSeriesCount; ++i) {
    for (std::size_t j = 0; j <= i; ++j) {
      double sum = 0.0;
      for (std::size_t k = 0; k <= j; ++k) sum += l[i][k] * l[j][k];
      if (std::fabs(sum - c[i][j]) > kRebuildTolerance) return std::nullopt;
    }
  }
  return l;
}

const char* SeriesName(RateSeries series) { return kSeriesNames[Index(series)]; }

std::optional<RateSeries> SeriesByName(const std::string& name) {
  for (int i = 0; i < kRateSeriesCount; ++i) {
    if (name == kSeriesNames[i]) return static_cast<RateSeries>(i);
  }
  return std::nullopt;
}
