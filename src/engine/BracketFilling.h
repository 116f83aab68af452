#pragma once

#include <cstdint>

#include "engine/ForecastTable.h"
#include "engine/RunFactors.h"

// The withdrawal strategy's yearly move out of the tax-deferred account
// between the filling's ages: under the law, enough to bring the year's
// taxable income to the top of the chosen bracket (after the required
// distribution and last year's draw, which the year taxes already), into
// taxable savings as a distribution or into the Roth as a conversion; or,
// with no bracket chosen, a fixed yearly conversion (today's dollars grown by
// inflation) under either tax rules. Runs on year a >= 2 after its balances
// and investment return, before its income and taxes.
void FillBracketOrConvert(const RunFactors& run, ForecastTable& table, int a);

// The most year a can draw without any of its returns' taxable income passing
// the top of the `percent` bracket; 0 when none has room.
std::int64_t BracketRoom(const RunFactors& run, ForecastTable& table, int a, std::int32_t percent);
