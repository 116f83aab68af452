#include <algorithm>

#include "engine/ClaimingAge.h"
#include "engine/ExplainSteps.h"
#include "engine/Factors.h"
#include "engine/Money.h"

namespace {

constexpr int kNetWorth = SlotOf(&YearRecord::NetWorth);
constexpr int kTaxDeferred = SlotOf(&YearRecord::TaxDeferred);
constexpr int kTaxableInvest = SlotOf(&YearRecord::TaxableInvest);
constexpr int kHomeEquity = SlotOf(&YearRecord::HomeEquity);
constexpr int kOtherDebt = SlotOf(&YearRecord::OtherDebt);
constexpr int kIncome = SlotOf(&YearRecord::Income);
constexpr int kSalaries = SlotOf(&YearRecord::Salaries);
constexpr int kPensions = SlotOf(&YearRecord::Pensions);
constexpr int kSocialSecurity = SlotOf(&YearRecord::SocialSecurity);
constexpr int kInvestReturn = SlotOf(&YearRecord::InvestReturn);
constexpr int kDistribution = SlotOf(&YearRecord::Distribution);
constexpr int kTaxableWithdrawal = SlotOf(&YearRecord::TaxableWithdrawal);
constexpr int kDeferredWithdrawal = SlotOf(&YearRecord::DeferredWithdrawal);
constexpr int kIncomeTaxes = SlotOf(&YearRecord::IncomeTaxes);
constexpr int kRothBalance = SlotOf(&YearRecord::RothBalance);
constexpr int kConversion = SlotOf(&YearRecord::Conversion);

// Person p's amount scaled by the year's factor; nothing when either is zero.
void AddPersonTerm(ExplainTerms& terms, const char* name, std::int64_t amount, long double factor,
                   const std::string& factorLabel) {
  if (amount != 0 && factor != 0.0L) terms.ScaledInput(name, amount, factor, factorLabel);
}

void TraceTwoPersons(const RunFactors& run, int a, int slot, std::int64_t value, const char* name1, const char* name2,
                     std::int64_t amount1, std::int64_t amount2, long double f1, long double f2, const char* what) {
  ExplainTerms terms;
  AddPersonTerm(terms, name1, amount1, f1,
                std::string("the ") + what + " of person 1" + InYear(run, a) + " against today's");
  AddPersonTerm(terms, name2, amount2, f2,
                std::string("the ") + what + " of person 2" + InYear(run, a) + " against today's");
  RecordNode(*run.trace, a, slot, value, std::move(terms), 1);
}

std::string AgeInMonthsText(std::int32_t months) {
  return std::to_string(months / 12) + (months % 12 ? " and " + std::to_string(months % 12) + " months" : "");
}

// The claiming rule's share of the full benefit, in the words of the law.
std::string ClaimingWords(const ClaimedBenefit& benefit) {
  const std::int64_t claim = std::min(benefit.claimAge, kLatestCreditAge) * 12;
  const std::string start = "claimed at " + std::to_string(benefit.claimAge) + " (born " +
                            std::to_string(benefit.birthYear) + ", full retirement age " +
                            AgeInMonthsText(benefit.fullAgeMonths) + "): ";
  if (claim < benefit.fullAgeMonths) {
    return start + "reduced for " + std::to_string(benefit.fullAgeMonths - claim) +
           " months early, 5/9 % a month for the first 36 and 5/12 % beyond";
  }
  if (claim > benefit.fullAgeMonths) {
    return start + "delayed retirement credits for " +
           std::to_string(claim - benefit.fullAgeMonths) + " months, to 70 at most";
  }
  return start + "the full benefit";
}

// Person p's benefit: the typed amount grown from today, or with a typed full
// benefit, that benefit times the claiming share, then grown.
void AddBenefitTerm(const RunFactors& run, ExplainTerms& terms, int a, int p) {
  const long double growth = run.Benefit(p, a);
  const std::string growthLabel =
      "the Social Security of person " + std::to_string(p + 1) + InYear(run, a) + " against today's";
  const ClaimedBenefit benefit = ClaimedBenefitOf(run.plan, p);
  const std::int64_t typed = p == 0 ? run.plan.SocialSecurity1 : run.plan.SocialSecurity2;
  if (!benefit.typed) return AddPersonTerm(terms, p == 0 ? "SocialSecurity1" : "SocialSecurity2", typed, growth, growthLabel);
  if (typed == 0 || growth == 0.0L) return;
  const std::int64_t full = p == 0 ? run.plan.FullRetirementBenefit1 : run.plan.FullRetirementBenefit2;
  ExplainTerms claimed;
  claimed.ScaledInput(p == 0 ? "FullRetirementBenefit1" : "FullRetirementBenefit2", full, benefit.factor,
                      ClaimingWords(benefit));
  terms.ScaledStep("yearly benefit of person " + std::to_string(p + 1) + " in today's dollars", std::move(claimed),
                   growth, growthLabel);
}

}  // namespace

