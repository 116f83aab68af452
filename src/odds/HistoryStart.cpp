#include "odds/HistoryStart.h"

#include "engine/ForecastTable.h"

std::string HistoryStartProblem(const MarketHistory& history, int startYear) {
  if (history.years.empty()) return "the history holds no years";
  const int first = history.years.front().year;
  const int last = history.years.back().year;
  if (startYear < first || startYear > last) {
    return "the history runs from " + std::to_string(first) + " to " + std::to_string(last) + ", not " +
           std::to_string(startYear);
  }
  return {};
}

HistoryStart HistoryStartRates(const PlanRecord& plan, const MarketHistory& history, int startYear,
                               const HistoricalSettings& settings) {
  HistoricalSettings replay = settings;
  replay.completeOnly = false;
  const HistoricalModel model(plan, history, replay);
  const int offset = startYear - model.FirstYear();
  HistoryStart start{RatePath(model.Path(offset)), 0};
  const int rowsInData = model.DataYears() - offset;
  if (RowCount(plan) > rowsInData) start.wrapYear = static_cast<int>(plan.CurrentYear) + rowsInData;
  return start;
}
