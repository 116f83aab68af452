#pragma once

#include <array>

#include "engine/ForecastTable.h"
#include "model/PlanRecord.h"

// Each row's inflation index (row a at a - 1): the year's dollars per dollar of today.
using InflationIndices = std::array<long double, kForecastRows>;

// Whether the dollar views convert the field (the bookkeeping fields stay as run).
bool ConvertsToCurrentDollars(std::int64_t YearRecord::*field);

// The indices of the plan's own inflation rate.
InflationIndices PlanInflationIndices(const PlanRecord& plan);

// The table is computed in each year's own dollars. These convert the first
// `rows` rows in place to today's dollars and back: NetWorth, TaxDeferred,
// TaxableInvest, Property, HomeEquity, Mortgage and OtherDebt .. Distribution.
// The engine's bookkeeping fields are left alone. A round trip may move a
// value by a dollar of rounding.
void ToCurrentDollars(const InflationIndices& index, int rows, ForecastTable& table);
void ToInflatedDollars(const InflationIndices& index, int rows, ForecastTable& table);

// The same at the plan's own inflation rate over the plan's rows.
void ToCurrentDollars(const PlanRecord& plan, ForecastTable& table);
void ToInflatedDollars(const PlanRecord& plan, ForecastTable& table);