std::int64_t CalendarYear(const RunFactors& run, int a) {
  return static_cast<std::int64_t>(run.plan.CurrentYear) + a - 1;
}

std::string InYear(const RunFactors& run, int a) { return " in " + std::to_string(CalendarYear(run, a)); }

void TraceFirstYearBalances(const RunFactors& run, const ForecastTable& table) {
  const YearRecord& year = table.Year(1);
  RecordNode(*run.trace, 1, kTaxDeferred, year.TaxDeferred,
             std::move(ExplainTerms().Input("TaxDeferredBalance", year.TaxDeferred)));
  RecordNode(*run.trace, 1, kTaxableInvest, year.TaxableInvest,
             std::move(ExplainTerms().Input("TaxableBalance", year.TaxableInvest)));
  RecordNode(*run.trace, 1, kIncomeTaxes, year.IncomeTaxes,
             std::move(ExplainTerms().Input("TaxTotal", year.IncomeTaxes)));
}

void TraceIncomeParts(const RunFactors& run, const ForecastTable& table, int a) {
  const PlanRecord& plan = run.plan;
  const YearRecord& year = table.Year(a);
  TraceTwoPersons(run, a, kSalaries, year.Salaries, "Salary1", "Salary2", plan.Salary1, plan.Salary2, run.Salary(0, a),
                  run.Salary(1, a), "salary");
  TraceTwoPersons(run, a, kPensions, year.Pensions, "Pension1", "Pension2", plan.Pension1, plan.Pension2,
                  run.Pension(0, a), run.Pension(1, a), "pension");
  ExplainTerms benefits;
  AddBenefitTerm(run, benefits, a, 0);
  AddBenefitTerm(run, benefits, a, 1);
  RecordNode(*run.trace, a, kSocialSecurity, year.SocialSecurity, std::move(benefits), 1);
}

void TraceInvestReturn(const RunFactors& run, const ForecastTable& table, int a) {
  const YearRecord& year = table.Year(a);
  ExplainTerms terms;
  terms.ScaledCell(a, kTaxableInvest, year.TaxableInvest, run.TaxableGrowth(a) - 1.0L,
                   "return on taxable savings" + InYear(run, a));
  RecordNode(*run.trace, a, kInvestReturn, year.InvestReturn, std::move(terms));
}

ExplainTerms RequiredDistributionTerms(const RunFactors& run, const ForecastTable& table, int a) {
  ExplainTerms terms;
  const std::int64_t age = static_cast<std::int64_t>(run.plan.Age1) + a - 1;
  if (age < FirstDistributionAge(run.plan, run.taxRules)) return terms;
  const int k = std::max(a - 1, 1);
  const long double divisor = DistributionDivisorUnder(run.taxRules, age);
  terms.ScaledCell(k, kTaxDeferred, table.Year(k).TaxDeferred, 1.0L / divisor,
                   "1 / " + RateText(divisor) + ": the share that must be drawn at age " + std::to_string(age));
  return terms;
}

