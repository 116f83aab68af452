#pragma once

#include "engine/Forecast.h"
#include "model/PlanRecord.h"
#include "odds/YearRates.h"

// The odds' one seam to the forecast engine: a trial's forecast from the plan
// and the trial's rates, leaving the plan as it is.

// The table in each year's own dollars, with the trial's own inflation indices.
Forecast RunTrialForecast(const PlanRecord& plan, const TrialRates& rates);

// The trial's table in today's dollars, along the trial's own inflation.
ForecastTable InCurrentDollars(const PlanRecord& plan, const Forecast& forecast);
