#pragma once

#include <cstdint>

#include "engine/ForecastTable.h"
#include "engine/RunFactors.h"
#include "model/PlanRecord.h"

// How a year's cash need (expenses less income) is met, and the other debt and
// student loans carried from year to year.

// Decides year j's coverage, run at the start of year j + 1: the three
// accounts in the plan's order (by default taxable investments, then the
// tax-deferred account, on the curve only from person 1's 59th year and
// under the law at any age with early draws paying the additional tax, then
// the Roth), then (owners) home equity up to 75 percent of the value, the
// rest as new debt. Fills TaxableWithdrawal, DeferredWithdrawal,
// RothWithdrawal, HomeEquityBorrowing and UnfundedShortfall of year j and may
// set DeferredExhausted.
void CoverCashNeed(const RunFactors& run, ForecastTable& table, int j);

// Year j's cash need before a move's purchase or sale: expenses less income,
// last year's tax-deferred draw (paid for then, taxed now) and the year's
// Roth contributions.
std::int64_t CashNeedOf(const ForecastTable& table, int j);

// Other debt and student loans of year a >= 2: sets LoanPayments,
// OtherDebtBalance and OtherDebtYears of the year and returns its OtherDebt.
std::int64_t UpdateOtherDebt(const RunFactors& run, ForecastTable& table, int a);

// Year 1: the current debt and the loans of students finishing this year.
void InitFirstYearDebt(const RunFactors& run, ForecastTable& table);

// The shortfall of year j may be drawn from the tax-deferred account: under
// the law always, on the curve when person 1 is 59 or older in year j.
bool MayDrawDeferred(const PlanRecord& plan, TaxRules rules, int j);
