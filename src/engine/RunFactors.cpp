#include "engine/RunFactors.h"

#include <algorithm>
#include <cmath>

#include "engine/Factors.h"
#include "engine/Money.h"
#include "engine/PowerMemo.h"
#include "engine/TaxFactors.h"
#include "engine/TaxLaw2026.h"
#include "model/FilingStatus.h"
#include "model/HomeSituation.h"

namespace {

WithdrawalPlan RunStrategy(const PlanRecord& plan, TaxRules rules) {
  WithdrawalPlan strategy = WithdrawalPlanOf(plan);
  if (strategy.fromAge == 0) strategy.fromAge = plan.RetireAge1;
  if (strategy.toAge == 0) strategy.toAge = static_cast<std::int32_t>(FirstDistributionAge(plan, rules) - 1);
  return strategy;
}

using RowValues = std::array<long double, kForecastRows + 1>;

bool SameFactor(long double a, long double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

// out[m] for first <= m <= last: the product of `history` years at
// `historyFactor` (years before the forecast) and of the factors of rows b ..
// b + m - 1, multiplied in year order. While the rows repeat the history's
// factor the product is one power of it, as a rate that never changes gives.
void SpanProducts(PowerMemo& powers, const RowValues& factors, int b, std::int64_t history, long double historyFactor,
                  int first, int last, long double* out) {
  const long double base = factors[static_cast<std::size_t>(b)];
  bool constant = history == 0 || SameFactor(historyFactor, base);
  long double running = constant ? 1.0L : powers.Power(historyFactor, history);
  for (int m = 0; m <= last; ++m) {
    if (m > 0) {
      const long double factor = factors[static_cast<std::size_t>(b + m - 1)];
      if (constant && !SameFactor(factor, base)) {
        constant = false;
        running = m - 1 >= first ? out[m - 1] : powers.Power(base, history + m - 1);
      }
      if (!constant) running *= factor;
    }
    if (m >= first) out[m] = constant ? powers.Power(base, history + m) : running;
  }
}

// The product of the factors of rows 1 .. k.
long double ProductFromFirstRow(PowerMemo& powers, const RowValues& factors, int k) {
  RowValues products{};
  SpanProducts(powers, factors, 1, 0, 1.0L, k, k, products.data());
  return products[static_cast<std::size_t>(k)];
}

// The product, in year order, of the factors of calendar years [from, to)
// before the forecast: factorOf(recorded rate) where the past records the
// year, `fallback` (year 1's factor) where it does not.
template <class FactorOf>
long double PastProduct(PowerMemo& powers, const PastInflation& past, std::int64_t from, std::int64_t to,
                        long double fallback, FactorOf factorOf) {
  if (from >= to) return 1.0L;
  const std::int64_t lo = std::clamp(past.firstYear, from, to);
  const std::int64_t hi = std::clamp(past.EndYear(), lo, to);
  long double product = lo > from ? powers.Power(fallback, lo - from) : 1.0L;
  for (std::int64_t y = lo; y < hi; ++y) product *= factorOf(*past.Of(y));
  if (to > hi) product *= powers.Power(fallback, to - hi);
  return product;
}

long double FlooredInflationFactor(long double inflation) {
  return inflation > 0.0L ? InflationFactorOf(inflation) : 1.0L;
}

}  // namespace

RunFactors::RunFactors(const PlanRecord& plan, const RatePath& path, ExplainTrace* trace)
    : plan(plan),
      rows(RowCount(plan)),
      trace(trace),
      taxRules(path.Taxes()),
      homeEquityFloored(path.HomeEquityFloored()),
      strategy(RunStrategy(plan, path.Taxes())),
      built_(std::max(rows, 1)) {
  PowerMemo powers;
  FillInflation(powers, path);
  for (int a = 1; a <= built_; ++a) {
    const YearRates& rates = path.Year(a);
    taxableGrowth_[a] = GrowthFactorOf(rates.Inflation, rates.TaxableReturn);
    deferredGrowth_[a] = GrowthFactorOf(rates.Inflation, rates.TaxDeferredReturn);
    propertyGrowth_[a] = GrowthFactorOf(rates.Inflation, rates.RealEstateGrowth);
  }
  FillPerson(powers, 0, plan.Age1, plan.EmploymentStartAge1, plan.RetireAge1, plan.SalaryGrowth1, plan.PensionAge1,
             plan.PensionCola1, plan.SocialSecurityAge1, path);
  FillPerson(powers, 1, plan.Age2, plan.EmploymentStartAge2, plan.RetireAge2, plan.SalaryGrowth2, plan.PensionAge2,
             plan.PensionCola2, plan.SocialSecurityAge2, path);
  stateTaxFactor_ = {StateTaxFactor1(plan), StateTaxFactor2(plan)};
  // Only a purchase asks for the price growth, always over the years to the move.
  const std::int64_t move = plan.YearsToMove;
  if (BuysAtMove(plan.HomeStatus) && move >= 1 && move < rows) {
    propertyAtMove_ = ProductFromFirstRow(powers, propertyGrowth_, static_cast<int>(move));
    propertyAtMoveKnown_ = true;
  }
}

void RunFactors::FillInflation(PowerMemo& powers, const RatePath& path) {
  RowValues guarded{};
  bool allPositive = true;
  for (int a = 1; a <= built_; ++a) {
    const long double inflation = path.Year(a).Inflation;
    rawInflation_[a] = InflationFactorOf(inflation);
    guarded[a] = inflation > 0.0L ? rawInflation_[a] : 1.0L;
    allPositive = allPositive && inflation > 0.0L;
  }
  pastFactor_ = InflationFactorOf(path.PastRate());
  // Runs read indices of at most rows - 1 years.
  const int last = std::max(rows - 1, 0);
  SpanProducts(powers, rawInflation_, 1, 0, 1.0L, 0, last, rawIndex_.data());
  // With inflation positive in every year both indices are the same products;
  // so are they when the index is asked to follow prices down.
  if (allPositive || path.DeflationFollowed()) {
    inflationIndex_ = rawIndex_;
  } else {
    SpanProducts(powers, guarded, 1, 0, 1.0L, 0, last, inflationIndex_.data());
  }
  if (taxRules == TaxRules::Law) FillLawIndex(powers, path.Past(), FlooredInflationFactor(path.PastRate()));
  // The tax index spans the same years, before the forecast as well. Year 1's
  // is the wage base's, wanted even when the plan leaves no row to show.
  taxIndex_.fill(1.0L);
  const std::int64_t start = 2006 - static_cast<std::int64_t>(plan.CurrentYear);
  if (start > built_) return;
  if (const PastInflation* past = path.Past(); past != nullptr && start < 1) {
    // The years since 2005 that have already happened, then the forecast's own.
    const long double sinceBase =
        PastProduct(powers, *past, 2005, plan.CurrentYear, guarded[1], FlooredInflationFactor);
    for (int a = 1; a <= built_; ++a) taxIndex_[a] = sinceBase * inflationIndex_[a - 1];
    return;
  }
  const int b = static_cast<int>(std::max<std::int64_t>(start, 1));
  SpanProducts(powers, guarded, b, b - start, FlooredInflationFactor(path.PastRate()), start >= 1 ? 1 : 0, built_ - b,
               taxIndex_.data() + b);
}

void RunFactors::FillLawIndex(PowerMemo& powers, const PastInflation* past, long double pastFactor) {
  const std::int64_t first = plan.CurrentYear;
  const PastInflation none{};
  const PastInflation& record = past != nullptr ? *past : none;
  // The years between 2026 and row 1 have happened: their recorded inflation
  // (the path's past rate where the record has none).
  const auto pastProduct = [&](std::int64_t from, std::int64_t to) {
    return PastProduct(powers, record, from, to, pastFactor, FlooredInflationFactor);
  };
  const std::int64_t baseRow = taxlaw::kBaseYear - first + 1;
  const long double atFirstRow = first > taxlaw::kBaseYear ? pastProduct(taxlaw::kBaseYear, first) : 1.0L;
  for (int a = 1; a <= built_; ++a) {
    const std::int64_t year = first + a - 1;
    if (year < taxlaw::kBaseYear) {
      lawIndex_[a] = 1.0L / pastProduct(year, taxlaw::kBaseYear);
    } else if (baseRow >= 1) {
      lawIndex_[a] = inflationIndex_[a - 1] / inflationIndex_[baseRow - 1];
    } else {
      lawIndex_[a] = atFirstRow * inflationIndex_[a - 1];
    }
  }
}

long double RunFactors::TaxCurveDivisor(int a) const {
  const auto i = static_cast<std::size_t>(std::clamp(a, 0, kForecastRows));
  if (!taxCurveDivisorKnown_[i]) {
    const long double t = taxIndex_[i];
    const bool joint = FilingStatusOf(plan.FilingStatus) == FilingStatus::Jointly;
    taxCurveDivisor_[i] = t == 1.0L ? 1.0L : std::pow(t, TaxCurveExponent(joint) - 1.0L);
    taxCurveDivisorKnown_[i] = true;
  }
  return taxCurveDivisor_[i];
}

long double RunFactors::InflationOver(PowerMemo& powers, std::int64_t n, const PastInflation* past) const {
  if (n < 0 && past != nullptr) {
    return 1.0L /
           PastProduct(powers, *past, plan.CurrentYear + n, plan.CurrentYear, rawInflation_[1], InflationFactorOf);
  }
  if (n < 0) return powers.Power(pastFactor_, n);
  return rawIndex_[static_cast<std::size_t>(std::min<std::int64_t>(n, rows))];
}

void RunFactors::FillPerson(PowerMemo& powers, int p, std::int32_t age, std::int32_t startAge, std::int32_t retireAge,
                            long double growth, std::int32_t pensionAge, long double cola, std::int32_t benefitAge,
                            const RatePath& path) {
  // Row a is the year person p is age + a - 1.
  const auto rowOf = [age](std::int64_t ageThen) { return ageThen - age + 1; };

  // Salary: entered in current dollars as of the start age, then escalated
  // by inflation plus the salary growth from the start on.
  const std::int64_t start = rowOf(startAge);
  const std::int64_t firstPaid = std::max<std::int64_t>(start, 1);
  const std::int64_t lastPaid = std::min<std::int64_t>(rowOf(retireAge) - 1, built_);
  if (firstPaid <= lastPaid) {
    RowValues escalation{};
    for (int a = 1; a <= built_; ++a) escalation[a] = GrowthFactorOf(path.Year(a).Inflation, growth);
    const int b = static_cast<int>(firstPaid);
    long double* out = salary_[p].data() + b;
    const PastInflation* past = start < 1 ? path.Past() : nullptr;
    SpanProducts(powers, escalation, b, past != nullptr ? 0 : b - start, GrowthFactorOf(path.PastRate(), growth), 0,
                 static_cast<int>(lastPaid) - b, out);
    long double base = startAge == age ? 1.0L : InflationOver(powers, static_cast<std::int64_t>(startAge) - age, past);
    // The years from a past start age to now escalate at their recorded inflation too.
    if (past != nullptr) {
      base *= PastProduct(powers, *past, plan.CurrentYear + start - 1, plan.CurrentYear, escalation[1],
                          [growth](long double inflation) { return GrowthFactorOf(inflation, growth); });
    }
    for (int a = b; a <= lastPaid; ++a) {
      const long double& factor = salary_[p][a];
      salary_[p][a] = a == start ? base : base * factor;
    }
  }

  // Pension: current dollars as of the pension age, then the fixed COLA.
  const std::int64_t pensionStart = rowOf(pensionAge);
  if (pensionStart <= built_) {
    const long double base =
        pensionAge == age ? 1.0L : InflationOver(powers, static_cast<std::int64_t>(pensionAge) - age, path.Past());
    const long double colaFactor = 1.0L + cola / 100.0L;
    for (int a = static_cast<int>(std::max<std::int64_t>(pensionStart, 1)); a <= built_; ++a) {
      const std::int64_t years = a - pensionStart;
      pension_[p][a] = years == 0 ? base : base * powers.Power(colaFactor, years);
    }
  }

  // Social Security: inflated from today.
  for (int a = static_cast<int>(std::clamp<std::int64_t>(rowOf(benefitAge), 1, built_ + 1)); a <= built_; ++a) {
    benefit_[p][a] = rawIndex_[a - 1];
  }
}

long double RunFactors::PropertyIndex(std::int64_t k) const {
  if (propertyAtMoveKnown_ && k == plan.YearsToMove) return propertyAtMove_;
  PowerMemo powers;
  return ProductFromFirstRow(powers, propertyGrowth_, static_cast<int>(std::clamp<std::int64_t>(k, 0, rows)));
}

long double RunFactors::Annuity(std::int64_t n) const {
  if (n < 1 || n >= kCachedTerms) return AnnuityFactorAt(plan.MortgageRate, n);
  const auto i = static_cast<std::size_t>(n);
  if (!annuityKnown_[i]) {
    annuity_[i] = AnnuityFactorAt(plan.MortgageRate, n);
    annuityKnown_[i] = true;
  }
  return annuity_[i];
}

std::int64_t RunFactors::FromSalary(int p, int a, std::int64_t amount) const {
  const std::int32_t age = p == 0 ? plan.Age1 : plan.Age2;
  const std::int32_t retireAge = p == 0 ? plan.RetireAge1 : plan.RetireAge2;
  if (static_cast<std::int64_t>(age) + a - 1 >= retireAge) return 0;
  return RoundMoney(Salary(p, a - 1) * amount);
}

std::int64_t RunFactors::Contribution(int p, int a) const {
  return FromSalary(p, a, p == 0 ? plan.DeferredContribution1 : plan.DeferredContribution2);
}

std::int64_t RunFactors::RothContribution(int p, int a) const {
  return FromSalary(p, a, p == 0 ? plan.RothContribution1 : plan.RothContribution2);
}

bool RunFactors::FillsInYear(int a) const {
  const std::int64_t age = static_cast<std::int64_t>(plan.Age1) + a - 1;
  return age >= strategy.fromAge && age <= strategy.toAge;
}

std::int64_t RunFactors::FirstYearContribution(int p) const {
  return Salary(p, 1) != 0.0L ? (p == 0 ? plan.DeferredContribution1 : plan.DeferredContribution2) : 0;
}
