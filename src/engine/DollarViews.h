#pragma once

#include <array>
#include <cstdint>
#include <string>

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

// The two views as every page, printout and report names them: the future
// view says whose dollars it counts in, so nobody takes it for today's money,
// and today's view names the year of its dollars.
std::string DollarViewName(bool currentDollars, std::int32_t currentYear);
// The same with a small first letter, for use inside a sentence.
std::string DollarViewPhrase(bool currentDollars, std::int32_t currentYear);
