#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "markets/BuiltInHistory.h"
#include "markets/MarketYearRates.h"
#include "odds/MonteCarloModel.h"

namespace {

// The four series as a forecast sees them, year by year, for 60 % stocks.
std::vector<std::array<double, kRateSeriesCount>> HistorySeries() {
  const MarketMix mix{60.0L, 60.0L, true, 0.0L};
  std::vector<std::array<double, kRateSeriesCount>> series;
  for (const MarketYear& year : BuiltInHistory().years) {
    const YearRates rates = RatesOfMarketYear(year, mix);
    series.push_back({static_cast<double>(rates.Inflation), static_cast<double>(rates.TaxableReturn),
                      static_cast<double>(rates.TaxDeferredReturn), static_cast<double>(rates.RealEstateGrowth)});
  }
  return series;
}

double Mean(const std::vector<std::array<double, kRateSeriesCount>>& series, std::size_t k) {
  double sum = 0.0;
  for (const auto& year : series) sum += year[k];
  return sum / static_cast<double>(series.size());
}

double Covariance(const std::vector<std::array<double, kRateSeriesCount>>& series, std::size_t a, std::size_t b) {
  const double meanA = Mean(series, a);
  const double meanB = Mean(series, b);
  double sum = 0.0;
  for (const auto& year : series) sum += (year[a] - meanA) * (year[b] - meanB);
  return sum / static_cast<double>(series.size() - 1);
}

// The Monte Carlo defaults are the history's sample deviations (to 0.1 point)
// and correlations (to 0.01) over the years the defaults were taken from.
TEST(HistoryCalibrationTest, MonteCarloDefaultsAreTheBuiltInHistorysSwingsAndLinks) {
  std::vector<std::array<double, kRateSeriesCount>> series = HistorySeries();
  ASSERT_GE(series.size(), 98u);
  series.resize(98);  // 1928-2025
  const MonteCarloSettings defaults;
  for (std::size_t a = 0; a < kRateSeriesCount; ++a) {
    const double deviation = std::sqrt(Covariance(series, a, a));
    EXPECT_NEAR(static_cast<double>(defaults.deviations[a]), deviation, 0.05 + 1e-9) << "series " << a;
    for (std::size_t b = a + 1; b < kRateSeriesCount; ++b) {
      const double correlation = Covariance(series, a, b) / (deviation * std::sqrt(Covariance(series, b, b)));
      EXPECT_NEAR(defaults.correlation.Get(static_cast<RateSeries>(a), static_cast<RateSeries>(b)), correlation,
                  0.005 + 1e-9)
          << "series " << a << " with " << b;
    }
  }
}

}  // namespace
