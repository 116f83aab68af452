#include <cstdio>

#include "engine/DollarViews.h"
#include "markets/RecordedInflation.h"
#include "model/HomeSituation.h"
#include "model/NumberFormat.h"
#include "model/WithdrawalStrategy.h"
#include "odds/ShortfallLevel.h"
#include "report/ReportPages.h"
#include "solve/SolveSummary.h"

namespace {

std::string PersonWords(const std::string& name, std::int32_t age, std::int32_t retireAge) {
  return name + ", " + std::to_string(age) + ", retires at " + std::to_string(retireAge);
}

std::string HomeWords(const PlanRecord& plan) {
  const std::string move = std::to_string(plan.CurrentYear + plan.YearsToMove - 1);
  switch (HomeSituationOf(plan.HomeStatus)) {
    case HomeSituation::Rent:
      return "They rent their home for " + FormatDollars(plan.AnnualRent) + " a year.";
    case HomeSituation::Own:
      return "They own their home, worth " + FormatDollars(plan.HomeValue) + ", with a mortgage of " +
             FormatDollars(plan.MortgageBalance) + ".";
    case HomeSituation::RentThenBuy:
      return "They rent now and buy a home for " + FormatDollars(plan.NewHomePrice) + " in " + move + ".";
    case HomeSituation::OwnThenBuyAnother:
      return "They own their home, worth " + FormatDollars(plan.HomeValue) + ", and buy another for " +
             FormatDollars(plan.NewHomePrice) + " in " + move + ".";
    case HomeSituation::OwnThenRent:
      return "They own their home, worth " + FormatDollars(plan.HomeValue) + ", sell it in " + move +
             " and rent from then on.";
  }
  return "The plan's home situation is not one of the five the program knows.";
}

std::string HouseholdParagraph(const PlanRecord& plan) {
  std::string text = PersonWords(plan.Name1, plan.Age1, plan.RetireAge1);
  if (plan.SecondPerson) text += "; " + PersonWords(plan.Name2, plan.Age2, plan.RetireAge2);
  text += ". The forecast runs from " + std::to_string(plan.CurrentYear) + " to " +
          std::to_string(plan.CurrentYear + RowCount(plan) - 1) + ". " + HomeWords(plan);
  return text;
}

// Net worth (or another worth) in the year person 1 reaches `age1`, or
// nothing past the forecast.
void AddNetWorthRow(ReportTable& table, const ReportFigures& figures, const std::string& when, std::int64_t age1,
                    const char* what = "Net worth", std::int64_t YearRecord::*field = &YearRecord::NetWorth) {
  const std::int64_t a = age1 - figures.plan.Age1 + 1;
  if (a < 1 || a > RowCount(figures.plan)) return;
  const std::int64_t year = figures.plan.CurrentYear + a - 1;
  table.rows.push_back({std::string(what) + " " + when + " (" + std::to_string(year) + ")",
                        FormatDollars(figures.currentTable.Year(static_cast<int>(a)).*field)});
}

std::int64_t LifetimeSum(const ReportFigures& figures, std::int64_t YearRecord::*field) {
  return SumOverYears(figures.currentTable, RowCount(figures.plan), field);
}

ReportTable HeadlineTable(const ReportFigures& figures) {
  const PlanRecord& plan = figures.plan;
  ReportTable table{{"Figure", "Today's dollars"}, {false, true}, {}, 0};
  AddNetWorthRow(table, figures, "at " + plan.Name1 + "'s retirement", plan.RetireAge1);
  if (plan.SecondPerson) {
    AddNetWorthRow(table, figures, "at " + plan.Name2 + "'s retirement",
                   plan.RetireAge2 - static_cast<std::int64_t>(plan.Age2) + plan.Age1);
  }
  AddNetWorthRow(table, figures, "when " + plan.Name1 + " is 90", 90);
  // With a Roth account or a withdrawal strategy, what is left after the tax
  // the tax-deferred balance still owes (docs/withdrawals.md).
  if (UsesAccounts(plan)) {
    AddNetWorthRow(table, figures, "when " + plan.Name1 + " is 90", 90, "After-tax net worth",
                   &YearRecord::AfterTaxNetWorth);
  }
  table.rows.push_back({"Lifetime income taxes", FormatDollars(LifetimeSum(figures, &YearRecord::IncomeTaxes))});
  table.rows.push_back({"Lifetime property taxes", FormatDollars(LifetimeSum(figures, &YearRecord::PropertyTax))});
  const auto first = FirstYearOfEachLevel(plan, figures.table, figures.rules.taxes);
  for (int level = 1; level < kShortfallLevelCount; ++level) {
    const std::int64_t year = first[static_cast<std::size_t>(level)];
    std::string words = ShortfallLevelText(static_cast<ShortfallLevel>(level));
    words[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(words[0])));
    table.rows.push_back({words + ": first year", year == 0 ? "never" : std::to_string(year)});
  }
  return table;
}

