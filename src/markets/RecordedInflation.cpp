#include "markets/RecordedInflation.h"

#include <utility>

#include "markets/BuiltInHistory.h"

std::shared_ptr<const PastInflation> RecordedInflation() {
  static const std::shared_ptr<const PastInflation> recorded = [] {
    const MarketHistory& history = BuiltInHistory();
    auto past = std::make_shared<PastInflation>();
    past->firstYear = history.years.front().year;
    for (const MarketYear& year : history.years) past->percent.push_back(year.inflation);
    return past;
  }();
  return recorded;
}

RatePath WithPastInflation(RatePath path, PastInflationRule rule, const PlanRecord& plan) {
  path.SetPast(rule == PastInflationRule::Recorded ? RecordedInflation() : nullptr);
  path.SetPastRate(plan.InflationRate);
  return path;
}

std::string PastInflationNote(std::int64_t currentYear, PastInflationRule rule) {
  if (rule == PastInflationRule::Recorded) return {};
  return "Years before " + std::to_string(currentYear) + ": this plan's inflation rate";
}

RatePath PlanRatePath(const PlanRecord& plan, PastInflationRule rule) {
  return WithPastInflation(RatePath::FromPlan(plan), rule, plan);
}
