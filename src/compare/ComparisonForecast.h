#pragma once

#include "engine/ForecastTable.h"
#include "model/PlanRecord.h"

// The one place the comparison runs the engine. The plan is left as it is;
// `currentDollars` gives the table in today's dollars, otherwise in each
// year's own dollars.
ForecastTable ForecastOf(const PlanRecord& plan, bool currentDollars);