ReportTable OddsTable(const ReportFigures& figures) {
  ReportTable table{
      {"Model", "Settings", "Savings lasted", "Never took new debt", "Net worth below zero"},
      {false, false, true, true, true},
      {},
      0};
  for (const ReportOdds& odds : figures.odds) {
    table.rows.push_back({odds.model, odds.settings, ShareText(odds.result.SavingsLastedShare()),
                          ShareText(odds.result.NoNewDebtShare()), ShareText(odds.result.BelowZeroShare())});
  }
  return table;
}

std::string AnswerParagraph(const std::string& what, const ReportAnswer& answer) {
  const std::string odds =
      answer.request.odds
          ? "in at least " + PercentNumber(answer.request.odds->percentHundredths) + " % of the Monte Carlo trials"
          : "on the plan's own rates";
  std::string text = what + ", " + odds + ": ";
  if (!answer.problem.empty()) return text + "no answer: " + answer.problem + ".";
  if (answer.result.status != SolveStatus::Solved) return text + "no answer: " + answer.result.reason + ".";
  return text + AnswerLine(answer.request, answer.result) + ".\nProof: " + ProofLine(answer.request, answer.result) +
         ".";
}

ReportTable RulesTable(const ReportFigures& figures, const ReportSettings& settings) {
  std::string past = PastInflationNote(figures.plan.CurrentYear, settings.rules.past);
  if (past.empty()) {
    past = "Years before " + std::to_string(figures.plan.CurrentYear) +
           ": the recorded US consumer price inflation (--past-inflation recorded)";
  }
  const MarketHistory& history = settings.history;
  return {{"Rule", "In force"},
          {false, false},
          {{"Past inflation", past},
           {"Tax rules for future years", TaxRulesTitle(settings.rules.taxes)},
           {"Market history", settings.historyName + ", " + std::to_string(history.years.front().year) + "-" +
                                  std::to_string(history.years.back().year) + ", " +
                                  std::to_string(history.years.size()) + " years"}},
          0};
}

}  // namespace

std::string ShareText(double percent) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f %%", percent);
  return text;
}

ReportPage SummaryPage(const ReportFigures& figures, const ReportSettings& settings) {
  ReportPage page{"Summary", {}};
  page.blocks.push_back(HeadingBlock("The household"));
  page.blocks.push_back(ParagraphBlock(HouseholdParagraph(figures.plan)));
  page.blocks.push_back(HeadingBlock("Headline figures, " + DollarViewPhrase(true, figures.plan.CurrentYear)));
  page.blocks.push_back(TableBlock(HeadlineTable(figures)));
  page.blocks.push_back(HeadingBlock("Odds under three models of markets"));
  page.blocks.push_back(TableBlock(OddsTable(figures)));
  page.blocks.push_back(ParagraphBlock(
      "The headline is the share of trials whose savings lasted: in that share of the market paths the "
      "plan always covered its expenses from income and savings, never borrowing against the home nor taking "
      "new debt. Beside it, the share that never took new debt also counts the paths that borrowed against "
      "the home."));
  page.blocks.push_back(HeadingBlock("Answers: the plan " + TargetWords(figures.answers.front().request.target)));
  const char* what[] = {"Largest yearly spending", "Largest yearly spending", "Earliest retirement",
                        "Earliest retirement"};
  for (std::size_t i = 0; i < figures.answers.size(); ++i)
    page.blocks.push_back(ParagraphBlock(AnswerParagraph(what[i], figures.answers[i])));
  page.blocks.push_back(HeadingBlock("Rules in force"));
  page.blocks.push_back(TableBlock(RulesTable(figures, settings)));
  return page;
}
