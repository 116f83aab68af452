#include "compare/ComparisonForecast.h"

#include "engine/DollarViews.h"
#include "engine/Forecast.h"

ForecastTable ForecastOf(const PlanRecord& plan, bool currentDollars) {
  // The run refreshes the plan's derived totals, so it works on a copy.
  PlanRecord copy = plan;
  ForecastTable table;
  RunForecast(copy, table);
  if (currentDollars) ToCurrentDollars(copy, table);
  return table;
}
