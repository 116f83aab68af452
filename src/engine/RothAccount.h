#pragma once

#include "engine/ForecastTable.h"
#include "engine/RunFactors.h"

// The Roth account of a forecast: contributions from pay after tax, growth at
// the tax-deferred return, draws that take the contributions and conversions
// (the basis) first and tax their earnings only before person 1's 60th year
// under the law (with the additional tax), and no required distributions.

// Year 1: today's balance and basis.
void InitFirstYearRoth(const RunFactors& run, ForecastTable& table);

// Year a >= 2, before its conversion: what is left after last year's draw
// grown over last year, and the year's contributions.
void UpdateRoth(const RunFactors& run, ForecastTable& table, int a);

// After year j's RothWithdrawal is decided: the basis it uses up and the
// earnings the next year taxes.
void TakeFromRothBasis(const RunFactors& run, ForecastTable& table, int j);

// Whether money drawn in year a (person 1's age) pays the early-draw tax:
// before the 60th year, under the law.
bool DrawnEarly(const RunFactors& run, int a);
