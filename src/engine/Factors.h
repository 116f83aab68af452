#pragma once

#include <cstdint>

#include "engine/ForecastTable.h"
#include "engine/TaxRules.h"
#include "model/PlanRecord.h"

// Factors shared by every model of the run. Year index a: 1 is CurrentYear;
// k = a - 1 counts years from now. Rates are percent. A run takes its factors
// from RunFactors; these are the plan's constant-rate forms for the pages.

// 1 + inflation / 100 and 1 + (inflation + rate) / 100: one year's price change
// and one year's growth of a rate above inflation.
inline long double InflationFactorOf(long double inflation) { return 1.0L + inflation / 100.0L; }
inline long double GrowthFactorOf(long double inflation, long double rate) {
  return 1.0L + (inflation + rate) / 100.0L;
}

// (1 + InflationRate/100)^k, but exactly 1 when inflation is not positive or k <= 0.
long double InflationIndex(const PlanRecord& plan, std::int64_t k);
long double InflationFactor(const PlanRecord& plan);
long double PropertyGrowthFactor(const PlanRecord& plan);
long double TaxableGrowthFactor(const PlanRecord& plan);
long double DeferredGrowthFactor(const PlanRecord& plan);

// Level annual payment per dollar of loan over n years at `rate` percent; 1
// when n < 1.
long double AnnuityFactorAt(long double rate, std::int64_t n);

// The same at MortgageRate. A rate that is not positive is first raised to
// 0.0001 in the plan itself, so pages and saved plans show the rate the
// payments were built on.
long double AnnuityFactor(PlanRecord& plan, std::int64_t n);
void RaiseMortgageRateToFloor(PlanRecord& plan);

// Person 1's age from which the tax-deferred account pays required
// distributions: 71 on the curve, by birth year under the law.
std::int64_t FirstDistributionAge(const PlanRecord& plan, TaxRules rules);

// Minimum withdrawal from the tax-deferred balance in year a (person 1 from
// FirstDistributionAge), based on the closing balance of year a - 1 (the
// opening balance for a = 1): the pre-2022 table one year older on the curve,
// the Uniform Lifetime Table under the law.
std::int64_t RequiredDistribution(const PlanRecord& plan, TaxRules rules, const ForecastTable& table, int a);

// Divisor of the curve's required distribution for an age of 70 or more.
long double DistributionDivisor(std::int64_t age);
// The divisor of `age` under the rules.
long double DistributionDivisorUnder(TaxRules rules, std::int64_t age);
