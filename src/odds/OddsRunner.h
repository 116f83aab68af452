#pragma once

#include <atomic>
#include <functional>
#include <optional>

#include "engine/ForecastTable.h"
#include "model/PlanRecord.h"
#include "odds/OddsResult.h"
#include "odds/PathModel.h"
#include "markets/RecordedInflation.h"

struct OddsRunControl {
  int threads = 1;
  // Trials done so far and in all; called on the thread that runs RunOdds,
  // a few dozen times a second and once at the end.
  std::function<void(int done, int total)> progress;
  // Set from any thread to stop the run; RunOdds then returns nothing within
  // a fraction of a second.
  const std::atomic<bool>* cancel = nullptr;
  // The years before the plan's current year, the same in every trial.
  PastInflationRule past = PastInflationRule::Recorded;
};

inline constexpr int kMaxOddsThreads = 64;

// The threads a run takes: `requested` when above 0, else all the machine's
// cores; never more than kMaxOddsThreads.
int OddsThreads(int requested = 0);

// Runs every trial of the model on the plan. The result is the same for any
// number of threads.
std::optional<OddsResult> RunOdds(const PlanRecord& plan, const PathModel& model, const OddsRunControl& control);

// One trial by itself, exactly as it runs inside RunOdds.
struct TrialReplay {
  TrialRates rates;
  ForecastTable table;         // each year's own dollars
  ForecastTable currentTable;  // today's dollars, along the trial's inflation
  TrialGrade grade;
};
TrialReplay ReplayTrial(const PlanRecord& plan, const PathModel& model, int trial, PastInflationRule past);
