#include "compare/ComparisonForecast.h"

#include "engine/Forecast.h"

ForecastTable ForecastOf(const PlanRecord& plan, bool currentDollars, const RateSource& rates) {
  return ForecastInView(plan, rates ? rates(plan) : RatePath::FromPlan(plan), currentDollars).table;
}
