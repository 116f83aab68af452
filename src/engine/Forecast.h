#pragma once

#include "engine/DollarViews.h"
#include "engine/ExplainTrace.h"
#include "engine/ForecastTable.h"
#include "engine/PlanUpdates.h"
#include "engine/RatePath.h"
#include "engine/RunFactors.h"
#include "model/PlanRecord.h"

// One forecast: the year table in each year's own dollars (or converted by
// ForecastInView), the plan values the run recomputed, and each row's
// inflation index for the dollar views.
struct Forecast {
  ForecastTable table;
  PlanUpdates updates;
  InflationIndices inflation{};
};

// Recomputes the whole table from the plan and the path. Reads nothing but its
// arguments and writes nothing but its result, so runs may go on at once on
// any number of threads. With a trace, the run also records in it how it
// reached every cell (engine/ExplainTrace.h); the table is the same.
Forecast RunForecast(const PlanRecord& plan, const RatePath& path, ExplainTrace* trace = nullptr);

// The run a page or the command line shows: converted to today's dollars when asked.
Forecast ForecastInView(const PlanRecord& plan, const RatePath& path, bool currentDollars);

// The plan's own rates, with the recomputed values written back into the plan
// as the pages and saved plans expect.
void RunForecast(PlanRecord& plan, ForecastTable& table);

// Year 1 from today's figures: balances, income, debt, home and expenses, no
// inflation. The plan's expense summary must be refreshed already.
void InitFirstYear(const RunFactors& run, ForecastTable& table);

// One later year a >= 2, in the fixed order of the run (starting with the
// coverage of year a - 1's cash need).
void RunForecastYear(const RunFactors& run, ForecastTable& table, int a);
