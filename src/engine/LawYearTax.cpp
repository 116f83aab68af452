#include "engine/LawYearTax.h"

#include <algorithm>

#include "engine/Factors.h"
#include "engine/Forecast.h"
#include "engine/Money.h"
#include "engine/RothAccount.h"
#include "model/FilingStatus.h"

using taxlaw::TaxReturn;

namespace {

std::int64_t AgeIn(const PlanRecord& plan, int p, int a) {
  return static_cast<std::int64_t>(p == 0 ? plan.Age1 : plan.Age2) + a - 1;
}

// Person p's own pre-tax deferral of year a: the contribution up to the limit
// of the person's age, never more than the salary.
std::int64_t OwnDeferral(const RunFactors& run, int p, int a, std::int64_t salary) {
  const std::int64_t contribution = a == 1 ? run.FirstYearContribution(p) : run.Contribution(p, a);
  const auto age = static_cast<std::int32_t>(std::clamp<std::int64_t>(AgeIn(run.plan, p, a), 0, 200));
  return std::clamp<std::int64_t>(std::min(contribution, ElectiveDeferralLimit(age, run.LawIndex(a))), 0,
                                  std::max<std::int64_t>(salary, 0));
}

// Half of an amount to each of two returns, the odd dollar to person 1.
std::int64_t HalfOf(std::int64_t amount, int p) {
  const std::int64_t first = RoundMoney(0.5L * static_cast<long double>(amount));
  return p == 0 ? first : SubMoney(amount, first);
}

}  // namespace

bool StateRatioUnknown(const PlanRecord& plan) {
  if (FilesAsTwoPersons(plan.FilingStatus)) return plan.FederalTax1 <= 0 || plan.FederalTax2 <= 0;
  return plan.FederalTax1 <= 0;
}

