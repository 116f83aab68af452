#include "odds/MonteCarloModel.h"

#include <algorithm>
#include <cmath>

#include "engine/ForecastTable.h"
#include "odds/RandomStream.h"

namespace {

constexpr int kMaxTrials = 100000;
// Far past any market's history; keeps the lognormal's parameters finite.
constexpr long double kMaxDeviation = 100.0L;

}  // namespace

std::string MonteCarloModel::SettingsProblem(const MonteCarloSettings& settings) {
  if (settings.trials < 1 || settings.trials > kMaxTrials) {
    return "the number of trials must be between 1 and " + std::to_string(kMaxTrials);
  }
  for (const long double deviation : settings.deviations) {
    if (!(deviation >= 0.0L && deviation <= kMaxDeviation)) {
      return "each standard deviation must be between 0 and " + std::to_string(static_cast<int>(kMaxDeviation)) +
             " points";
    }
  }
  if (!CholeskyFactor(settings.correlation)) {
    return "the correlations must lie between -1 and 1 and be possible together";
  }
  return {};
}

MonteCarloModel::MonteCarloModel(const PlanRecord& plan, const MonteCarloSettings& settings)
    : MonteCarloModel(plan, settings, RatePath::FromPlan(plan)) {}

MonteCarloModel::MonteCarloModel(const PlanRecord& plan, const MonteCarloSettings& settings, const RatePath& means)
    : trials_(settings.trials), rows_(RowCount(plan)), seed_(settings.seed) {
  factor_ = CholeskyFactor(settings.correlation).value_or(CholeskyFactor(Correlation()).value());
  shapes_.resize(static_cast<std::size_t>(std::max(rows_, 0)));
  for (int a = 1; a <= rows_; ++a) {
    for (std::size_t k = 0; k < kRateSeriesCount; ++k) {
      SeriesShape& shape = shapes_[static_cast<std::size_t>(a - 1)][k];
      shape.meanRate = RateOf(means.Year(a), static_cast<RateSeries>(k));
      const long double mean = 1.0L + shape.meanRate / 100.0L;
      const long double deviation = settings.deviations[k] / 100.0L;
      // A gross factor that is not positive has no lognormal: the series stays fixed.
      shape.fixed = !(deviation > 0.0L) || !(mean > 0.0L);
      if (shape.fixed) continue;
      // Lognormal with mean m and deviation d: s^2 = ln(1 + (d/m)^2), mu = ln m - s^2/2.
      const long double variance = std::log1p((deviation / mean) * (deviation / mean));
      shape.logDeviation = std::sqrt(variance);
      shape.logMean = std::log(mean) - variance / 2.0L;
    }
  }
}

long double MonteCarloModel::Draw(const SeriesShape& shape, double deviate) const {
  if (shape.fixed) return shape.meanRate;
  return 100.0L * std::expm1(shape.logMean + shape.logDeviation * static_cast<long double>(deviate));
}

TrialRates MonteCarloModel::Path(int trial) const {
  RandomStream stream(seed_, static_cast<std::uint64_t>(trial));
  TrialRates path(static_cast<std::size_t>(rows_));
  for (std::size_t a = 0; a < path.size(); ++a) {
    YearRates& year = path[a];
    const std::array<SeriesShape, kRateSeriesCount>& shapes = shapes_[a];
    // Four deviates every year whatever is fixed, so changing one deviation
    // leaves the other series' draws as they were.
    std::array<double, kRateSeriesCount> independent{};
    for (double& z : independent) z = stream.Normal();
    std::array<double, kRateSeriesCount> linked{};
    for (std::size_t i = 0; i < kRateSeriesCount; ++i) {
      for (std::size_t k = 0; k <= i; ++k) linked[i] += factor_[i][k] * independent[k];
    }
    year.Inflation = Draw(shapes[0], linked[0]);
    year.TaxableReturn = Draw(shapes[1], linked[1]);
    year.TaxDeferredReturn = Draw(shapes[2], linked[2]);
    year.RealEstateGrowth = Draw(shapes[3], linked[3]);
  }
  return path;
}

std::string MonteCarloModel::TrialLabel(int trial) const { return "trial " + std::to_string(trial + 1); }
