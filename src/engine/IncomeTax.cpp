#include "engine/IncomeTax.h"

#include <algorithm>
#include <cmath>

#include "engine/ExplainSteps.h"
#include "engine/Factors.h"
#include "engine/LawYearTax.h"
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
  // The curve taxes last year's money out of the tax-deferred account, a
  // conversion with the rest.
  const std::int64_t distributions = SumMoney(
      {RequiredDistribution(run.plan, run.taxRules, table, a - 1), last.DeferredWithdrawal, last.Conversion});
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

std::int64_t ComputeIncomeTaxes(const RunFactors& run, ForecastTable& table, int a) {
  if (run.taxRules == TaxRules::Law) {
    const LawYearTaxSteps steps = LawYearTaxStepsOf(run, table, a);
    if (run.trace) [[unlikely]]
      TraceLawIncomeTaxes(run, table, a, steps);
    table.work.CapitalLossCarried1 = steps.returns[0].lossCarried;
    table.work.CapitalLossCarried2 = steps.returns[1].lossCarried;
    table.Year(a).EarlyDrawTax = steps.earlyDrawTax;
    table.work.MarginalRate = LawMarginalRate(run, steps, a);
    return steps.total;
  }
  const IncomeTaxSteps steps = IncomeTaxStepsOf(run, table, a);
  if (run.trace) [[unlikely]]
    TraceIncomeTaxes(run, table, a, steps);
  table.work.MarginalRate = CurveMarginalRate(run, steps);
  return steps.total;
}

long double CurveMarginalRate(const RunFactors& run, const IncomeTaxSteps& steps) {
  const bool joint = steps.federalReturns == 1 && FilingStatusOf(steps.filing) == FilingStatus::Jointly;
  long double rate = 0.0L;
  for (int r = 0; r < steps.federalReturns; ++r) {
    const TaxedPerson& person = steps.persons[r];
    if (person.curveIncome <= 0.0L) continue;
    // The curve's slope: its exponent times the average rate, until the cap holds it at 35 percent.
    const long double average = person.federal / person.curveIncome;
    const long double slope = average >= kTaxCap ? kTaxCap : TaxCurveExponent(joint) * average;
    rate += std::min(slope, kTaxCap) * run.StateTaxFactor(r);
  }
  return rate / static_cast<long double>(steps.federalReturns);
}

IncomeTaxSteps IncomeTaxStepsOf(const RunFactors& run, const ForecastTable& table, int a) {
  const PlanRecord& plan = run.plan;
  const YearRecord& year = table.Year(a);
  IncomeTaxSteps steps;
  TaxedPerson& p1 = steps.persons[0];
  TaxedPerson& p2 = steps.persons[1];
  const long double t = run.TaxIndex(a);
  steps.taxIndex = t;
  steps.filing = plan.FilingStatus;
  // The curve's divisor is asked only for a year with taxable income.
  const auto onCurve = [&run, a](long double w, bool joint) {
    return w == 0.0L ? 0.0L : FederalTaxOnCurve(w, run.TaxCurveDivisor(a), joint);
  };
  const long double wageIndex = run.WageBaseIndex();
  p1.salary = RoundMoney(run.Salary(0, a) * plan.Salary1);
  p2.salary = RoundMoney(run.Salary(1, a) * plan.Salary2);
  p1.socialSecurityTax = SocialSecurityTaxAt(wageIndex, p1.salary);
  p2.socialSecurityTax = SocialSecurityTaxAt(wageIndex, p2.salary);
  p1.medicareTax = MedicareTax(p1.salary);
  p2.medicareTax = MedicareTax(p2.salary);
  const long double b1 = run.Benefit(0, a) * plan.SocialSecurity1;
  const long double b2 = run.Benefit(1, a) * plan.SocialSecurity2;
  const long double other1 = GrossIncome1(run, table, a) - b1;
  const long double other2 = GrossIncome2(run, table, a) - b2;
  p1.otherIncome = RoundMoney(other1);
  p2.otherIncome = RoundMoney(other2);
  const long double itemized = FloorAtZero(year.Mortgage * plan.MortgageRate / 100.0L + year.PropertyTax);
  steps.itemized = itemized;
  const FilingStatus status = FilingStatusOf(plan.FilingStatus);

  if (status == FilingStatus::OneSingle) {
    const std::int64_t u = p1.otherIncome;
    p1.benefit = RoundMoney(b1);
    p1.taxable = AddMoney(u, TaxableSocialSecurity(plan, u, t, p1.benefit));
    p1.deduction = std::max(itemized, kSingleDeduction * t);
    p1.exemption = kSingleExemption * t;
    p1.curveIncome = FloorAtZero(p1.taxable - p1.deduction - p1.exemption);
    p1.federal = onCurve(p1.curveIncome, false);
    steps.total = SumMoney({p1.socialSecurityTax, RoundMoney(run.StateTaxFactor(0) * p1.federal), p1.medicareTax});
    return steps;
  }

  if (status == FilingStatus::Jointly) {
    const std::int64_t u = AddMoney(p1.otherIncome, p2.otherIncome);
    // Person 1's factor indexes both benefits.
    p1.benefit = RoundMoney(run.Benefit(0, a) * AddMoney(plan.SocialSecurity1, plan.SocialSecurity2));
    p1.taxable = AddMoney(u, TaxableSocialSecurity(plan, u, t, p1.benefit));
    p1.deduction = std::max(itemized, kJointDeduction * t);
    p1.exemption = kJointExemption * t;
    p1.curveIncome = FloorAtZero(p1.taxable - p1.deduction - p1.exemption);
    p1.federal = onCurve(p1.curveIncome, true);
    steps.total = SumMoney({p1.socialSecurityTax, p1.medicareTax, p2.socialSecurityTax, p2.medicareTax,
                            RoundMoney(run.StateTaxFactor(0) * p1.federal)});
    return steps;
  }

  // Two single persons or married filing separately (and any status a plan
  // file may hold beyond the four): each person is taxed as a single person.
  steps.federalReturns = 2;
  p1.benefit = RoundMoney(b1);
  p2.benefit = RoundMoney(b2);
  p1.taxable = AddMoney(p1.otherIncome, TaxableSocialSecurity(plan, p1.otherIncome, t, p1.benefit));
  p2.taxable = AddMoney(p2.otherIncome, TaxableSocialSecurity(plan, p2.otherIncome, t, p2.benefit));
  const long double standard = kSingleDeduction * t;
  p1.deduction = standard;
  p2.deduction = standard;
  if (itemized > standard) (p1.taxable >= p2.taxable ? p1.deduction : p2.deduction) = itemized;
  p1.exemption = kSingleExemption * t;
  p2.exemption = kSingleExemption * t;
  p1.curveIncome = FloorAtZero(p1.taxable - p1.deduction - p1.exemption);
  p2.curveIncome = FloorAtZero(p2.taxable - p2.deduction - p2.exemption);
  p1.federal = onCurve(p1.curveIncome, false);
  p2.federal = onCurve(p2.curveIncome, false);
  steps.total = RoundMoney(p1.socialSecurityTax + run.StateTaxFactor(0) * p1.federal + p1.medicareTax +
                           p2.socialSecurityTax + run.StateTaxFactor(1) * p2.federal + p2.medicareTax);
  return steps;
}
