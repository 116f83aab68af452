#include "legacy/Factors.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "legacy/Money.h"

// Today's engine kept unchanged for comparisons and timing.
namespace legacy {

namespace {

constexpr std::array<long double, 21> kDivisors = {
    26.5L, 25.6L, 24.7L, 23.8L, 22.9L, 22.0L, 21.2L, 20.3L, 19.5L, 18.7L, 17.9L,
    17.1L, 16.3L, 15.5L, 14.8L, 14.1L, 13.4L, 12.7L, 12.0L, 11.4L, 11.0L};
constexpr std::int64_t kFirstDivisorAge = 70;

// Ages are formed in 64 bits: plan files may hold any 32-bit age.
std::int64_t AgeInYear(std::int32_t age, std::int64_t a) { return static_cast<std::int64_t>(age) + a - 1; }

long double Power(long double base, std::int64_t exponent) {
  return std::pow(base, static_cast<long double>(exponent));
}

long double SalaryFactor(const PlanRecord& plan, std::int32_t age, std::int32_t startAge,
                         std::int32_t retireAge, long double growth, std::int64_t a) {
  const std::int64_t ageNow = AgeInYear(age, a);
  if (ageNow < startAge || ageNow >= retireAge) return 0.0L;
  // The salary is entered in current dollars as of the start age.
  const long double base =
      startAge == age ? 1.0L : Power(InflationFactor(plan), static_cast<std::int64_t>(startAge) - age);
  if (ageNow == startAge) return base;
  return base * Power(1.0L + (plan.InflationRate + growth) / 100.0L, ageNow - startAge);
}

long double PensionFactor(const PlanRecord& plan, std::int32_t age, std::int32_t pensionAge,
                          long double cola, std::int64_t a) {
  const std::int64_t ageNow = AgeInYear(age, a);
  if (ageNow < pensionAge) return 0.0L;
  const long double base =
      pensionAge == age ? 1.0L : Power(InflationFactor(plan), static_cast<std::int64_t>(pensionAge) - age);
  if (ageNow == pensionAge) return base;
  return base * Power(1.0L + cola / 100.0L, ageNow - pensionAge);
}

long double SocialSecurityFactor(const PlanRecord& plan, std::int32_t age, std::int32_t startAge,
                                 std::int64_t a) {
  if (AgeInYear(age, a) < startAge) return 0.0L;
  return Power(InflationFactor(plan), a - 1);
}

}  // namespace

long double InflationIndex(const PlanRecord& plan, std::int64_t k) {
  if (!(plan.InflationRate > 0.0L) || k <= 0) return 1.0L;
  return Power(1.0L + plan.InflationRate / 100.0L, k);
}

long double InflationFactor(const PlanRecord& plan) { return 1.0L + plan.InflationRate / 100.0L; }

long double PropertyGrowthFactor(const PlanRecord& plan) {
  return 1.0L + (plan.InflationRate + plan.RealEstateGrowth) / 100.0L;
}

long double TaxableGrowthFactor(const PlanRecord& plan) {
  return 1.0L + (plan.InflationRate + plan.TaxableReturn) / 100.0L;
}

long double DeferredGrowthFactor(const PlanRecord& plan) {
  return 1.0L + (plan.InflationRate + plan.TaxDeferredReturn) / 100.0L;
}

long double AnnuityFactor(PlanRecord& plan, std::int64_t n) {
  if (plan.MortgageRate <= 0.0L) plan.MortgageRate = 0.0001L;
  if (n < 1) return 1.0L;
  const long double r = plan.MortgageRate / 100.0L;
  const long double c = Power(1.0L + r, n);
  // A rate too small to compound in extended precision: the limit, 1/n.
  if (c == 1.0L) return 1.0L / static_cast<long double>(n);
  return r * c / (c - 1.0L);
}

long double SalaryFactor1(const PlanRecord& plan, std::int64_t a) {
  return SalaryFactor(plan, plan.Age1, plan.EmploymentStartAge1, plan.RetireAge1, plan.SalaryGrowth1, a);
}

long double SalaryFactor2(const PlanRecord& plan, std::int64_t a) {
  return SalaryFactor(plan, plan.Age2, plan.EmploymentStartAge2, plan.RetireAge2, plan.SalaryGrowth2, a);
}

long double PensionFactor1(const PlanRecord& plan, std::int64_t a) {
  return PensionFactor(plan, plan.Age1, plan.PensionAge1, plan.PensionCola1, a);
}

long double PensionFactor2(const PlanRecord& plan, std::int64_t a) {
  return PensionFactor(plan, plan.Age2, plan.PensionAge2, plan.PensionCola2, a);
}

long double SocialSecurityFactor1(const PlanRecord& plan, std::int64_t a) {
  return SocialSecurityFactor(plan, plan.Age1, plan.SocialSecurityAge1, a);
}

long double SocialSecurityFactor2(const PlanRecord& plan, std::int64_t a) {
  return SocialSecurityFactor(plan, plan.Age2, plan.SocialSecurityAge2, a);
}

long double DistributionDivisor(std::int64_t age) {
  // Ages past 90 only arise for plans whose Age1 is beyond the table.
  const std::int64_t index = std::clamp<std::int64_t>(age - kFirstDivisorAge, 0, kDivisors.size() - 1);
  return kDivisors[static_cast<std::size_t>(index)];
}

std::int64_t RequiredDistribution(const PlanRecord& plan, const ForecastTable& table, int a) {
  const std::int64_t age = AgeInYear(plan.Age1, a);
  if (age < 71) return 0;
  const int k = std::max(a - 1, 1);
  return RoundMoney(static_cast<long double>(table.Year(k).TaxDeferred) / DistributionDivisor(age));
}

}  // namespace legacy
