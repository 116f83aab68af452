#include "odds/TrialForecast.h"

#include "engine/DollarViews.h"

Forecast RunTrialForecast(const PlanRecord& plan, const TrialRates& rates) {
  return RunForecast(plan, rates.empty() ? RatePath::FromPlan(plan) : RatePath(rates));
}

ForecastTable InCurrentDollars(const PlanRecord& plan, const Forecast& forecast) {
  ForecastTable current = forecast.table;
  ToCurrentDollars(forecast.inflation, RowCount(plan), current);
  return current;
}
