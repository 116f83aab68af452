#include "compare/ComparisonForecast.h"

#include "engine/Forecast.h"

ForecastTable ForecastOf(const PlanRecord& plan, bool currentDollars, const RateSource& rates, ForecastRules rules) {
  return ForecastInView(plan, rates ? WithRules(rates(plan), rules, plan) : PlanRatePath(plan, rules), currentDollars)
      .table;
}
