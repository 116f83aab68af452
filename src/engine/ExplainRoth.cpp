#include <algorithm>
#include <string>

#include "engine/ExplainSteps.h"
#include "engine/Money.h"
#include "model/FilingStatus.h"

// Explains the Roth account's cells, the conversion and the after-tax net worth.
namespace {

constexpr int kNetWorth = SlotOf(&YearRecord::NetWorth);
constexpr int kTaxDeferred = SlotOf(&YearRecord::TaxDeferred);
constexpr int kRothBalance = SlotOf(&YearRecord::RothBalance);
constexpr int kRothContribution = SlotOf(&YearRecord::RothContribution);
constexpr int kRothWithdrawal = SlotOf(&YearRecord::RothWithdrawal);
constexpr int kConversion = SlotOf(&YearRecord::Conversion);
constexpr int kAfterTaxNetWorth = SlotOf(&YearRecord::AfterTaxNetWorth);

void TraceContribution(const RunFactors& run, const ForecastTable& table, int a) {
  const PlanRecord& plan = run.plan;
  ExplainTerms terms;
  if (run.RothContribution(0, a) != 0) AddFromSalaryTerm(run, 0, a, "RothContribution1", plan.RothContribution1, terms);
  if (run.RothContribution(1, a) != 0) AddFromSalaryTerm(run, 1, a, "RothContribution2", plan.RothContribution2, terms);
  RecordNode(*run.trace, a, kRothContribution, table.Year(a).RothContribution, std::move(terms));
}

void TraceConversion(const RunFactors& run, const ForecastTable& table, int a) {
  const std::int64_t conversion = table.Year(a).Conversion;
  if (conversion == 0) return;
  const WithdrawalPlan& strategy = run.strategy;
  if (strategy.fillBracket > 0) {
    RecordNode(*run.trace, a, kConversion, conversion,
               std::move(ExplainTerms().Amount("converted to Roth: " + FillWords(run, table), conversion)));
    return;
  }
  const std::int64_t grown = RoundMoney(static_cast<long double>(strategy.convertAmount) * run.InflationIndex(a - 1));
  if (grown != conversion) {
    RecordNode(*run.trace, a, kConversion, conversion,
               std::move(ExplainTerms().Amount(
                   "the whole tax-deferred balance, less than the yearly conversion of " + DollarsText(grown),
                   conversion)));
    return;
  }
  ExplainTerms terms;
  terms.ScaledInput("ConvertAmount", strategy.convertAmount, run.InflationIndex(a - 1), InflationLabel(run, a));
  RecordNode(*run.trace, a, kConversion, conversion, std::move(terms));
}

}  // namespace

std::string FillWords(const RunFactors& run, const ForecastTable& table) {
  const WithdrawalPlan& strategy = run.strategy;
  const bool two = FilesAsTwoPersons(run.plan.FilingStatus);
  const std::string whose = two ? " on the return with less room" : "";
  return "drawn to bring taxable income" + whose + " to the top of the " + std::to_string(strategy.fillBracket) +
         " % bracket, " + DollarsText(table.work.FillTop) + ", from " + DollarsText(table.work.FillTaxableBefore) +
         " without it (person 1 aged " + std::to_string(strategy.fromAge) + " to " + std::to_string(strategy.toAge) +
         ")" + (two ? "; each return takes half" : "");
}

void TraceFirstYearRoth(const RunFactors& run, const ForecastTable& table) {
  const std::int64_t balance = table.Year(1).RothBalance;
  if (balance != 0) RecordNode(*run.trace, 1, kRothBalance, balance, std::move(ExplainTerms().Input("RothBalance", balance)));
}

void TraceRoth(const RunFactors& run, const ForecastTable& table, int a) {
  const YearRecord& year = table.Year(a);
  const YearRecord& last = table.Year(a - 1);
  TraceContribution(run, table, a);
  TraceConversion(run, table, a);
  if (year.RothBalance == 0 && last.RothBalance == 0) return;
  ExplainTerms kept;
  kept.Cell(a - 1, kRothBalance, last.RothBalance);
  if (last.RothWithdrawal != 0) kept.Cell(a - 1, kRothWithdrawal, last.RothWithdrawal, true);
  ExplainTerms terms;
  terms.ScaledStep("left after last year's draw", std::move(kept), run.DeferredGrowth(a - 1),
                   "Roth savings grow %p" + InYear(run, a - 1));
  if (year.RothContribution != 0) terms.Cell(a, kRothContribution, year.RothContribution);
  if (year.Conversion != 0) terms.Cell(a, kConversion, year.Conversion);
  RecordNode(*run.trace, a, kRothBalance, year.RothBalance, std::move(terms));
}

void TraceAfterTaxNetWorth(const RunFactors& run, const ForecastTable& table, int a, long double rate) {
  const YearRecord& year = table.Year(a);
  ExplainTerms terms;
  terms.Cell(a, kNetWorth, year.NetWorth);
  if (year.TaxDeferred > 0 && rate != 0.0L) {
    terms.ScaledCell(a, kTaxDeferred, year.TaxDeferred, -rate,
                     "the tax drawing it would cost at the year's marginal rate of " + RateText(rate * 100.0L) +
                         " %, subtracted");
  }
  RecordNode(*run.trace, a, kAfterTaxNetWorth, year.AfterTaxNetWorth, std::move(terms));
}
