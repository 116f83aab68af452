#pragma once

#include <vector>

#include "model/PlanRecord.h"
#include "odds/OddsResult.h"

// The last finished odds run's net worth percentiles, kept for the graph's
// band together with the plan they ran on: odds belong to that plan only.
struct OddsState {
  PlanRecord plan;
  // Element k is plan year index k, as OddsResult::years holds them.
  std::vector<YearBands> years;
  // The graph's "Net worth band" option: off until the user ticks it.
  bool bandShown = false;

  // Keeps the percentiles of a run on `runPlan`; the band option keeps its state.
  void Store(const PlanRecord& runPlan, const std::vector<YearBands>& runYears);
  // Forgets the percentiles unless they ran on `current`; the band option goes off with them.
  void KeepOnlyFor(const PlanRecord& current);

  bool HasResult() const { return !years.empty(); }
  // The band is due on the graph.
  bool BandDue() const { return bandShown && HasResult(); }
};
