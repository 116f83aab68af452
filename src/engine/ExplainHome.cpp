#include "engine/ExplainSteps.h"
#include "engine/Money.h"
#include "model/HomeSituation.h"

namespace {

constexpr int kMortgage = SlotOf(&YearRecord::Mortgage);
constexpr int kMortgagePayment = SlotOf(&YearRecord::MortgagePayment);
constexpr int kPropertyTax = SlotOf(&YearRecord::PropertyTax);
constexpr int kProperty = SlotOf(&YearRecord::Property);
constexpr int kHomeEquity = SlotOf(&YearRecord::HomeEquity);
constexpr int kHomeEquityBorrowing = SlotOf(&YearRecord::HomeEquityBorrowing);

void TraceEquity(const RunFactors& run, const ForecastTable& table, int a) {
  const YearRecord& year = table.Year(a);
  ExplainTerms terms;
  terms.Cell(a, kProperty, year.Property);
  AddMortgageOwed(table, a, terms, true);
  RecordNode(*run.trace, a, kHomeEquity, year.HomeEquity, std::move(terms));
}

// The new home's property tax from the purchase on.
bool PaysNewHomeTaxes(const PlanRecord& plan, int a) {
  const std::int64_t move = plan.YearsToMove;
  return BuysAtMove(plan.HomeStatus) && move >= 1 && a - 1 >= move;
}

void TracePropertyTax(const RunFactors& run, const ForecastTable& table, int a) {
  ExplainTerms terms;
  terms.ScaledInput(PaysNewHomeTaxes(run.plan, a) ? "NewHomeTaxes" : "HomeTaxes", table.work.CurrentPropertyTax,
                    run.InflationIndex(a - 1), InflationLabel(run, a));
  RecordNode(*run.trace, a, kPropertyTax, table.Year(a).PropertyTax, std::move(terms));
}

}  // namespace

std::string AnnuityLabel(const RunFactors& run, std::int64_t years) {
  return "a year repays a loan over " + std::to_string(years) + " years at " + RateText(run.plan.MortgageRate) +
         " % interest";
}

std::string InflationLabel(const RunFactors& run, int a) {
  return "prices rise %p from " + std::to_string(run.plan.CurrentYear) + " to " + std::to_string(CalendarYear(run, a));
}

void AddMortgageOwed(const ForecastTable& table, int a, ExplainTerms& terms, bool negative) {
  const std::int64_t owed = table.work.MortgageOwed;
  if (owed == 0) return;
  if (owed == table.Year(a).Mortgage) {
    terms.Cell(a, kMortgage, owed, negative);
  } else {
    terms.Amount("mortgage balance owed", negative ? SubMoney(0, owed) : owed);
  }
}

void TraceFirstYearHome(const RunFactors& run, const ForecastTable& table) {
  const PlanRecord& plan = run.plan;
  if (!OwnsHomeNow(plan.HomeStatus)) {
    TraceNoHome(run, table, 1, "no home owned this year");
    return;
  }
  const YearRecord& year = table.Year(1);
  ExplainTrace& trace = *run.trace;
  RecordNode(trace, 1, kMortgage, year.Mortgage, std::move(ExplainTerms().Input("MortgageBalance", year.Mortgage)));
  RecordNode(
      trace, 1, kMortgagePayment, year.MortgagePayment,
      std::move(ExplainTerms().ScaledInput("MortgageBalance", plan.MortgageBalance, run.Annuity(plan.MortgageYears),
                                           AnnuityLabel(run, plan.MortgageYears))));
  RecordNode(trace, 1, kPropertyTax, year.PropertyTax, std::move(ExplainTerms().Input("HomeTaxes", year.PropertyTax)));
  RecordNode(trace, 1, kProperty, year.Property, std::move(ExplainTerms().Input("HomeValue", year.Property)));
  TraceEquity(run, table, 1);
}

void TraceNoHome(const RunFactors& run, const ForecastTable& table, int a, const std::string& why) {
  const YearRecord& year = table.Year(a);
  for (const int slot : {kMortgage, kMortgagePayment, kPropertyTax, kProperty, kHomeEquity}) {
    RecordNote(*run.trace, a, slot, year.*kForecastColumns[static_cast<std::size_t>(slot)].field, why);
  }
}

void TracePurchase(const RunFactors& run, const ForecastTable& table, int a) {
  const PlanRecord& plan = run.plan;
  const YearRecord& year = table.Year(a);
  const std::int64_t k = a - 1;
  ExplainTrace& trace = *run.trace;
  RecordNode(trace, a, kMortgage, year.Mortgage,
             std::move(ExplainTerms().ScaledInput("NewMortgage", plan.NewMortgage, run.InflationIndex(k),
                                                  InflationLabel(run, a))));
  RecordNode(trace, a, kMortgagePayment, year.MortgagePayment,
             std::move(ExplainTerms().ScaledCell(a, kMortgage, table.work.MortgagePrincipal,
                                                 run.Annuity(table.work.MortgageTerm),
                                                 AnnuityLabel(run, table.work.MortgageTerm))));
  TracePropertyTax(run, table, a);
  RecordNode(trace, a, kProperty, year.Property,
             std::move(ExplainTerms().ScaledInput("NewHomePrice", plan.NewHomePrice, run.PropertyIndex(k),
                                                  "home prices rise %p from " + std::to_string(plan.CurrentYear) +
                                                      " to " + std::to_string(CalendarYear(run, a)))));
  TraceEquity(run, table, a);
}

void TraceOwnedHome(const RunFactors& run, const ForecastTable& table, int a, std::int64_t owedBefore,
                    bool reborrowed) {
  const EngineWork& work = table.work;
  const YearRecord& year = table.Year(a);
  const YearRecord& last = table.Year(a - 1);
  if (work.MortgageTerm == 0) {
    const char* why = "no mortgage: it is paid off (a last payment within $100 of the balance is not charged)";
    RecordNote(*run.trace, a, kMortgage, year.Mortgage, why);
    RecordNote(*run.trace, a, kMortgagePayment, year.MortgagePayment, why);
  } else {
    RecordNode(*run.trace, a, kMortgagePayment, year.MortgagePayment,
               std::move(ExplainTerms().ScaledAmount("loan the level payment is built on (the balance when its term "
                                                     "began)",
                                                     work.MortgagePrincipal, run.Annuity(work.MortgageTerm),
                                                     AnnuityLabel(run, work.MortgageTerm))));
    ExplainTerms owed;
    if (owedBefore == last.Mortgage) {
      owed.Cell(a - 1, kMortgage, owedBefore);
    } else {
      owed.Amount("mortgage balance owed", owedBefore);
    }
    if (reborrowed) owed.Cell(a - 1, kHomeEquityBorrowing, last.HomeEquityBorrowing);
    ExplainTerms terms = owed;
    terms.ScaledStep("interest", std::move(owed), run.plan.MortgageRate / 100.0L, "mortgage rate");
    terms.Cell(a, kMortgagePayment, year.MortgagePayment, true);
    RecordNode(*run.trace, a, kMortgage, year.Mortgage, std::move(terms), 1);
  }
  TracePropertyTax(run, table, a);
  RecordNode(*run.trace, a, kProperty, year.Property,
             std::move(ExplainTerms().ScaledCell(a - 1, kProperty, last.Property, run.PropertyGrowth(a - 1),
                                                 "the home's value grows %p" + InYear(run, a - 1))));
  TraceEquity(run, table, a);
}
