#pragma once

#include <functional>

#include "engine/RatePath.h"
#include "markets/StressChoice.h"
#include "model/PlanRecord.h"

// The rates a stress test runs the plan on: the typed scenario's, or the
// built-in history's from the chosen start.
RatePath StressRates(const PlanRecord& plan, const StressChoice& stress);

// The rates a comparison runs each plan on, as `diff --rates` runs them on the
// scenario saved as a rate file (the typed rows of the `current` plan, then
// each plan's own rates), or `diff --history-start` on the start.
std::function<RatePath(const PlanRecord&)> StressComparisonRates(const PlanRecord& current,
                                                                 const StressChoice& stress);
