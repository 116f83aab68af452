#pragma once

#include <functional>
#include <string>

#include "engine/RatePath.h"
#include "markets/StressChoice.h"
#include "model/PlanRecord.h"

// The rates a stress test runs the plan on: the typed scenario's, or the
// built-in history's from the chosen start.
RatePath StressRates(const PlanRecord& plan, const StressChoice& stress);

// What a history start's name adds to its year: " at retirement in 2041"
// when the sequence begins there, and ": 1994-2025, then 1928-1941" when it
// runs past the history's end; empty for neither.
std::string StressStartDetails(const PlanRecord& plan, const StressChoice& stress);

// The curve's name in the legend and the stress test's titles: "Start 1966",
// "Worst start 1929", "Start 1966 at retirement in 2041", "Inflation 5 %
// 2026-2035"; a start that runs past the history's end names the years it
// lives through: "Start 1994: 1994-2025, then 1928-1941".
std::string StressName(const PlanRecord& plan, const StressChoice& stress);

// The same, short enough for the box under the graph's age caption: "Start
// 1994, then 1928-1941", "Start 1966 at retirement" (the years past the data
// named first when a sequence begun at retirement runs past them).
std::string StressLegend(const PlanRecord& plan, const StressChoice& stress);

// The rates a comparison runs each plan on, as `diff --rates` runs them on the
// scenario saved as a rate file (the typed rows of the `current` plan, then
// each plan's own rates), or `diff --history-start` on the start.
std::function<RatePath(const PlanRecord&)> StressComparisonRates(const PlanRecord& current, const StressChoice& stress);
