#include "odds/RateAssumptions.h"

#include <algorithm>
#include <cmath>

RateAssumptions MeasureRateAssumptions(const PathModel& model, int trials) {
  RateAssumptions assumptions;
  assumptions.trials = std::min(trials, model.TrialCount());
  std::array<double, kRateSeriesCount> sum{};
  std::array<double, kRateSeriesCount> squares{};
  long count = 0;
  for (int trial = 0; trial < assumptions.trials; ++trial) {
    for (YearRates rates : model.Path(trial)) {
      for (int k = 0; k < kRateSeriesCount; ++k) {
        const double value = static_cast<double>(RateOf(rates, static_cast<RateSeries>(k)));
        sum[static_cast<std::size_t>(k)] += value;
        squares[static_cast<std::size_t>(k)] += value * value;
      }
      ++count;
    }
  }
  if (count == 0) return assumptions;
  for (std::size_t k = 0; k < sum.size(); ++k) {
    const double mean = sum[k] / static_cast<double>(count);
    assumptions.series[k] = {mean, std::sqrt(std::max(0.0, squares[k] / static_cast<double>(count) - mean * mean))};
  }
  return assumptions;
}
