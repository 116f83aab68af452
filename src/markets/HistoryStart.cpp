#include "markets/HistoryStart.h"

#include "engine/ForecastTable.h"

std::vector<YearRates> ReplayedYears(const MarketHistory& history, const MarketMix& mix, int firstIndex, int rows) {
  const std::size_t count = history.years.size();
  std::vector<YearRates> years(static_cast<std::size_t>(rows));
  for (std::size_t k = 0; k < years.size(); ++k) {
    years[k] = RatesOfMarketYear(history.years[(static_cast<std::size_t>(firstIndex) + k) % count], mix);
  }
  return years;
}

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

HistoryStart HistoryStartRates(const PlanRecord& plan, const MarketHistory& history, int startYear) {
  const MarketMix mix{kHistoryStockShare, kHistoryStockShare, history.hasRealEstate, plan.RealEstateGrowth};
  const int offset = startYear - history.years.front().year;
  const int rows = RowCount(plan);
  HistoryStart start{RatePath(ReplayedYears(history, mix, offset, rows)), 0};
  const int rowsInData = static_cast<int>(history.years.size()) - offset;
  if (rows > rowsInData) start.wrapYear = static_cast<int>(plan.CurrentYear) + rowsInData;
  return start;
}
