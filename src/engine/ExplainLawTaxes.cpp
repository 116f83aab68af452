#include <string>

#include "engine/ExplainSteps.h"
#include "engine/LawYearTax.h"
#include "engine/Money.h"
#include "model/NumberFormat.h"

// Explains a year's income taxes under the law: each person's payroll taxes,
// then each return's way from income to tax in words (the benefits taxed, the
// deduction chosen and why, the brackets walked), and the state ratio on top.
namespace {

constexpr int kIncomeTaxes = SlotOf(&YearRecord::IncomeTaxes);

constexpr const char* kRothEarningsWords = "earnings of last year's Roth draw, before person 1 is 59 1/2";

std::string Who(int p) { return p == 0 ? "person 1" : "person 2"; }

void AddPayroll(const LawYearTaxSteps& steps, int p, ExplainTerms& terms) {
  const LawPayroll& payroll = steps.persons[p];
  if (payroll.wages == 0) return;
  const std::string who = " of " + Who(p);
  const std::string wages = DollarsText(payroll.wages);
  if (payroll.wages >= steps.wageBase) {
    terms.Amount("Social Security tax" + who + ": 6.2 % of the wage base, " + DollarsText(steps.wageBase),
                 payroll.socialSecurityTax);
  } else {
    terms.ScaledAmount("Social Security tax" + who + " on wages of " + wages, payroll.wages, 0.062L,
                       "Social Security tax rate");
  }
  terms.ScaledAmount("Medicare tax" + who + " on wages of " + wages, payroll.wages, 0.0145L, "Medicare tax rate");
}

std::string DeductionWords(const LawReturn& r) {
  std::string words = r.itemizes ? "itemized deductions of " + DollarsText(r.itemized) +
                                       " (mortgage interest and " + DollarsText(r.salt) +
                                       " of state and local taxes under the cap) exceed the standard " +
                                       DollarsText(r.standard)
                                 : "standard deduction of " + DollarsText(r.standard) + ", more than itemized " +
                                       DollarsText(r.itemized);
  if (r.senior > 0) words += "; senior deduction " + DollarsText(r.senior);
  return words;
}

ExplainTerms ReturnTerms(const LawYearTaxSteps& steps, int index) {
  const LawReturnInput& in = steps.inputs[index];
  const LawReturn& r = steps.returns[index];
  ExplainTerms terms;
  const char* const share = steps.returnCount == 1 ? "" : " (half on each return)";
  if (steps.conversion != 0)
    terms.Factor(std::string("conversion to Roth, taxed as a distribution") + share + ": %d",
                 static_cast<long double>(steps.conversion));
  if (steps.rothEarnings != 0)
    terms.Factor(std::string(kRothEarningsWords) + ", taxed as a distribution" + share + ": %d",
                 static_cast<long double>(steps.rothEarnings));
  terms.Amount("ordinary income tax: " + BracketWalkText(r.ordinary), r.ordinary.tax);
  if (r.gainsWalk.count > 0) terms.Amount("long-term gains tax: " + BracketWalkText(r.gainsWalk), r.gainsWalk.tax);
  if (r.investmentIncomeTax != 0)
    terms.Amount("net investment income tax: 3.8 % of the gains above the threshold", r.investmentIncomeTax);
  if (in.benefits != 0) {
    terms.Factor("Social Security of " + DollarsText(in.benefits) + ", taxed on provisional income " +
                     DollarsText(r.otherIncome + in.benefits / 2) + ": %d",
                 static_cast<long double>(r.taxableBenefits));
  }
  if (r.lossDeducted != 0) terms.Factor("capital loss deducted from ordinary income: %d", r.lossDeducted);
  terms.Factor("adjusted gross income: %d", static_cast<long double>(r.agi))
      .Factor(DeductionWords(r) + ": %d", static_cast<long double>(r.agi - r.taxable))
      .Factor("taxable income: %d", static_cast<long double>(r.taxable));
  return terms;
}

}  // namespace

void TraceLawIncomeTaxes(const RunFactors& run, const ForecastTable& table, int a, const LawYearTaxSteps& steps) {
  ExplainTerms terms;
  AddPayroll(steps, 0, terms);
  if (steps.secondPayroll) AddPayroll(steps, 1, terms);
  if (steps.additionalMedicareTax != 0)
    terms.Amount("additional Medicare tax: 0.9 % of wages above the threshold", steps.additionalMedicareTax);
  if (steps.earlyDrawTax != 0) {
    ExplainTerms early;
    const char* const earlyWords = "additional tax on tax-deferred money drawn before person 1 is 59 1/2";
    if (steps.rothEarnings == 0) {
      early.ScaledCell(a, SlotOf(&YearRecord::Distribution), table.Year(a).Distribution, taxlaw::kEarlyDrawRate,
                       earlyWords);
    } else {
      ExplainTerms drawn;
      if (table.Year(a).Distribution > 0)
        drawn.Cell(a, SlotOf(&YearRecord::Distribution), table.Year(a).Distribution);
      drawn.Amount(kRothEarningsWords, steps.rothEarnings);
      early.ScaledStep("drawn before person 1 is 59 1/2", std::move(drawn), taxlaw::kEarlyDrawRate,
                       "additional tax on money drawn early");
    }
    RecordNode(*run.trace, a, SlotOf(&YearRecord::EarlyDrawTax), steps.earlyDrawTax, std::move(early), 0);
    terms.Cell(a, SlotOf(&YearRecord::EarlyDrawTax), steps.earlyDrawTax);
  }
  int roundings = 0;
  for (int r = 0; r < steps.returnCount; ++r) {
    const LawReturn& federal = steps.returns[r];
    const std::string whose = steps.returnCount == 1 ? std::string("the return") : "the return of " + Who(r);
    ExplainTerms parts = ReturnTerms(steps, r);
    ExplainTerms withState;
    withState.Step("federal income tax of " + whose + " under the law", std::move(parts), federal.federal, 1);
    terms.Rated("federal, state and city income tax of " + whose, std::move(withState), run.StateTaxFactor(r),
                "state and city taxes at today's ratio to the federal tax", steps.withState[r]);
    ++roundings;
  }
  RecordNode(*run.trace, a, kIncomeTaxes, steps.total, std::move(terms), roundings > 1 ? 1 : 0);
}
