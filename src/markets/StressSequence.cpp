#include "markets/StressSequence.h"

#include "markets/BuiltInHistory.h"
#include "markets/HistoryStart.h"

RatePath StressRates(const PlanRecord& plan, const StressChoice& stress) {
  if (stress.IsScenario()) return ScenarioPath(plan, stress.scenario);
  return HistoryStartRates(plan, BuiltInHistory(), stress.startYear, stress.sequenceStart).rates;
}

std::string StressStartDetails(const PlanRecord& plan, const StressChoice& stress) {
  const HistoryStart start = HistoryStartRates(plan, BuiltInHistory(), stress.startYear, stress.sequenceStart);
  std::string details;
  if (stress.sequenceStart == SequenceStart::Retirement)
    details = " at retirement in " + std::to_string(start.sequenceYear);
  if (start.spans.size() > 1) details += ": " + HistoryYearsText(start.spans);
  return details;
}

std::string StressLegend(const PlanRecord& plan, const StressChoice& stress) {
  if (stress.IsScenario()) return ScenarioName(stress.scenario);
  std::string legend = (stress.worstStart ? "Worst start " : "Start ") + std::to_string(stress.startYear);
  const HistoryStart start = HistoryStartRates(plan, BuiltInHistory(), stress.startYear, stress.sequenceStart);
  // Where both do not fit, running past the data is the surprise worth the room.
  for (std::size_t i = 1; i < start.spans.size(); ++i) legend += ", then " + HistoryYearsText({start.spans[i]});
  if (stress.sequenceStart == SequenceStart::Retirement && start.spans.size() < 2) legend += " at retirement";
  return legend;
}

std::string StressName(const PlanRecord& plan, const StressChoice& stress) {
  if (stress.IsScenario()) return ScenarioName(stress.scenario);
  return (stress.worstStart ? "Worst start " : "Start ") + std::to_string(stress.startYear) +
         StressStartDetails(plan, stress);
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