LawYearTaxSteps LawYearTaxStepsOf(const RunFactors& run, const ForecastTable& table, int a) {
  const PlanRecord& plan = run.plan;
  const YearRecord& year = table.Year(a);
  const FilingStatus status = FilingStatusOf(plan.FilingStatus);
  LawYearTaxSteps steps;
  const long double index = run.LawIndex(a);
  const auto calendarYear = static_cast<std::int32_t>(static_cast<std::int64_t>(plan.CurrentYear) + a - 1);
  steps.wageBase = WageBaseAt(index);
  steps.secondPayroll = status != FilingStatus::OneSingle;
  const std::int64_t salaries[2] = {RoundMoney(run.Salary(0, a) * plan.Salary1),
                                    RoundMoney(run.Salary(1, a) * plan.Salary2)};
  const std::int64_t pensions[2] = {RoundMoney(run.Pension(0, a) * plan.Pension1),
                                    RoundMoney(run.Pension(1, a) * plan.Pension2)};
  const std::int64_t benefits[2] = {RoundMoney(run.Benefit(0, a) * plan.SocialSecurity1),
                                    RoundMoney(run.Benefit(1, a) * plan.SocialSecurity2)};
  const bool aged[2] = {AgeIn(plan, 0, a) >= 65, plan.SecondPerson && AgeIn(plan, 1, a) >= 65};
  for (int p = 0; p < (steps.secondPayroll ? 2 : 1); ++p) {
    LawPayroll& payroll = steps.persons[p];
    payroll.wages = salaries[p];
    payroll.deferral = OwnDeferral(run, p, a, salaries[p]);
    payroll.socialSecurityTax = SocialSecurityTaxUnder(steps.wageBase, payroll.wages);
    payroll.medicareTax = RoundMoney(taxlaw::kMedicareRate * static_cast<long double>(payroll.wages));
  }
  const std::int64_t interest = RoundMoney(year.Mortgage * plan.MortgageRate / 100.0L);
  // The first year starts without a carried loss whatever a finished run left.
  const std::int64_t lossCarried[2] = {a == 1 ? 0 : table.work.CapitalLossCarried1,
                                       a == 1 ? 0 : table.work.CapitalLossCarried2};
  steps.conversion = year.Conversion;
  steps.rothEarnings = a == 1 ? 0 : table.work.RothEarningsTaxed;
  const std::int64_t distributed = SumMoney({year.Distribution, steps.conversion, steps.rothEarnings});

  if (status == FilingStatus::OneSingle || status == FilingStatus::Jointly) {
    const bool joint = status == FilingStatus::Jointly;
    LawReturnInput& in = steps.inputs[0];
    in.kind = joint ? TaxReturn::Joint : TaxReturn::Single;
    in.aged = aged[0] + (joint && aged[1] ? 1 : 0);
    in.wages = SubMoney(salaries[0], steps.persons[0].deferral);
    in.pensions = pensions[0];
    in.benefits = benefits[0];
    if (joint) {
      in.wages = AddMoney(in.wages, SubMoney(salaries[1], steps.persons[1].deferral));
      in.pensions = AddMoney(in.pensions, pensions[1]);
      in.benefits = AddMoney(in.benefits, benefits[1]);
    }
    in.distributions = distributed;
    in.investReturn = year.InvestReturn;
    in.mortgageInterest = interest;
    in.propertyTax = year.PropertyTax;
    steps.additionalMedicareTax =
        AdditionalMedicareTax(in.kind, joint ? AddMoney(salaries[0], salaries[1]) : salaries[0]);
  } else {
    steps.returnCount = 2;
    // The home's deductions go to the person with the larger income.
    const int owner = SumMoney({salaries[1], pensions[1], benefits[1]}) >
                              SumMoney({salaries[0], pensions[0], benefits[0]})
                          ? 1
                          : 0;
    for (int p = 0; p < 2; ++p) {
      LawReturnInput& in = steps.inputs[p];
      in.kind = status == FilingStatus::TwoSingles ? TaxReturn::Single : TaxReturn::Separate;
      in.aged = aged[p] ? 1 : 0;
      in.wages = SubMoney(salaries[p], steps.persons[p].deferral);
      in.pensions = pensions[p];
      in.benefits = benefits[p];
      in.distributions = HalfOf(distributed, p);
      in.investReturn = HalfOf(year.InvestReturn, p);
      if (p == owner) {
        in.mortgageInterest = interest;
        in.propertyTax = year.PropertyTax;
      }
      steps.additionalMedicareTax =
          AddMoney(steps.additionalMedicareTax, AdditionalMedicareTax(in.kind, salaries[p]));
    }
  }
  if (DrawnEarly(run, a)) {
    const std::int64_t early = AddMoney(std::max<std::int64_t>(year.Distribution, 0), steps.rothEarnings);
    steps.earlyDrawTax = RoundMoney(taxlaw::kEarlyDrawRate * static_cast<long double>(early));
  }
  std::int64_t total = AddMoney(steps.additionalMedicareTax, steps.earlyDrawTax);
  for (int p = 0; p < 2; ++p) {
    total = SumMoney({total, steps.persons[p].socialSecurityTax, steps.persons[p].medicareTax});
  }
  for (int r = 0; r < steps.returnCount; ++r) {
    LawReturnInput& in = steps.inputs[r];
    in.year = calendarYear;
    in.index = index;
    in.lossCarried = lossCarried[r];
    in.stateRatio = run.StateTaxFactor(r) - 1.0L;
    steps.returns[r] = LawFederalReturn(in);
    steps.withState[r] = RoundMoney(run.StateTaxFactor(r) * static_cast<long double>(steps.returns[r].federal));
    total = AddMoney(total, steps.withState[r]);
  }
  steps.total = total;
  return steps;
}

long double LawMarginalRate(const RunFactors& run, const LawYearTaxSteps& steps, int a) {
  long double rate = 0.0L;
  for (int r = 0; r < steps.returnCount; ++r) {
    const LawReturn& federal = steps.returns[r];
    rate += NextDollarRate(steps.inputs[r].kind, federal.taxable, federal.ordinaryTaxable, run.LawIndex(a)) *
            run.StateTaxFactor(r);
  }
  rate /= static_cast<long double>(steps.returnCount);
  return DrawnEarly(run, a) ? rate + taxlaw::kEarlyDrawRate : rate;
}

FirstYearFederalEstimate LawFirstYearFederal(const PlanRecord& plan, RatePath path) {
  path.SetTaxRules(TaxRules::Law);
  const Forecast forecast = RunForecast(plan, path);
  const PlanRecord working = PlanAsRun(plan);
  const RunFactors run(working, path);
  const LawYearTaxSteps steps = LawYearTaxStepsOf(run, forecast.table, 1);
  FirstYearFederalEstimate estimate;
  for (int r = 0; r < steps.returnCount; ++r) estimate.federal[r] = steps.returns[r].federal;
  return estimate;
}
