#include "legacy/Forecast.h"

#include <algorithm>

#include "legacy/CashNeed.h"
#include "legacy/Expenses.h"
#include "legacy/Factors.h"
#include "legacy/Home.h"
#include "legacy/IncomeTax.h"
#include "legacy/Money.h"
#include "legacy/PageTotals.h"

// Today's engine kept unchanged for comparisons and timing.
namespace legacy {

namespace {

std::int64_t NetWorthOf(const YearRecord& year) {
  return SubMoney(SumMoney({year.TaxDeferred, year.TaxableInvest, year.HomeEquity}), year.OtherDebt);
}

std::int64_t IncomeOf(const YearRecord& year) {
  return SumMoney({year.Salaries, year.Pensions, year.SocialSecurity, year.InvestReturn, year.Distribution});
}

void ComputeIncomeParts(const PlanRecord& plan, YearRecord& year, int a) {
  year.Salaries = RoundMoney(SalaryFactor1(plan, a) * plan.Salary1 + SalaryFactor2(plan, a) * plan.Salary2);
  year.Pensions = RoundMoney(PensionFactor1(plan, a) * plan.Pension1 + PensionFactor2(plan, a) * plan.Pension2);
  year.SocialSecurity = RoundMoney(SocialSecurityFactor1(plan, a) * plan.SocialSecurity1 +
                                   SocialSecurityFactor2(plan, a) * plan.SocialSecurity2);
}

std::int64_t InvestReturnOn(const PlanRecord& plan, std::int64_t balance) {
  return RoundMoney((TaxableGrowthFactor(plan) - 1.0L) * balance);
}

// Contributions follow last year's salary factor, so they stop a year after
// the salary does as well as at the retirement age.
std::int64_t Contribution(long double lastSalaryFactor, std::int64_t amount,
                          std::int32_t age, std::int32_t retireAge, int a) {
  if (static_cast<std::int64_t>(age) + a - 1 >= retireAge) return 0;
  return RoundMoney(lastSalaryFactor * amount);
}

}  // namespace

void InitFirstYear(PlanRecord& plan, ForecastTable& table) {
  YearRecord& year = table.Year(1);
  table.work = EngineWork{};
  year.TaxDeferred = plan.TaxDeferredBalance;
  year.TaxableInvest = plan.TaxableBalance;
  RefreshExpenseSummary(plan);
  year.IncomeTaxes = plan.TaxTotal;
  ComputeIncomeParts(plan, year, 1);
  year.InvestReturn = InvestReturnOn(plan, year.TaxableInvest);
  year.Distribution = RequiredDistribution(plan, table, 1);
  year.Income = IncomeOf(year);
  InitFirstYearDebt(plan, table);
  InitFirstYearHome(plan, table);
  year.Expenses = FirstYearExpenses(plan, table);
  year.NetWorth = NetWorthOf(year);
}

void RunForecastYear(PlanRecord& plan, ForecastTable& table, int a) {
  CoverCashNeed(plan, table, a - 1);
  UpdateHome(plan, table, a);

  YearRecord& year = table.Year(a);
  const YearRecord& last = table.Year(a - 1);
  const std::int64_t c1 =
      Contribution(SalaryFactor1(plan, a - 1), plan.DeferredContribution1, plan.Age1, plan.RetireAge1, a);
  const std::int64_t c2 =
      Contribution(SalaryFactor2(plan, a - 1), plan.DeferredContribution2, plan.Age2, plan.RetireAge2, a);
  year.Distribution = std::max<std::int64_t>(
      std::max(RequiredDistribution(plan, table, a), last.DeferredWithdrawal), 0);
  year.TaxDeferred = table.work.DeferredExhausted
                         ? 0
                         : SubMoney(SumMoney({c1, c2, RoundMoney(last.TaxDeferred * DeferredGrowthFactor(plan))}),
                                    year.Distribution);
  year.OtherDebt = UpdateOtherDebt(plan, table, a);
  ComputeIncomeParts(plan, year, a);
  // A negative withdrawal is last year's surplus joining the balance.
  year.TaxableInvest = SubMoney(last.TaxableInvest, last.TaxableWithdrawal);
  year.InvestReturn = InvestReturnOn(plan, year.TaxableInvest);
  year.Income = IncomeOf(year);
  year.IncomeTaxes = ComputeIncomeTaxes(plan, table, a);
  year.Expenses = ComputeExpenses(plan, table, a);
  year.NetWorth = NetWorthOf(year);
}

void RunForecast(PlanRecord& plan, ForecastTable& table) {
  ResetForecastTable(table);
  InitFirstYear(plan, table);
  const int rows = RowCount(plan);
  for (int a = 2; a <= rows; ++a) RunForecastYear(plan, table, a);
  table.work.DeferredExhausted = false;
}

}  // namespace legacy
