#include "markets/ForecastRules.h"

RatePath WithRules(RatePath path, ForecastRules rules, const PlanRecord& plan) {
  path.SetPast(rules.past == PastInflationRule::Recorded ? RecordedInflation() : nullptr);
  path.SetPastRate(plan.InflationRate);
  path.SetTaxRules(rules.taxes);
  path.SetDeflationFollowed(rules.deflation == DeflationRule::Follow);
  path.SetHomeEquityFloored(rules.homeEquityLimit == HomeEquityLimitRule::Floor);
  return path;
}

RatePath PlanRatePath(const PlanRecord& plan, ForecastRules rules) {
  return WithRules(RatePath::FromPlan(plan), rules, plan);
}

std::string TaxRulesNote(TaxRules rules) {
  if (rules == TaxRules::Law) return {};
  return std::string("Future taxes: ") + TaxRulesTitle(rules);
}

const char* DeflationWord(DeflationRule rule) { return rule == DeflationRule::Follow ? "follow" : "hold"; }

std::string DeflationNote(DeflationRule rule) {
  return rule == DeflationRule::Follow ? "Deflation: spending follows prices down" : "";
}

const char* HomeEquityLimitWord(HomeEquityLimitRule rule) {
  return rule == HomeEquityLimitRule::FirstDesign ? "first-design" : "floor";
}

std::string HomeEquityLimitNote(HomeEquityLimitRule rule) {
  return rule == HomeEquityLimitRule::FirstDesign ? "Home-equity limit: the first design's (may be negative)" : "";
}

std::string ForecastRulesNote(std::int64_t currentYear, ForecastRules rules) {
  std::string joined;
  for (const std::string& note : {PastInflationNote(currentYear, rules.past), TaxRulesNote(rules.taxes),
                                  DeflationNote(rules.deflation), HomeEquityLimitNote(rules.homeEquityLimit)}) {
    if (!note.empty()) joined += (joined.empty() ? "" : "; ") + note;
  }
  return joined;
}
