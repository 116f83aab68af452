#include "legacy/IncomeTax.h"

#include <algorithm>
#include <cmath>

#include "legacy/Factors.h"
#include "legacy/Money.h"

// Today's engine kept unchanged for comparisons and timing.
namespace legacy {

namespace {

constexpr long double kSingleDeduction = 5900.0L;
constexpr long double kJointDeduction = 11800.0L;
constexpr long double kSingleExemption = 3100.0L;
constexpr long double kJointExemption = 6200.0L;
constexpr long double kTaxCap = 0.35L;

// Calendar year a's inflation index counted from the curve's base year 2005.
long double TaxIndex(const PlanRecord& plan, int a) {
  return InflationIndex(plan, static_cast<std::int64_t>(plan.CurrentYear) + a - 1 - 2005);
}

std::int64_t GrossIncome(const PlanRecord& plan, const ForecastTable& table, int a, long double salaryPart,
                         long double pensionPart, long double benefitPart) {
  const YearRecord& last = table.Year(a - 1);
  const std::int64_t distributions = AddMoney(RequiredDistribution(plan, table, a - 1), last.DeferredWithdrawal);
  return RoundMoney(salaryPart + pensionPart + benefitPart +
                    (TaxableGrowthFactor(plan) - 1.0L) * 0.5L * table.Year(a).TaxableInvest +
                    0.5L * distributions);
}

long double StateTaxFactor(std::int64_t stateTax, std::int64_t federalTax) {
  if (federalTax <= 0) return 1.0L;
  return 1.0L + static_cast<long double>(stateTax) / static_cast<long double>(federalTax);
}

long double FloorAtZero(long double value) { return value < 0.0L ? 0.0L : value; }

}  // namespace

std::int64_t GrossIncome1(const PlanRecord& plan, const ForecastTable& table, int a) {
  return GrossIncome(plan, table, a, SalaryFactor1(plan, a) * plan.Salary1, PensionFactor1(plan, a) * plan.Pension1,
                     SocialSecurityFactor1(plan, a) * plan.SocialSecurity1);
}

std::int64_t GrossIncome2(const PlanRecord& plan, const ForecastTable& table, int a) {
  return GrossIncome(plan, table, a, SalaryFactor2(plan, a) * plan.Salary2, PensionFactor2(plan, a) * plan.Pension2,
                     SocialSecurityFactor2(plan, a) * plan.SocialSecurity2);
}

std::int64_t TaxableSocialSecurity(const PlanRecord& plan, std::int64_t income, long double t,
                                   std::int64_t benefit) {
  const long double base = plan.FilingStatus == 2 ? 32000.0L : 25000.0L;
  const std::int64_t v = RoundMoney(static_cast<long double>(income) / 2.0L +
                                    static_cast<long double>(benefit) / 4.0L - t * base / 2.0L);
  if (v < 0) return 0;
  return std::min(v, RoundMoney(0.85L * benefit));
}

long double FederalTaxCurve(long double w, long double t, bool joint) {
  const long double k = joint ? 0.00924065L : 0.01380668L;
  const long double p = joint ? 1.25957L : 1.23525L;
  long double tax = k * std::pow(w, p) / std::pow(t, p - 1.0L);
  if (w != 0.0L && tax / w > kTaxCap) tax = kTaxCap * w;
  return tax;
}

std::int64_t SocialSecurityTax(const PlanRecord& plan, std::int64_t salary) {
  // The wage base is indexed to CurrentYear only, so it is the same in every forecast year.
  const long double index = InflationIndex(plan, static_cast<std::int64_t>(plan.CurrentYear) - 2005);
  if (salary >= index * 90000.0L) return RoundMoney(index * 5580.0L);
  return RoundMoney(salary * 0.062L);
}

std::int64_t MedicareTax(std::int64_t salary) { return RoundMoney(salary * 0.0145L); }

long double StateTaxFactor1(const PlanRecord& plan) { return StateTaxFactor(plan.StateTax1, plan.FederalTax1); }

long double StateTaxFactor2(const PlanRecord& plan) { return StateTaxFactor(plan.StateTax2, plan.FederalTax2); }

std::int64_t ComputeIncomeTaxes(const PlanRecord& plan, const ForecastTable& table, int a) {
  const YearRecord& year = table.Year(a);
  const long double t = TaxIndex(plan, a);
  const std::int64_t s1 = RoundMoney(SalaryFactor1(plan, a) * plan.Salary1);
  const std::int64_t s2 = RoundMoney(SalaryFactor2(plan, a) * plan.Salary2);
  const long double b1 = SocialSecurityFactor1(plan, a) * plan.SocialSecurity1;
  const long double b2 = SocialSecurityFactor2(plan, a) * plan.SocialSecurity2;
  const long double other1 = GrossIncome1(plan, table, a) - b1;
  const long double other2 = GrossIncome2(plan, table, a) - b2;
  const long double itemized = FloorAtZero(year.Mortgage * plan.MortgageRate / 100.0L + year.PropertyTax);

  if (plan.FilingStatus == 1) {
    const std::int64_t u = RoundMoney(other1);
    const std::int64_t taxable = AddMoney(u, TaxableSocialSecurity(plan, u, t, RoundMoney(b1)));
    const long double w = FloorAtZero(taxable - std::max(itemized, kSingleDeduction * t) - kSingleExemption * t);
    const long double federal = FederalTaxCurve(w, t, false);
    return SumMoney({SocialSecurityTax(plan, s1), RoundMoney(StateTaxFactor1(plan) * federal), MedicareTax(s1)});
  }

  if (plan.FilingStatus == 2) {
    const std::int64_t u = AddMoney(RoundMoney(other1), RoundMoney(other2));
    // Person 1's factor indexes both benefits.
    const std::int64_t benefit =
        RoundMoney(SocialSecurityFactor1(plan, a) * AddMoney(plan.SocialSecurity1, plan.SocialSecurity2));
    const std::int64_t taxable = AddMoney(u, TaxableSocialSecurity(plan, u, t, benefit));
    const long double w = FloorAtZero(taxable - std::max(itemized, kJointDeduction * t) - kJointExemption * t);
    const long double federal = FederalTaxCurve(w, t, true);
    return SumMoney({SocialSecurityTax(plan, s1), MedicareTax(s1), SocialSecurityTax(plan, s2), MedicareTax(s2),
                     RoundMoney(StateTaxFactor1(plan) * federal)});
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
  const long double f1 = FederalTaxCurve(w1, t, false);
  const long double f2 = FederalTaxCurve(w2, t, false);
  return RoundMoney(SocialSecurityTax(plan, s1) + StateTaxFactor1(plan) * f1 + MedicareTax(s1) +
                    SocialSecurityTax(plan, s2) + StateTaxFactor2(plan) * f2 + MedicareTax(s2));
}

}  // namespace legacy
