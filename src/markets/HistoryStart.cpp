#include "markets/HistoryStart.h"

#include <algorithm>

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

int FirstRetirementRow(const PlanRecord& plan) {
  std::int64_t years = static_cast<std::int64_t>(plan.RetireAge1) - plan.Age1;
  if (plan.SecondPerson) years = std::min(years, static_cast<std::int64_t>(plan.RetireAge2) - plan.Age2);
  return static_cast<int>(std::clamp<std::int64_t>(years + 1, 1, std::max(RowCount(plan), 1)));
}

std::string HistoryYearsText(const std::vector<HistorySpan>& spans) {
  std::string text;
  for (const HistorySpan& span : spans) {
    if (!text.empty()) text += ", then ";
    text += std::to_string(span.first);
    if (span.last != span.first) text += "-" + std::to_string(span.last);
  }
  return text;
}

HistoryStart HistoryStartRates(const PlanRecord& plan, const MarketHistory& history, int startYear, SequenceStart at) {
  const MarketMix mix{kHistoryStockShare, kHistoryStockShare, history.hasRealEstate, plan.RealEstateGrowth};
  const int offset = startYear - history.years.front().year;
  const int rows = RowCount(plan);
  const int planRows = at == SequenceStart::Retirement ? FirstRetirementRow(plan) - 1 : 0;
  const int historyRows = std::max(rows - planRows, 0);
  std::vector<YearRates> years;
  const RatePath own = RatePath::FromPlan(plan);
  for (int a = 1; a <= planRows; ++a) years.push_back(own.Year(a));
  for (const YearRates& year : ReplayedYears(history, mix, offset, historyRows)) years.push_back(year);

  HistoryStart start{RatePath(years), 0, static_cast<int>(plan.CurrentYear) + planRows, {}};
  const int count = static_cast<int>(history.years.size());
  const int rowsInData = count - offset;
  if (historyRows > rowsInData) start.wrapYear = start.sequenceYear + rowsInData;
  for (int index = offset, left = historyRows; left > 0; index = 0) {
    const int taken = std::min(left, count - index);
    start.spans.push_back({history.years[static_cast<std::size_t>(index)].year,
                           history.years[static_cast<std::size_t>(index + taken - 1)].year});
    left -= taken;
  }
  return start;
}
