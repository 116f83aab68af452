#include "compare/ComparisonForecast.h"

#include "engine/Forecast.h"

ForecastTable ForecastOf(const PlanRecord& plan, bool currentDollars, const RateSource& rates, PastInflationRule past) {
  return ForecastInView(plan, rates ? WithPastInflation(rates(plan), past, plan) : PlanRatePath(plan, past), currentDollars)
      .table;
}
