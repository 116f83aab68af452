#pragma once

#include <cstdint>

#include "model/PlanRecord.h"

// The calendar year of the computer clock, local time.
std::int32_t ClockYear();

// Sets every field to the built-in two-person sample plan. The clock year is a
// parameter so that tests and the plan reader can fix it; the one-argument
// form reads the clock.
void ResetPlan(PlanRecord& plan, std::int32_t clockYear);
void ResetPlan(PlanRecord& plan);
