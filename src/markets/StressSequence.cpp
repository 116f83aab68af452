#include "markets/StressSequence.h"

#include "markets/BuiltInHistory.h"
#include "markets/HistoryStart.h"

RatePath StressRates(const PlanRecord& plan, const StressChoice& stress) {
  if (stress.IsScenario()) return ScenarioPath(plan, stress.scenario);
  return HistoryStartRates(plan, BuiltInHistory(), stress.startYear).rates;
}

std::function<RatePath(const PlanRecord&)> StressComparisonRates(const PlanRecord& current,
                                                                 const StressChoice& stress) {
  if (!stress.IsScenario()) {
    return [stress](const PlanRecord& plan) { return StressRates(plan, stress); };
  }
  const int rows = ScenarioRows(current, stress.scenario);
  return [rows, typed = ScenarioPath(current, stress.scenario)](const PlanRecord& plan) {
    return rows >= RowCount(plan) ? typed : typed.WithPlanRatesFrom(rows + 1, plan);
  };
}
