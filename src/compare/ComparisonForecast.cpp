#include "compare/ComparisonForecast.h"

#include "engine/Forecast.h"

ForecastTable ForecastOf(const PlanRecord& plan, bool currentDollars) {
  return ForecastInView(plan, RatePath::FromPlan(plan), currentDollars).table;
}
