#include "engine/IncomeTax.h"

#include <algorithm>
#include <cmath>

#include "engine/Factors.h"
#include "engine/Money.h"
#include "model/FilingStatus.h"

namespace {

constexpr long double kSingleDeduction = 5900.0L;
constexpr long double kJointDeduction = 11800.0L;
constexpr long double kSingleExemption = 3100.0L;
constexpr long double kJointExemption = 6200.0L;
constexpr long double kTaxCap = 0.35L;

std::int64_t GrossIncome(const RunFactors& run, const ForecastTable& table, int a, int p, std::int64_t salary,
                         std::int64_t pension, std::int64_t benefit) {
  const YearRecord& last = table.Year(a - 1);
  const std::int64_t distributions = AddMoney(RequiredDistribution(run.plan, table, a - 1), last.DeferredWithdrawal);
  return RoundMoney(run.Salary(p, a) * salary + run.Pension(p, a) * pension + run.Benefit(p, a) * benefit +
                    (run.TaxableGrowth(a) - 1.0L) * 0.5L * table.Year(a).TaxableInvest + 0.5L * distributions);
}

long double StateTaxFactor(std::int64_t stateTax, std::int64_t federalTax) {
  if (federalTax <= 0) return 1.0L;
  return 1.0L + static_cast<long double>(stateTax) / static_cast<long double>(federalTax);
}

long double FloorAtZero(long double value) { return value < 0.0L ? 0.0L : value; }

}  // namespace

std::int64_t GrossIncome1(const RunFactors& run, const ForecastTable& table, int a) {
  return GrossIncome(run, table, a, 0, run.plan.Salary1, run.plan.Pension1, run.plan.SocialSecurity1);
}

std::int64_t GrossIncome2(const RunFactors& run, const ForecastTable& table, int a) {
  return GrossIncome(run, table, a, 1, run.plan.Salary2, run.plan.Pension2, run.plan.SocialSecurity2);
}

std::int64_t TaxableSocialSecurity(const PlanRecord& plan, std::int64_t income, long double t, std::int64_t benefit) {
  const bool joint = FilingStatusOf(plan.FilingStatus) == FilingStatus::Jointly;
  const long double base = joint ? 32000.0L : 25000.0L;
  const std::int64_t v =
      RoundMoney(static_cast<long double>(income) / 2.0L + static_cast<long double>(benefit) / 4.0L - t * base / 2.0L);
  if (v < 0) return 0;
  return std::min(v, RoundMoney(0.85L * benefit));
}

long double TaxCurveExponent(bool joint) { return joint ? 1.25957L : 1.23525L; }

long double FederalTaxOnCurve(long double w, long double divisor, bool joint) {
  // No income, no tax: the power of zero is zero and the divisor is at least 1.
  if (w == 0.0L) return 0.0L;
  const long double k = joint ? 0.00924065L : 0.01380668L;
  long double tax = k * std::pow(w, TaxCurveExponent(joint)) / divisor;
  if (tax / w > kTaxCap) tax = kTaxCap * w;
  return tax;
}

long double FederalTaxCurve(long double w, long double t, bool joint) {
  return FederalTaxOnCurve(w, std::pow(t, TaxCurveExponent(joint) - 1.0L), joint);
}

std::int64_t SocialSecurityTaxAt(long double index, std::int64_t salary) {
  if (salary >= index * 90000.0L) return RoundMoney(index * 5580.0L);
  return RoundMoney(salary * 0.062L);
}

std::int64_t SocialSecurityTax(const PlanRecord& plan, std::int64_t salary) {
  // The wage base is indexed to CurrentYear only, so it is the same in every forecast year.
  return SocialSecurityTaxAt(InflationIndex(plan, static_cast<std::int64_t>(plan.CurrentYear) - 2005), salary);
}

std::int64_t MedicareTax(std::int64_t salary) { return RoundMoney(salary * 0.0145L); }

long double StateTaxFactor1(const PlanRecord& plan) { return StateTaxFactor(plan.StateTax1, plan.FederalTax1); }

