#include "engine/Forecast.h"

#include <algorithm>
#include <limits>

#include "engine/BracketFilling.h"
#include "engine/CashNeed.h"
#include "engine/ClaimingAge.h"
#include "engine/Expenses.h"
#include "engine/ExplainSteps.h"
#include "engine/Factors.h"
#include "engine/ForecastColumns.h"
#include "engine/Home.h"
#include "engine/IncomeTax.h"
#include "engine/LawYearTax.h"
#include "engine/Money.h"
#include "engine/PageTotals.h"
#include "engine/RothAccount.h"

namespace {

std::int64_t NetWorthOf(const YearRecord& year) {
  return SubMoney(SumMoney({year.TaxDeferred, year.TaxableInvest, year.HomeEquity, year.RothBalance}), year.OtherDebt);
}

// The tax-deferred balance counts net of the tax drawing it would cost at `rate`.
std::int64_t AfterTaxNetWorthOf(const YearRecord& year, long double rate) {
  return SubMoney(year.NetWorth, RoundMoney(static_cast<long double>(std::max<std::int64_t>(year.TaxDeferred, 0)) * rate));
}

std::int64_t IncomeOf(const YearRecord& year) {
  return SumMoney({year.Salaries, year.Pensions, year.SocialSecurity, year.InvestReturn, year.Distribution});
}

void ComputeIncomeParts(const RunFactors& run, YearRecord& year, int a) {
  const PlanRecord& plan = run.plan;
  year.Salaries = RoundMoney(run.Salary(0, a) * plan.Salary1 + run.Salary(1, a) * plan.Salary2);
  year.Pensions = RoundMoney(run.Pension(0, a) * plan.Pension1 + run.Pension(1, a) * plan.Pension2);
  year.SocialSecurity = RoundMoney(run.Benefit(0, a) * plan.SocialSecurity1 + run.Benefit(1, a) * plan.SocialSecurity2);
}

// The return earned over year a on the year's balance.
std::int64_t InvestReturnOn(const RunFactors& run, int a, std::int64_t balance) {
  return RoundMoney((run.TaxableGrowth(a) - 1.0L) * balance);
}

}  // namespace

void InitFirstYear(const RunFactors& run, ForecastTable& table) {
  const PlanRecord& plan = run.plan;
  YearRecord& year = table.Year(1);
  table.work = EngineWork{};
  year.TaxDeferred = plan.TaxDeferredBalance;
  year.TaxableInvest = plan.TaxableBalance;
  InitFirstYearRoth(run, table);
  year.IncomeTaxes = plan.TaxTotal;
  ComputeIncomeParts(run, year, 1);
  year.InvestReturn = InvestReturnOn(run, 1, year.TaxableInvest);
  year.Distribution = RequiredDistribution(plan, run.taxRules, table, 1);
  year.Income = IncomeOf(year);
  InitFirstYearDebt(run, table);
  InitFirstYearHome(run, table);
  year.Expenses = FirstYearExpenses(plan, table);
  year.NetWorth = NetWorthOf(year);
  // The current year's taxes are typed under either rules: its tax-deferred
  // balance counts at the law's rate on today's figures.
  const long double rate = year.TaxDeferred > 0 ? LawMarginalRate(run, LawYearTaxStepsOf(run, table, 1), 1) : 0.0L;
  year.AfterTaxNetWorth = AfterTaxNetWorthOf(year, rate);
  if (run.trace) [[unlikely]] {
    TraceFirstYearBalances(run, table);
    TraceFirstYearRoth(run, table);
    TraceIncomeParts(run, table, 1);
    TraceInvestReturn(run, table, 1);
    TraceDistribution(run, table, 1);
    TraceFirstYearExpenses(run, table);
    TraceIncomeAndNetWorth(run, table, 1);
    TraceAfterTaxNetWorth(run, table, 1, rate);
  }
}