void TraceDistribution(const RunFactors& run, const ForecastTable& table, int a) {
  // The bracket filling's draw into taxable savings sits on top of the rest.
  const std::int64_t filled = table.work.FilledIntoTaxable;
  const std::int64_t value = SubMoney(table.Year(a).Distribution, filled);
  const std::int64_t required = RequiredDistribution(run.plan, run.taxRules, table, a);
  ExplainTerms terms;
  if (a > 1 && value != required && value == table.Year(a - 1).DeferredWithdrawal) {
    terms.Cell(a - 1, kDeferredWithdrawal, value);
  } else if (value == 0 && required <= 0) {
    if (filled == 0) {
      RecordNote(*run.trace, a, kDistribution, value,
                 "no required distribution before person 1 is " +
                     std::to_string(FirstDistributionAge(run.plan, run.taxRules)) +
                     " and no tax-deferred withdrawal last year");
      return;
    }
  } else {
    terms.Step("required minimum distribution", RequiredDistributionTerms(run, table, a), required, 1);
  }
  if (filled != 0) terms.Amount(FillWords(run, table), filled);
  RecordNode(*run.trace, a, kDistribution, table.Year(a).Distribution, std::move(terms));
}

void TraceIncomeAndNetWorth(const RunFactors& run, const ForecastTable& table, int a) {
  const YearRecord& year = table.Year(a);
  ExplainTerms income;
  for (const int slot : {kSalaries, kPensions, kSocialSecurity, kInvestReturn, kDistribution}) {
    income.Cell(a, slot, year.*kForecastColumns[static_cast<std::size_t>(slot)].field);
  }
  RecordNode(*run.trace, a, kIncome, year.Income, std::move(income));
  ExplainTerms worth;
  worth.Cell(a, kTaxDeferred, year.TaxDeferred)
      .Cell(a, kTaxableInvest, year.TaxableInvest)
      .Cell(a, kHomeEquity, year.HomeEquity);
  if (year.RothBalance != 0) worth.Cell(a, kRothBalance, year.RothBalance);
  worth.Cell(a, kOtherDebt, year.OtherDebt, true);
  RecordNode(*run.trace, a, kNetWorth, year.NetWorth, std::move(worth));
}

void AddFromSalaryTerm(const RunFactors& run, int p, int a, const char* name, std::int64_t amount,
                       ExplainTerms& terms) {
  terms.ScaledInput(name, amount, run.Salary(p, a - 1),
                    "the salary of person " + std::to_string(p + 1) + InYear(run, a - 1) + " against today's");
}

void TraceBalances(const RunFactors& run, const ForecastTable& table, int a, std::int64_t c1, std::int64_t c2) {
  const YearRecord& year = table.Year(a);
  const YearRecord& last = table.Year(a - 1);
  if (table.work.DeferredExhausted) {
    RecordNote(*run.trace, a, kTaxDeferred, year.TaxDeferred,
               "the tax-deferred account was emptied to cover a shortfall");
  } else {
    ExplainTerms terms;
    if (c1 != 0) AddFromSalaryTerm(run, 0, a, "DeferredContribution1", run.plan.DeferredContribution1, terms);
    if (c2 != 0) AddFromSalaryTerm(run, 1, a, "DeferredContribution2", run.plan.DeferredContribution2, terms);
    terms.ScaledCell(a - 1, kTaxDeferred, last.TaxDeferred, run.DeferredGrowth(a - 1),
                     "tax-deferred savings grow %p" + InYear(run, a - 1));
    terms.Cell(a, kDistribution, year.Distribution, true);
    if (year.Conversion != 0) terms.Cell(a, kConversion, year.Conversion, true);
    RecordNode(*run.trace, a, kTaxDeferred, year.TaxDeferred, std::move(terms));
  }
  ExplainTerms taxable;
  taxable.Cell(a - 1, kTaxableInvest, last.TaxableInvest).Cell(a - 1, kTaxableWithdrawal, last.TaxableWithdrawal, true);
  RecordNode(*run.trace, a, kTaxableInvest, year.TaxableInvest, std::move(taxable));
}
