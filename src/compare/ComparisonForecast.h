#pragma once

#include <functional>

#include "engine/ForecastTable.h"
#include "engine/RatePath.h"
#include "model/PlanRecord.h"
#include "markets/ForecastRules.h"

// The rates a plan of a comparison runs on (each plan, and each mix of the
// two an attribution tries); empty: each plan's own rates.
using RateSource = std::function<RatePath(const PlanRecord&)>;

// The one place the comparison runs the engine. The plan is left as it is;
// `currentDollars` gives the table in today's dollars, otherwise in each
// year's own dollars; `past` says what the years before its current year take.
ForecastTable ForecastOf(const PlanRecord& plan, bool currentDollars, const RateSource& rates, ForecastRules rules);
