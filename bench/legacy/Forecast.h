#pragma once

#include "legacy/ForecastTable.h"
#include "legacy/LegacyPlan.h"

// Today's engine kept unchanged for comparisons and timing.
namespace legacy {

// Recomputes the whole table from the plan, in each year's own dollars. The
// plan is written only by the expense summary refresh and by AnnuityFactor's
// floor under a mortgage rate that is not positive.
void RunForecast(PlanRecord& plan, ForecastTable& table);

// Year 1 from today's figures: current totals, balances, income, debt, home
// and expenses, no inflation.
void InitFirstYear(PlanRecord& plan, ForecastTable& table);

// One later year a >= 2, in the fixed order of the run (starting with the
// coverage of year a - 1's cash need).
void RunForecastYear(PlanRecord& plan, ForecastTable& table, int a);

}  // namespace legacy
