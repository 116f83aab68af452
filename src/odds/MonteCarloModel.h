#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/PlanRecord.h"
#include "odds/Correlation.h"
#include "odds/PathModel.h"

inline constexpr std::array<long double, kRateSeriesCount> kHistoryDeviations = {3.9L, 12.8L, 12.8L, 5.2L};

struct MonteCarloSettings {
  int trials = 10000;
  std::uint64_t seed = 1;
  // Standard deviations of each series' yearly rate, in percentage points,
  // in the order of RateSeries. The defaults are those of the built-in US
  // history 1928-2025 with 60 % stocks, to one decimal (HistoryCalibrationTest).
  std::array<long double, kRateSeriesCount> deviations = kHistoryDeviations;
  Correlation correlation = Correlation::Default();
};

// Every year of every trial draws the four rates at random. Each rate's gross
// factor (1 + rate / 100) is lognormal with the mean of that year's rate of
// the means path (the plan's own rates unless a path is given) and the set
// deviation; the four draws are correlated in log space. A series with no
// deviation keeps the path's rate exactly.
class MonteCarloModel : public PathModel {
 public:
  // Settings must have passed SettingsProblem.
  MonteCarloModel(const PlanRecord& plan, const MonteCarloSettings& settings);
  MonteCarloModel(const PlanRecord& plan, const MonteCarloSettings& settings, const RatePath& means);

  // Why the settings cannot run, or empty.
  static std::string SettingsProblem(const MonteCarloSettings& settings);

  int TrialCount() const override { return trials_; }
  TrialRates Path(int trial) const override;
  std::string TrialLabel(int trial) const override;

 private:
  struct SeriesShape {
    long double meanRate = 0.0L;
    bool fixed = true;
    long double logMean = 0.0L;
    long double logDeviation = 0.0L;
  };

  long double Draw(const SeriesShape& shape, double deviate) const;

  int trials_;
  int rows_;
  std::uint64_t seed_;
  Matrix4 factor_{};
  // One year's shapes per forecast row: the means may change from year to year.
  std::vector<std::array<SeriesShape, kRateSeriesCount>> shapes_;
};
