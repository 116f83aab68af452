#include "markets/ForecastRules.h"

RatePath WithRules(RatePath path, ForecastRules rules, const PlanRecord& plan) {
  path.SetPast(rules.past == PastInflationRule::Recorded ? RecordedInflation() : nullptr);
  path.SetPastRate(plan.InflationRate);
  path.SetTaxRules(rules.taxes);
  return path;
}

RatePath PlanRatePath(const PlanRecord& plan, ForecastRules rules) {
  return WithRules(RatePath::FromPlan(plan), rules, plan);
}

std::string TaxRulesNote(TaxRules rules) {
  if (rules == TaxRules::Law) return {};
  return std::string("Future taxes: ") + TaxRulesTitle(rules);
}

std::string ForecastRulesNote(std::int64_t currentYear, ForecastRules rules) {
  const std::string past = PastInflationNote(currentYear, rules.past);
  const std::string taxes = TaxRulesNote(rules.taxes);
  if (past.empty() || taxes.empty()) return past + taxes;
  return past + "; " + taxes;
}
