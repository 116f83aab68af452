#pragma once

#include "engine/Forecast.h"
#include "model/PlanRecord.h"
#include "markets/ForecastRules.h"
#include "odds/YearRates.h"

// The odds' one seam to the forecast engine: a trial's forecast from the plan
// and the trial's rates, leaving the plan as it is.

// The table in each year's own dollars, with the trial's own inflation indices.
// The past is a fact: every trial takes the same years before the current
// year, as the rule says; no rates: the plan's own.
Forecast RunTrialForecast(const PlanRecord& plan, const TrialRates& rates, ForecastRules rules);

// The trial's table in today's dollars, along the trial's own inflation.
ForecastTable InCurrentDollars(const PlanRecord& plan, const Forecast& forecast);
