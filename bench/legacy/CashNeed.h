#pragma once

#include <cstdint>

#include "legacy/ForecastTable.h"
#include "legacy/LegacyPlan.h"

// Today's engine kept unchanged for comparisons and timing.
namespace legacy {

// How a year's cash need (expenses less income) is met, and the other debt and
// student loans carried from year to year.

// Decides year j's coverage, run at the start of year j + 1: taxable
// investments first, then (person 1 at 59 or more) the tax-deferred account,
// then (owners) home equity up to 75 percent of the value, the rest as new
// debt. Fills TaxableWithdrawal, DeferredWithdrawal, HomeEquityBorrowing and
// UnfundedShortfall of year j and may set DeferredExhausted.
void CoverCashNeed(PlanRecord& plan, ForecastTable& table, int j);

// Other debt and student loans of year a >= 2: sets LoanPayments,
// OtherDebtBalance and OtherDebtYears of the year and returns its OtherDebt.
std::int64_t UpdateOtherDebt(PlanRecord& plan, ForecastTable& table, int a);

// Year 1: the current debt and the loans of students finishing this year.
void InitFirstYearDebt(PlanRecord& plan, ForecastTable& table);

// Person 1 is 59 or older in year j.
bool MayDrawDeferred(const PlanRecord& plan, int j);

}  // namespace legacy
