#include "odds/TrialForecast.h"

#include "engine/DollarViews.h"

Forecast RunTrialForecast(const PlanRecord& plan, const TrialRates& rates, PastInflationRule past) {
  return RunForecast(plan, rates.empty() ? PlanRatePath(plan, past) : WithPastInflation(RatePath(rates), past, plan));
}

ForecastTable InCurrentDollars(const PlanRecord& plan, const Forecast& forecast) {
  ForecastTable current = forecast.table;
  ToCurrentDollars(forecast.inflation, RowCount(plan), current);
  return current;
}
