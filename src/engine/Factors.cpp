#include "engine/Factors.h"

#include <algorithm>
#include <array>

#include "engine/Money.h"
#include "engine/PowerMemo.h"
#include "engine/RequiredDistributionTable.h"

namespace {

constexpr std::array<long double, 21> kDivisors = {
    26.5L, 25.6L, 24.7L, 23.8L, 22.9L, 22.0L, 21.2L, 20.3L, 19.5L, 18.7L, 17.9L,
    17.1L, 16.3L, 15.5L, 14.8L, 14.1L, 13.4L, 12.7L, 12.0L, 11.4L, 11.0L};
constexpr std::int64_t kFirstDivisorAge = 70;

}  // namespace

long double InflationIndex(const PlanRecord& plan, std::int64_t k) {
  if (!(plan.InflationRate > 0.0L) || k <= 0) return 1.0L;
  return WholePower(InflationFactorOf(plan.InflationRate), k);
}

long double InflationFactor(const PlanRecord& plan) { return InflationFactorOf(plan.InflationRate); }

long double PropertyGrowthFactor(const PlanRecord& plan) {
  return GrowthFactorOf(plan.InflationRate, plan.RealEstateGrowth);
}

long double TaxableGrowthFactor(const PlanRecord& plan) {
  return GrowthFactorOf(plan.InflationRate, plan.TaxableReturn);
}

long double DeferredGrowthFactor(const PlanRecord& plan) {
  return GrowthFactorOf(plan.InflationRate, plan.TaxDeferredReturn);
}

long double AnnuityFactorAt(long double rate, std::int64_t n) {
  if (n < 1) return 1.0L;
  const long double r = rate / 100.0L;
  const long double c = WholePower(1.0L + r, n);
  // A rate too small to compound in extended precision: the limit, 1/n.
  if (c == 1.0L) return 1.0L / static_cast<long double>(n);
  return r * c / (c - 1.0L);
}

void RaiseMortgageRateToFloor(PlanRecord& plan) {
  if (plan.MortgageRate <= 0.0L) plan.MortgageRate = 0.0001L;
}

long double AnnuityFactor(PlanRecord& plan, std::int64_t n) {
  RaiseMortgageRateToFloor(plan);
  return AnnuityFactorAt(plan.MortgageRate, n);
}

long double DistributionDivisor(std::int64_t age) {
  // Ages past 90 only arise for plans whose Age1 is beyond the table.
  const std::int64_t index = std::clamp<std::int64_t>(age - kFirstDivisorAge, 0, kDivisors.size() - 1);
  return kDivisors[static_cast<std::size_t>(index)];
}

long double DistributionDivisorUnder(TaxRules rules, std::int64_t age) {
  return rules == TaxRules::Law ? UniformLifetimeDivisor(age) : DistributionDivisor(age);
}

std::int64_t FirstDistributionAge(const PlanRecord& plan, TaxRules rules) {
  if (rules == TaxRules::Curve) return 71;
  // Person 1 reaches Age1 in the current year.
  return RequiredStartAge(static_cast<std::int64_t>(plan.CurrentYear) - plan.Age1);
}

std::int64_t RequiredDistribution(const PlanRecord& plan, TaxRules rules, const ForecastTable& table, int a) {
  const std::int64_t age = static_cast<std::int64_t>(plan.Age1) + a - 1;
  if (age < FirstDistributionAge(plan, rules)) return 0;
  const int k = std::max(a - 1, 1);
  return RoundMoney(static_cast<long double>(table.Year(k).TaxDeferred) / DistributionDivisorUnder(rules, age));
}
