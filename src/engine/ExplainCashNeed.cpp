#include "engine/CashNeed.h"
#include "engine/ExplainSteps.h"
#include "engine/Factors.h"
#include "engine/Home.h"
#include "engine/Money.h"
#include "model/HomeSituation.h"

namespace {

constexpr int kExpenses = SlotOf(&YearRecord::Expenses);
constexpr int kIncome = SlotOf(&YearRecord::Income);
constexpr int kTaxDeferred = SlotOf(&YearRecord::TaxDeferred);
constexpr int kTaxableInvest = SlotOf(&YearRecord::TaxableInvest);
constexpr int kProperty = SlotOf(&YearRecord::Property);
constexpr int kTaxableWithdrawal = SlotOf(&YearRecord::TaxableWithdrawal);
constexpr int kDeferredWithdrawal = SlotOf(&YearRecord::DeferredWithdrawal);
constexpr int kHomeEquityBorrowing = SlotOf(&YearRecord::HomeEquityBorrowing);
constexpr int kUnfundedShortfall = SlotOf(&YearRecord::UnfundedShortfall);
constexpr long double kSaleNet = 0.94L;
constexpr long double kHomeEquityLimit = 0.75L;

void AddSale(const RunFactors& run, const ForecastTable& table, int j, ExplainTerms& need) {
  ExplainTerms sale;
  sale.ScaledCell(j, kProperty, table.Year(j).Property, -kSaleNet, "kept after 6 % selling costs");
  AddMortgageOwed(table, j, sale, false);
  need.Step("sale of the home, net of the mortgage (subtracted)", std::move(sale),
            SubMoney(0, HomeSaleProceeds(table, j)), 1);
  static_cast<void>(run);
}

// Year j's cash need as terms, with the engine's amount.
ExplainTerms NeedTerms(const RunFactors& run, const ForecastTable& table, int j, std::int64_t& need) {
  const PlanRecord& plan = run.plan;
  const YearRecord& year = table.Year(j);
  ExplainTerms terms;
  terms.Cell(j, kExpenses, year.Expenses).Cell(j, kIncome, year.Income, true);
  need = SubMoney(year.Expenses, year.Income);
  if (j > 1) {
    const std::int64_t drawn = table.Year(j - 1).DeferredWithdrawal;
    if (drawn != 0) terms.Cell(j - 1, kDeferredWithdrawal, drawn);
    need = AddMoney(need, drawn);
  }
  if (j != plan.YearsToMove) return terms;
  if (BuysAtMove(plan.HomeStatus) && plan.NewHomePrice > 0) {
    const std::int64_t down = HomeDownPayment(run, j);
    ExplainTerms parts;
    parts
        .ScaledInput("NewHomePrice", plan.NewHomePrice, run.PropertyIndex(j),
                     "home prices rise %p from " + std::to_string(plan.CurrentYear) + " to " +
                         std::to_string(CalendarYear(run, j + 1)))
        .ScaledInput("NewMortgage", plan.NewMortgage, -run.InflationIndex(j),
                     InflationLabel(run, j + 1) + ", subtracted");
    terms.Step("down payment on the new home", std::move(parts), down, 1);
    need = AddMoney(need, down);
    if (SellsAtMove(plan.HomeStatus)) {
      AddSale(run, table, j, terms);
      need = SubMoney(need, HomeSaleProceeds(table, j));
    }
  } else if (HomeSituationOf(plan.HomeStatus) == HomeSituation::OwnThenRent && plan.HomeValue > 0) {
    AddSale(run, table, j, terms);
    need = SubMoney(need, HomeSaleProceeds(table, j));
  }
  return terms;
}

}  // namespace

void TraceCashNeed(const RunFactors& run, const ForecastTable& table, int j) {
  const PlanRecord& plan = run.plan;
  const YearRecord& year = table.Year(j);
  ExplainTrace& trace = *run.trace;
  std::int64_t need = 0;
  ExplainTerms needTerms = NeedTerms(run, table, j, need);
  const char* const noDraw = "nothing drawn: the year's cash need is met before this step";
  for (const int slot : {kDeferredWithdrawal, kHomeEquityBorrowing, kUnfundedShortfall}) {
    RecordNote(trace, j, slot, 0, noDraw);
  }
  if (year.TaxableWithdrawal == need) {
    RecordNode(trace, j, kTaxableWithdrawal, need, std::move(needTerms));
    return;
  }
  if (year.TaxableWithdrawal != year.TaxableInvest) {
    // The emptied tax-deferred account covered the year and more: the rest stayed in taxable savings.
    RecordNode(trace, j, kDeferredWithdrawal, year.DeferredWithdrawal,
               std::move(ExplainTerms().Cell(j, kTaxDeferred, year.TaxDeferred)));
    ExplainTerms kept;
    kept.Step("the year's cash need", std::move(needTerms), need).Cell(j, kTaxDeferred, year.TaxDeferred, true);
    RecordNode(trace, j, kTaxableWithdrawal, year.TaxableWithdrawal, std::move(kept));
    return;
  }
  RecordNode(trace, j, kTaxableWithdrawal, year.TaxableWithdrawal,
             std::move(ExplainTerms().Cell(j, kTaxableInvest, year.TaxableInvest)));
  ExplainTerms rest;
  rest.Step("the year's cash need", std::move(needTerms), need).Cell(j, kTaxableInvest, year.TaxableInvest, true);
  std::int64_t restAmount = SubMoney(need, year.TaxableInvest);

  if (!MayDrawDeferred(plan, run.taxRules, j)) {
    RecordNote(trace, j, kDeferredWithdrawal, 0, "person 1 is under 59: the tax-deferred account is not drawn");
  } else if (AddMoney(restAmount, RequiredDistribution(plan, run.taxRules, table, j)) <= year.TaxDeferred) {
    RecordNode(trace, j, kDeferredWithdrawal, year.DeferredWithdrawal, std::move(rest));
    return;
  } else {
    RecordNode(trace, j, kDeferredWithdrawal, year.DeferredWithdrawal,
               std::move(ExplainTerms().Cell(j, kTaxDeferred, year.TaxDeferred)));
    rest.Cell(j, kTaxDeferred, year.TaxDeferred, true);
    restAmount = SubMoney(restAmount, year.TaxDeferred);
  }

  if (RentsInYear(plan.HomeStatus, j, plan.YearsToMove)) {
    RecordNote(trace, j, kHomeEquityBorrowing, 0, "no home to borrow against this year");
    RecordNode(trace, j, kUnfundedShortfall, year.UnfundedShortfall, std::move(rest));
    return;
  }
  if (year.UnfundedShortfall == 0) {
    RecordNode(trace, j, kHomeEquityBorrowing, year.HomeEquityBorrowing, std::move(rest));
    return;
  }
  if (run.homeEquityFloored && year.HomeEquityBorrowing == 0) {
    RecordNote(trace, j, kHomeEquityBorrowing, 0,
               "nothing to borrow: the mortgage owed is 75 % of the home's value or more");
  } else {
    ExplainTerms limit;
    limit.ScaledCell(j, kProperty, year.Property, kHomeEquityLimit, "the most that can be borrowed against the home");
    AddMortgageOwed(table, j, limit, true);
    RecordNode(trace, j, kHomeEquityBorrowing, year.HomeEquityBorrowing, std::move(limit));
  }
  ExplainTerms unfunded;
  unfunded.Step("shortfall left after savings", std::move(rest), restAmount)
      .Cell(j, kHomeEquityBorrowing, year.HomeEquityBorrowing, true);
  RecordNode(trace, j, kUnfundedShortfall, year.UnfundedShortfall, std::move(unfunded));
}
