#include <algorithm>

#include "engine/ExplainSteps.h"
#include "engine/Factors.h"
#include "engine/IncomeTax.h"
#include "engine/Money.h"
#include "model/FilingStatus.h"

namespace {

constexpr int kIncomeTaxes = SlotOf(&YearRecord::IncomeTaxes);
constexpr int kTaxableInvest = SlotOf(&YearRecord::TaxableInvest);
constexpr int kDeferredWithdrawal = SlotOf(&YearRecord::DeferredWithdrawal);

struct PersonNames {
  const char* salary;
  const char* pension;
  std::string who;
};

const PersonNames kPersons[2] = {{"Salary1", "Pension1", "person 1"}, {"Salary2", "Pension2", "person 2"}};

ExplainTerms SalaryTerms(const RunFactors& run, int a, int p) {
  const std::int64_t amount = p == 0 ? run.plan.Salary1 : run.plan.Salary2;
  ExplainTerms terms;
  if (amount != 0 && run.Salary(p, a) != 0.0L) {
    terms.ScaledInput(kPersons[p].salary, amount, run.Salary(p, a),
                      "the salary of " + kPersons[p].who + InYear(run, a) + " against today's");
  }
  return terms;
}

void AddPayrollTaxes(const RunFactors& run, int a, int p, const TaxedPerson& person, ExplainTerms& terms) {
  if (person.socialSecurityTax == 0 && person.medicareTax == 0) return;
  const std::string who = " of " + kPersons[p].who;
  const long double wageIndex = run.WageBaseIndex();
  if (person.salary >= wageIndex * 90000.0L) {
    terms.ScaledAmount("Social Security tax" + who + ": the most, $5,580 in 2005", 5580, wageIndex,
                       "the wage base grew %p from 2005 to " + std::to_string(run.plan.CurrentYear));
  } else {
    terms.ScaledStep("Social Security tax" + who + " on the salary", SalaryTerms(run, a, p), 0.062L,
                     "Social Security tax rate");
  }
  terms.ScaledStep("Medicare tax" + who + " on the salary", SalaryTerms(run, a, p), 0.0145L, "Medicare tax rate");
}

// Gross income for taxes less the benefit: salary, pension, half the
// investment return and half of last year's distributions (each person's).
ExplainTerms OtherIncomeTerms(const RunFactors& run, const ForecastTable& table, int a, int p) {
  const PlanRecord& plan = run.plan;
  ExplainTerms terms = SalaryTerms(run, a, p);
  const std::int64_t pension = p == 0 ? plan.Pension1 : plan.Pension2;
  if (pension != 0 && run.Pension(p, a) != 0.0L) {
    terms.ScaledInput(kPersons[p].pension, pension, run.Pension(p, a),
                      "the pension of " + kPersons[p].who + InYear(run, a) + " against today's");
  }
  terms.ScaledCell(a, kTaxableInvest, table.Year(a).TaxableInvest, (run.TaxableGrowth(a) - 1.0L) * 0.5L,
                   "half the return on taxable savings" + InYear(run, a));
  ExplainTerms distributions = RequiredDistributionTerms(run, table, a - 1);
  distributions.Cell(a - 1, kDeferredWithdrawal, table.Year(a - 1).DeferredWithdrawal);
  const std::int64_t converted = table.Year(a - 1).Conversion;
  if (converted != 0) distributions.Cell(a - 1, SlotOf(&YearRecord::Conversion), converted);
  if (distributions.Sum() != 0) {
    terms.ScaledStep("last year's distributions", std::move(distributions), 0.5L, "half");
  }
  return terms;
}

ExplainTerms TaxableTerms(const RunFactors& run, const ForecastTable& table, int a, const IncomeTaxSteps& steps, int p,
                          bool joint) {
  const TaxedPerson& person = steps.persons[p];
  ExplainTerms terms;
  std::int64_t other = person.otherIncome;
  if (joint) {
    terms.Step("other income of person 1", OtherIncomeTerms(run, table, a, 0), steps.persons[0].otherIncome, 2);
    terms.Step("other income of person 2", OtherIncomeTerms(run, table, a, 1), steps.persons[1].otherIncome, 2);
    other = AddMoney(steps.persons[0].otherIncome, steps.persons[1].otherIncome);
  } else {
    terms.Step("income of " + kPersons[p].who + " other than Social Security", OtherIncomeTerms(run, table, a, p),
               other, 2);
  }
  const std::int64_t taxableBenefit = SubMoney(person.taxable, other);
  if (taxableBenefit == 0) return terms;
  ExplainTerms benefit;
  if (taxableBenefit == RoundMoney(0.85L * person.benefit)) {
    benefit.ScaledAmount("Social Security received", person.benefit, 0.85L, "the most of it that is taxed");
  } else {
    const long double base = joint ? 32000.0L : 25000.0L;
    benefit.ScaledAmount("other income", other, 0.5L, "half")
        .ScaledAmount("Social Security received", person.benefit, 0.25L, "a quarter")
        .ScaledAmount(joint ? "half the base amount of $32,000 in 2005" : "half the base amount of $25,000 in 2005",
                      RoundMoney(base / 2.0L), -steps.taxIndex, "tax brackets' growth since 2005, subtracted");
  }
  terms.Step("taxable part of Social Security", std::move(benefit), taxableBenefit, 1);
  return terms;
}

void AddFederalTax(const RunFactors& run, const ForecastTable& table, int a, const IncomeTaxSteps& steps, int p,
                   bool joint, std::int64_t amount, ExplainTerms& terms) {
  const TaxedPerson& person = steps.persons[p];
  ExplainTerms taxable = TaxableTerms(run, table, a, steps, p, joint);
  const long double stateFactor = run.StateTaxFactor(p);
  const long double rate = person.taxable > 0 ? stateFactor * person.federal / person.taxable : 0.0L;
  taxable.Factor("deduction (standard or itemized): %d", person.deduction)
      .Factor("exemptions: %d", person.exemption)
      .Factor("income the federal tax is figured on: %d", person.curveIncome)
      .Factor("federal tax on it: %r", person.curveIncome > 0.0L ? person.federal / person.curveIncome : 0.0L)
      .Factor("state and city taxes add %p to the federal tax", stateFactor);
  const std::string whose = joint ? std::string("joint return") : kPersons[p].who;
  terms.Rated("federal, state and city income tax of " + whose, std::move(taxable), rate, "the tax rate on this income",
              amount);
}

}  // namespace

void TraceIncomeTaxes(const RunFactors& run, const ForecastTable& table, int a, const IncomeTaxSteps& steps) {
  ExplainTerms terms;
  const FilingStatus status = FilingStatusOf(steps.filing);
  const bool joint = status == FilingStatus::Jointly;
  AddPayrollTaxes(run, a, 0, steps.persons[0], terms);
  if (status != FilingStatus::OneSingle) AddPayrollTaxes(run, a, 1, steps.persons[1], terms);
  for (int p = 0; p < steps.federalReturns; ++p) {
    const std::int64_t federal = RoundMoney(run.StateTaxFactor(p) * steps.persons[p].federal);
    AddFederalTax(run, table, a, steps, p, joint, federal, terms);
  }
  RecordNode(*run.trace, a, kIncomeTaxes, steps.total, std::move(terms), steps.federalReturns == 2 ? 1 : 0);
}