void RunForecastYear(const RunFactors& run, ForecastTable& table, int a) {
  const PlanRecord& plan = run.plan;
  CoverCashNeed(run, table, a - 1);
  UpdateHome(run, table, a);

  YearRecord& year = table.Year(a);
  const YearRecord& last = table.Year(a - 1);
  // Contributions follow last year's salary factor, so they stop a year after
  // the salary does as well as at the retirement age.
  const std::int64_t c1 = run.Contribution(0, a);
  const std::int64_t c2 = run.Contribution(1, a);
  year.Distribution =
      std::max<std::int64_t>(std::max(RequiredDistribution(plan, run.taxRules, table, a), last.DeferredWithdrawal), 0);
  // Last year's balance grows at last year's rate.
  year.TaxDeferred =
      table.work.DeferredExhausted
          ? 0
          : SubMoney(SumMoney({c1, c2, RoundMoney(last.TaxDeferred * run.DeferredGrowth(a - 1))}), year.Distribution);
  year.OtherDebt = UpdateOtherDebt(run, table, a);
  ComputeIncomeParts(run, year, a);
  // A negative withdrawal is last year's surplus joining the balance.
  year.TaxableInvest = SubMoney(last.TaxableInvest, last.TaxableWithdrawal);
  year.InvestReturn = InvestReturnOn(run, a, year.TaxableInvest);
  UpdateRoth(run, table, a);
  FillBracketOrConvert(run, table, a);
  year.Income = IncomeOf(year);
  year.IncomeTaxes = ComputeIncomeTaxes(run, table, a);
  year.Expenses = ComputeExpenses(run, table, a);
  year.NetWorth = NetWorthOf(year);
  year.AfterTaxNetWorth = AfterTaxNetWorthOf(year, table.work.MarginalRate);
  if (run.trace) [[unlikely]] {
    TraceBalances(run, table, a, c1, c2);
    TraceIncomeParts(run, table, a);
    TraceInvestReturn(run, table, a);
    TraceDistribution(run, table, a);
    TraceExpenses(run, table, a);
    TraceIncomeAndNetWorth(run, table, a);
    TraceRoth(run, table, a);
    TraceAfterTaxNetWorth(run, table, a, table.work.MarginalRate);
  }
}

PlanRecord PlanAsRun(const PlanRecord& plan) {
  PlanRecord working = plan;
  RaiseMortgageRateToFloor(working);
  ApplyClaimingRule(working);
  return working;
}

Forecast RunForecast(const PlanRecord& plan, const RatePath& path, ExplainTrace* trace) {
  // The run reads the plan as the program shows it after a run: the expense
  // summary refreshed as well.
  PlanRecord working = PlanAsRun(plan);
  // The factors read none of the values the refresh writes.
  const RunFactors run(working, path, trace);
  RefreshExpenseSummary(working, run.Annuity(working.DebtYears), run.WageBaseIndex());

  Forecast forecast{};
  ForecastTable& table = forecast.table;
  InitFirstYear(run, table);
  for (int a = 2; a <= run.rows; ++a) RunForecastYear(run, table, a);
  table.work.DeferredExhausted = false;
  forecast.updates = PlanUpdatesOf(working);
  for (int a = 1; a <= run.rows; ++a) forecast.inflation[static_cast<std::size_t>(a - 1)] = run.InflationIndex(a - 1);
  return forecast;
}

bool HasSaturatedValue(const ForecastTable& table, int rows) {
  constexpr std::int64_t kHighest = std::numeric_limits<std::int64_t>::max();
  constexpr std::int64_t kLowest = std::numeric_limits<std::int64_t>::min();
  for (int a = 1; a <= std::min(rows, kForecastRows); ++a) {
    for (const ForecastColumn& column : kForecastColumns) {
      const std::int64_t value = table.Year(a).*column.field;
      if (value == kHighest || value == kLowest) return true;
    }
  }
  return false;
}

Forecast ForecastInView(const PlanRecord& plan, const RatePath& path, bool currentDollars) {
  Forecast forecast = RunForecast(plan, path);
  forecast.saturated = HasSaturatedValue(forecast.table, RowCount(plan));
  if (currentDollars) ToCurrentDollars(forecast.inflation, RowCount(plan), forecast.table);
  return forecast;
}

void RunForecast(PlanRecord& plan, ForecastTable& table) {
  const Forecast forecast = RunForecast(plan, RatePath::FromPlan(plan));
  WriteBack(forecast.updates, plan);
  table = forecast.table;
}
