#pragma once

#include "engine/ForecastTable.h"
#include "model/PlanRecord.h"
#include "odds/YearRates.h"

// The odds' one seam to the forecast engine: a trial's year table from the
// plan and the trial's rates, leaving the plan as it is.

// The table in each year's own dollars.
ForecastTable RunTrialForecast(const PlanRecord& plan, const TrialRates& rates);

// Converts a trial's table to today's dollars along the trial's own inflation.
void TrialToCurrentDollars(const PlanRecord& plan, const TrialRates& rates, ForecastTable& table);