long double StateTaxFactor2(const PlanRecord& plan) { return StateTaxFactor(plan.StateTax2, plan.FederalTax2); }

std::int64_t ComputeIncomeTaxes(const RunFactors& run, const ForecastTable& table, int a) {
  const PlanRecord& plan = run.plan;
  const YearRecord& year = table.Year(a);
  const long double t = run.TaxIndex(a);
  // The curve's divisor is asked only for a year with taxable income.
  const auto onCurve = [&run, a](long double w, bool joint) {
    return w == 0.0L ? 0.0L : FederalTaxOnCurve(w, run.TaxCurveDivisor(a), joint);
  };
  const long double wageIndex = run.WageBaseIndex();
  const std::int64_t s1 = RoundMoney(run.Salary(0, a) * plan.Salary1);
  const std::int64_t s2 = RoundMoney(run.Salary(1, a) * plan.Salary2);
  const long double b1 = run.Benefit(0, a) * plan.SocialSecurity1;
  const long double b2 = run.Benefit(1, a) * plan.SocialSecurity2;
  const long double other1 = GrossIncome1(run, table, a) - b1;
  const long double other2 = GrossIncome2(run, table, a) - b2;
  const long double itemized = FloorAtZero(year.Mortgage * plan.MortgageRate / 100.0L + year.PropertyTax);
  const FilingStatus status = FilingStatusOf(plan.FilingStatus);

  if (status == FilingStatus::OneSingle) {
    const std::int64_t u = RoundMoney(other1);
    const std::int64_t taxable = AddMoney(u, TaxableSocialSecurity(plan, u, t, RoundMoney(b1)));
    const long double w = FloorAtZero(taxable - std::max(itemized, kSingleDeduction * t) - kSingleExemption * t);
    const long double federal = onCurve(w, false);
    return SumMoney({SocialSecurityTaxAt(wageIndex, s1), RoundMoney(run.StateTaxFactor(0) * federal), MedicareTax(s1)});
  }

  if (status == FilingStatus::Jointly) {
    const std::int64_t u = AddMoney(RoundMoney(other1), RoundMoney(other2));
    // Person 1's factor indexes both benefits.
    const std::int64_t benefit = RoundMoney(run.Benefit(0, a) * AddMoney(plan.SocialSecurity1, plan.SocialSecurity2));
    const std::int64_t taxable = AddMoney(u, TaxableSocialSecurity(plan, u, t, benefit));
    const long double w = FloorAtZero(taxable - std::max(itemized, kJointDeduction * t) - kJointExemption * t);
    const long double federal = onCurve(w, true);
    return SumMoney({SocialSecurityTaxAt(wageIndex, s1), MedicareTax(s1), SocialSecurityTaxAt(wageIndex, s2),
                     MedicareTax(s2), RoundMoney(run.StateTaxFactor(0) * federal)});
  }

  // Two single persons or married filing separately (and any status a plan
  // file may hold beyond the four): each person is taxed as a single person.
  const std::int64_t u1 = RoundMoney(other1);
  const std::int64_t g1 = AddMoney(u1, TaxableSocialSecurity(plan, u1, t, RoundMoney(b1)));
  const std::int64_t u2 = RoundMoney(other2);
  const std::int64_t g2 = AddMoney(u2, TaxableSocialSecurity(plan, u2, t, RoundMoney(b2)));
  const long double standard = kSingleDeduction * t;
  long double deduction1 = standard;
  long double deduction2 = standard;
  if (itemized > standard) (g1 >= g2 ? deduction1 : deduction2) = itemized;
  const long double w1 = FloorAtZero(g1 - deduction1 - kSingleExemption * t);
  const long double w2 = FloorAtZero(g2 - deduction2 - kSingleExemption * t);
  const long double f1 = onCurve(w1, false);
  const long double f2 = onCurve(w2, false);
  return RoundMoney(SocialSecurityTaxAt(wageIndex, s1) + run.StateTaxFactor(0) * f1 + MedicareTax(s1) +
                    SocialSecurityTaxAt(wageIndex, s2) + run.StateTaxFactor(1) * f2 + MedicareTax(s2));
}
