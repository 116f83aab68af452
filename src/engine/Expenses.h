#pragma once

#include <cstdint>

#include "engine/ForecastTable.h"
#include "engine/RunFactors.h"
#include "model/PlanRecord.h"

// A forecast year's Expenses: today's expense figures inflated to the year,
// the discretionary part lowered after retirement, plus the year's cars,
// schooling, events, home changes, taxes, mortgage and loan payments.

// Year a >= 2; the year's IncomeTaxes, PropertyTax, MortgagePayment and
// LoanPayments must already be computed.
std::int64_t ComputeExpenses(const RunFactors& run, ForecastTable& table, int a);

// Year 1: today's figures, no inflation and no retirement reduction.
std::int64_t FirstYearExpenses(const PlanRecord& plan, const ForecastTable& table);

// 1 - f * RetirementReduction / 200, f the number of retirement shares (0 .. 2)
// reached k years from now.
long double RetirementExpenseFactor(const PlanRecord& plan, std::int64_t k);

// The replacement cost of one car when it is due k years from now, else 0.
std::int64_t CarCostDue(std::int32_t had, std::int32_t left, std::int64_t cost, std::int64_t k);

// Replacement costs of the cars due k years from now, in current dollars.
std::int64_t CarReplacementCost(const PlanRecord& plan, std::int64_t k);

// Inflated annual costs of the students at school k years from now (start
// year <= year < end year).
std::int64_t EducationCost(const RunFactors& run, std::int64_t k);

// HomeCostsA (insurance, utilities) and HomeCostsB (supplies, repair,
// miscellaneous) k years from now, scaled from the move year on.
void AdjustHomeCosts(const PlanRecord& plan, ForecastTable& table, std::int64_t k);
