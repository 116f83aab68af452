#include "shell/ComparisonState.h"

#include <algorithm>

#include "compare/ComparisonForecast.h"
#include "engine/ForecastTable.h"

namespace {

std::vector<std::int64_t> NetWorthSeries(const PlanRecord& plan, bool currentDollars, ForecastRules rules) {
  const ForecastTable table = ForecastOf(plan, currentDollars, {}, rules);
  std::vector<std::int64_t> series;
  const int years = std::clamp(RowCount(plan), 0, kForecastRows);
  series.reserve(static_cast<std::size_t>(years));
  for (int a = 1; a <= years; ++a) series.push_back(table.Year(a).NetWorth);
  return series;
}

}  // namespace

void ComparisonState::Open(const std::string& path, const PlanRecord& plan, PageId fromPage, ForecastRules rules,
                           bool otherBase) {
  open = true;
  otherIsBase = otherBase;
  returnPage = fromPage;
  otherPath = path;
  other = plan;
  Rerun(rules);
}

void ComparisonState::Rerun(ForecastRules rules) {
  netWorthInflated = NetWorthSeries(other, false, rules);
  netWorthToday = NetWorthSeries(other, true, rules);
}

void ComparisonState::Close() {
  ComparisonState closed;
  closed.variantOf = std::move(variantOf);
  *this = std::move(closed);
}

const std::vector<std::int64_t>& ComparisonState::NetWorth(bool currentDollars) const {
  return currentDollars ? netWorthToday : netWorthInflated;
}

std::int64_t ComparisonState::FirstIndexOn(const PlanRecord& current) const {
  return static_cast<std::int64_t>(other.CurrentYear) - static_cast<std::int64_t>(current.CurrentYear);
}
