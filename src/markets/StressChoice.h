#pragma once

#include <string>
#include <vector>

#include "engine/RateScenario.h"
#include "markets/HistoryStart.h"

// The what-if the graph draws the plan on beside its own forecast, or none:
// a market-history start (File, Stress Test) or a typed rate scenario (File,
// Stress Test, Rate Scenario). One at a time; the session keeps it, the plan
// file never holds it.
struct StressChoice {
  int startYear = 0;  // 0: no history start chosen
  // Chosen as the worst start the historical replay found for the plan.
  bool worstStart = false;
  std::vector<RateOverride> scenario;
  // Where a history start's sequence begins; a setting of the menu that stays
  // across the starts chosen.
  SequenceStart sequenceStart = SequenceStart::FirstYear;

  bool Due() const { return startYear != 0 || !scenario.empty(); }
  bool IsScenario() const { return !scenario.empty(); }
  void Choose(int year, bool worst) {
    startYear = year;
    worstStart = worst;
    scenario.clear();
  }
  void ChooseScenario(std::vector<RateOverride> changes) {
    Choose(0, false);
    scenario = std::move(changes);
  }
  void Clear() { Choose(0, false); }
  bool operator==(const StressChoice&) const = default;
};
