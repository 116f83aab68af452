#pragma once

#include <cstdint>

#include "legacy/ForecastTable.h"
#include "legacy/LegacyPlan.h"

// Today's engine kept unchanged for comparisons and timing.
namespace legacy {

// Factors shared by every model of the run. Year index a: 1 is CurrentYear;
// k = a - 1 counts years from now. Rates in the plan are percent.

// (1 + InflationRate/100)^k, but exactly 1 when inflation is not positive or k <= 0.
long double InflationIndex(const PlanRecord& plan, std::int64_t k);
long double InflationFactor(const PlanRecord& plan);
long double PropertyGrowthFactor(const PlanRecord& plan);
long double TaxableGrowthFactor(const PlanRecord& plan);
long double DeferredGrowthFactor(const PlanRecord& plan);

// Level annual payment per dollar of loan over n years at MortgageRate; 1 when
// n < 1. A rate that is not positive is first raised to 0.0001 in the plan
// itself, so pages and saved plans show the rate the payments were built on.
long double AnnuityFactor(PlanRecord& plan, std::int64_t n);

// Multipliers turning the amounts entered in current dollars into year a's
// amounts; 0 when nothing is paid that year.
long double SalaryFactor1(const PlanRecord& plan, std::int64_t a);
long double SalaryFactor2(const PlanRecord& plan, std::int64_t a);
long double PensionFactor1(const PlanRecord& plan, std::int64_t a);
long double PensionFactor2(const PlanRecord& plan, std::int64_t a);
long double SocialSecurityFactor1(const PlanRecord& plan, std::int64_t a);
long double SocialSecurityFactor2(const PlanRecord& plan, std::int64_t a);

// Minimum withdrawal from the tax-deferred balance in year a (person 1 from 71),
// based on the closing balance of year a - 1 (the opening balance for a = 1).
std::int64_t RequiredDistribution(const PlanRecord& plan, const ForecastTable& table, int a);

// Divisor of the required distribution for an age of 70 or more.
long double DistributionDivisor(std::int64_t age);

}  // namespace legacy
