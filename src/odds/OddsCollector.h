#pragma once

#include <cstdint>
#include <vector>

#include "engine/ForecastTable.h"
#include "model/PlanRecord.h"
#include "odds/OddsResult.h"

// Gathers what each trial contributes to the result (its grade and one net
// worth per year in each dollar view), not its table. Trials may be recorded
// from several threads at once as long as each trial is recorded once.
class OddsCollector {
 public:
  OddsCollector(const PlanRecord& plan, int trials);

  void Record(int trial, const TrialGrade& grade, const ForecastTable& inflated, const ForecastTable& current);
  // Call once every trial is recorded.
  OddsResult Finish();

 private:
  std::int64_t firstYear_;
  std::int64_t firstAge_;
  int rows_;
  int trials_;
  // Year-major: the values of year a are [(a - 1) * trials, a * trials).
  std::vector<std::int64_t> inflated_;
  std::vector<std::int64_t> current_;
  std::vector<TrialSummary> summaries_;
};
