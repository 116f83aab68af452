#include "shell/OddsState.h"

void OddsState::Store(const PlanRecord& runPlan, const std::vector<YearBands>& runYears) {
  plan = runPlan;
  years = runYears;
}

void OddsState::KeepOnlyFor(const PlanRecord& current) {
  if (HasResult() && !(plan == current)) *this = OddsState{};
}
