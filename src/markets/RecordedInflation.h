#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine/PastInflation.h"
#include "engine/RatePath.h"
#include "model/PlanRecord.h"

// The built-in history's consumer price inflation, year by year: the record a
// run uses for the years before the plan's current year.
std::shared_ptr<const PastInflation> RecordedInflation();

// How a run treats the years before the plan's current year: their recorded
// inflation (the default), or the plan's own rate as the first design did.
enum class PastInflationRule { Recorded, Plan };

// The path with the past the rule asks for: the record, or the plan's own
// inflation rate whatever the path's first year holds.
RatePath WithPastInflation(RatePath path, PastInflationRule rule, const PlanRecord& plan);

// The plan's own rates with the past the rule asks for: the path of every
// forecast of a plan that is not given other rates.
RatePath PlanRatePath(const PlanRecord& plan, PastInflationRule rule);

// "Years before 2026: this plan's inflation rate" under the plan's rule, so
// outputs that differ by it can be told apart; empty under the default.
std::string PastInflationNote(std::int64_t currentYear, PastInflationRule rule);
