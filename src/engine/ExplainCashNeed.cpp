#include <utility>
#include <vector>

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
constexpr int kRothBalance = SlotOf(&YearRecord::RothBalance);
constexpr int kRothContribution = SlotOf(&YearRecord::RothContribution);
constexpr int kRothWithdrawal = SlotOf(&YearRecord::RothWithdrawal);
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
// `moved` tells whether a purchase or sale at the move joined it.
ExplainTerms NeedTerms(const RunFactors& run, const ForecastTable& table, int j, std::int64_t& need, bool& moved) {
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
  if (year.RothContribution != 0) {
    terms.Cell(j, kRothContribution, year.RothContribution);
    need = AddMoney(need, year.RothContribution);
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
    moved = true;
    if (SellsAtMove(plan.HomeStatus)) {
      AddSale(run, table, j, terms);
      need = SubMoney(need, HomeSaleProceeds(table, j));
    }
  } else if (HomeSituationOf(plan.HomeStatus) == HomeSituation::OwnThenRent && plan.HomeValue > 0) {
    AddSale(run, table, j, terms);
    need = SubMoney(need, HomeSaleProceeds(table, j));
    moved = true;
  }
  return terms;
}

}  // namespace

namespace {

// What is left of the year's cash need as the accounts are drawn in order:
// the need's own terms until an account is drawn, then the need less the
// balances drawn whole.
class Uncovered {
 public:
  Uncovered(int j, ExplainTerms need, std::int64_t amount) : j_(j), need_(std::move(need)), needAmount_(amount), amount_(amount) {}

  std::int64_t Amount() const { return amount_; }
  void Take(int slot, std::int64_t value) {
    taken_.push_back({slot, value});
    amount_ = SubMoney(amount_, value);
  }
  // The terms of what is left; `skip` leaves out one balance taken.
  ExplainTerms Terms(int skip = -1) const {
    if (taken_.empty() && skip < 0) return need_;
    ExplainTerms terms;
    terms.Step("the year's cash need", need_, needAmount_);
    for (const auto& [slot, value] : taken_) {
      if (slot != skip) terms.Cell(j_, slot, value, true);
    }
    return terms;
  }

 private:
  int j_;
  ExplainTerms need_;
  std::int64_t needAmount_;
  std::int64_t amount_;
  std::vector<std::pair<int, std::int64_t>> taken_;
};

// Each account's step; true when it met the rest of the need.
bool TraceTaxableDraw(ExplainTrace& trace, const YearRecord& year, int j, Uncovered& rest) {
  if (rest.Amount() <= year.TaxableInvest) {
    RecordNode(trace, j, kTaxableWithdrawal, year.TaxableWithdrawal, rest.Terms());
    return true;
  }
  RecordNode(trace, j, kTaxableWithdrawal, year.TaxableWithdrawal,
             std::move(ExplainTerms().Cell(j, kTaxableInvest, year.TaxableInvest)));
  rest.Take(kTaxableInvest, year.TaxableInvest);
  return false;
}

bool TraceDeferredDraw(const RunFactors& run, const ForecastTable& table, int j, Uncovered& rest) {
  const YearRecord& year = table.Year(j);
  ExplainTrace& trace = *run.trace;
  if (!MayDrawDeferred(run.plan, run.taxRules, j)) {
    RecordNote(trace, j, kDeferredWithdrawal, 0, "person 1 is under 59: the tax-deferred account is not drawn");
    return false;
  }
  if (AddMoney(rest.Amount(), RequiredDistribution(run.plan, run.taxRules, table, j)) <= year.TaxDeferred) {
    RecordNode(trace, j, kDeferredWithdrawal, year.DeferredWithdrawal, rest.Terms());
    return true;
  }
  RecordNode(trace, j, kDeferredWithdrawal, year.DeferredWithdrawal,
             std::move(ExplainTerms().Cell(j, kTaxDeferred, year.TaxDeferred)));
  rest.Take(kTaxDeferred, year.TaxDeferred);
  if (rest.Amount() > 0) return false;
  // The emptied tax-deferred account covered the year and more: the rest
  // stayed in taxable savings, whatever taxable savings gave before.
  RecordNode(trace, j, kTaxableWithdrawal, year.TaxableWithdrawal, rest.Terms(kTaxableInvest));
  return true;
}

bool TraceRothDraw(ExplainTrace& trace, const YearRecord& year, int j, Uncovered& rest) {
  if (rest.Amount() <= year.RothBalance) {
    RecordNode(trace, j, kRothWithdrawal, year.RothWithdrawal, rest.Terms());
    return true;
  }
  if (year.RothBalance <= 0) {
    RecordNote(trace, j, kRothWithdrawal, 0, "no Roth balance to draw");
    return false;
  }
  RecordNode(trace, j, kRothWithdrawal, year.RothWithdrawal,
             std::move(ExplainTerms().Cell(j, kRothBalance, year.RothBalance)));
  rest.Take(kRothBalance, year.RothBalance);
  return false;
}

}  // namespace

void TraceCashNeed(const RunFactors& run, const ForecastTable& table, int j) {
  const PlanRecord& plan = run.plan;
  const YearRecord& year = table.Year(j);
  ExplainTrace& trace = *run.trace;
  std::int64_t need = 0;
  bool moved = false;
  ExplainTerms needTerms = NeedTerms(run, table, j, need, moved);
  const char* const noDraw = "nothing drawn: the year's cash need is met before this step";
  for (const int slot : {kDeferredWithdrawal, kRothWithdrawal, kHomeEquityBorrowing, kUnfundedShortfall}) {
    RecordNote(trace, j, slot, 0, noDraw);
  }
  Uncovered rest(j, std::move(needTerms), need);
  const AccountOrder& order = run.strategy.order;
  // A surplus joins taxable savings.
  if ((moved && need < 0) || (need <= 0 && order.front() != Account::Taxable)) {
    RecordNode(trace, j, kTaxableWithdrawal, need, rest.Terms());
    return;
  }
  for (const Account account : order) {
    const bool covered = account == Account::Taxable    ? TraceTaxableDraw(trace, year, j, rest)
                         : account == Account::Deferred ? TraceDeferredDraw(run, table, j, rest)
                                                        : TraceRothDraw(trace, year, j, rest);
    if (covered) return;
  }

  if (RentsInYear(plan.HomeStatus, j, plan.YearsToMove)) {
    RecordNote(trace, j, kHomeEquityBorrowing, 0, "no home to borrow against this year");
    RecordNode(trace, j, kUnfundedShortfall, year.UnfundedShortfall, rest.Terms());
    return;
  }
  if (year.UnfundedShortfall == 0) {
    RecordNode(trace, j, kHomeEquityBorrowing, year.HomeEquityBorrowing, rest.Terms());
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
  unfunded.Step("shortfall left after savings", rest.Terms(), rest.Amount())
      .Cell(j, kHomeEquityBorrowing, year.HomeEquityBorrowing, true);
  RecordNode(trace, j, kUnfundedShortfall, year.UnfundedShortfall, std::move(unfunded));
}
