#pragma once

#include "legacy/ForecastTable.h"
#include "legacy/LegacyPlan.h"

// Today's engine kept unchanged for comparisons and timing.
namespace legacy {

// The table is computed in each year's own dollars. These convert the used
// rows in place to today's dollars and back: NetWorth, TaxDeferred,
// TaxableInvest, Property, HomeEquity, Mortgage and OtherDebt .. Distribution.
// The engine's bookkeeping fields are left alone. A round trip may move a
// value by a dollar of rounding.
void ToCurrentDollars(const PlanRecord& plan, ForecastTable& table);
void ToInflatedDollars(const PlanRecord& plan, ForecastTable& table);

}  // namespace legacy
