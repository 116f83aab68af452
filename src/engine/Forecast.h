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
  // Some amount of the run reached the 64-bit limit and was held there: the
  // figures from then on are not meaningful.
  bool saturated = false;
};

// What the command line and the desktop say about a saturated run.
inline constexpr const char* kSaturationNote =
    "some amounts of the forecast reached the largest figure ($9,223,372,036,854,775,807) and were held "
    "there: the figures from then on are not meaningful";

// Whether any money field of the first `rows` years sits at the 64-bit limit,
// which only a saturated amount reaches.
bool HasSaturatedValue(const ForecastTable& table, int rows);

// The plan as a run reads it: the mortgage rate at its floor and the claimed
// Social Security in place of the typed one.
PlanRecord PlanAsRun(const PlanRecord& plan);

// Recomputes the whole table from the plan and the path. Reads nothing but its
// arguments and writes nothing but its result, so runs may go on at once on
// any number of threads. With a trace, the run also records in it how it
// reached every cell (engine/ExplainTrace.h); the table is the same.
Forecast RunForecast(const PlanRecord& plan, const RatePath& path, ExplainTrace* trace = nullptr);

// The run a page or the command line shows: converted to today's dollars when
// asked, `saturated` told from the run's own dollars.
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
