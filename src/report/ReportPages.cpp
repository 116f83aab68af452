#include "report/ReportPages.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "compare/PlanLines.h"
#include "engine/DollarViews.h"
#include "engine/ForecastColumns.h"
#include "model/NumberFormat.h"
#include "model/PlanFieldLabels.h"
#include "odds/ShortfallLevel.h"

namespace {

constexpr std::size_t kSensitivityRows = 10;

std::string Trimmed(const char* text) {
  std::string s = text;
  s.erase(0, s.find_first_not_of(' '));
  return s;
}

std::vector<std::int64_t> ForecastYears(const PlanRecord& plan) {
  std::vector<std::int64_t> years;
  for (int a = 1; a <= RowCount(plan); ++a) years.push_back(static_cast<std::int64_t>(plan.CurrentYear) + a - 1);
  return years;
}

std::vector<std::int64_t> NetWorths(const PlanRecord& plan, const ForecastTable& table) {
  std::vector<std::int64_t> values;
  for (int a = 1; a <= RowCount(plan); ++a) values.push_back(table.Year(a).NetWorth);
  return values;
}

std::string StressName(const ReportStress& stress) {
  return "starting as " + std::to_string(stress.startYear) + (stress.worst ? " (the worst start)" : "");
}

std::string FirstBorrowing(const ReportFigures& figures, const ReportStress& stress) {
  const auto first = FirstYearOfEachLevel(figures.plan, stress.table, figures.rules.taxes);
  const std::int64_t home = first[static_cast<std::size_t>(ShortfallLevel::HomeEquity)];
  const std::int64_t debt = first[static_cast<std::size_t>(ShortfallLevel::NewDebt)];
  if (home == 0 && debt == 0) return "never";
  if (home == 0 || (debt != 0 && debt < home)) return std::to_string(debt) + " (new debt)";
  return std::to_string(home) + " (home equity)";
}

// Amounts, years and rates as the solver writes them ("$52,300", "4.25 %"); texts and the flag as the file has them.
std::string EntryText(const PlanRecord& plan, int line) {
  std::string error;
  const std::optional<Lever> lever = FieldLever(std::string(PlanFieldLabels()[static_cast<std::size_t>(line)].name), error);
  if (lever) return LeverValueText(*lever, LeverValue(*lever, plan));
  // Page totals the solver does not move are amounts too.
  const PlanLineField field = PlanFieldLabels()[static_cast<std::size_t>(line)].field;
  if (const auto* amount = std::get_if<std::int64_t PlanRecord::*>(&field)) return FormatDollars(plan.*(*amount));
  return ValueText(plan, line);
}

}  // namespace

ReportBlock HeadingBlock(std::string text) { return {ReportBlock::Kind::Heading, std::move(text), {}, {}}; }
ReportBlock ParagraphBlock(std::string text) { return {ReportBlock::Kind::Paragraph, std::move(text), {}, {}}; }
ReportBlock TableBlock(ReportTable table) { return {ReportBlock::Kind::Table, {}, std::move(table), {}}; }
ReportBlock ChartBlock(ReportChart chart) { return {ReportBlock::Kind::Chart, {}, {}, std::move(chart)}; }
ReportBlock DrawingBlock(std::size_t drawing) { return {ReportBlock::Kind::Drawing, {}, {}, {}, drawing}; }

ReportChart OddsFanChart(const ReportOdds& odds, const PlanRecord& plan) {
  ReportChart chart;
  chart.caption = "Net worth, " + DollarViewPhrase(true, plan.CurrentYear) + ", " + odds.model + " trials";
  chart.lines.resize(kBandPercents.size());
  for (std::size_t i = 0; i < kBandPercents.size(); ++i) {
    chart.lines[i].name = "p" + std::to_string(kBandPercents[i]);
    chart.lines[i].bold = kBandPercents[i] == 50;
  }
  for (const YearBands& year : odds.result.years) {
    chart.years.push_back(year.year);
    for (std::size_t i = 0; i < kBandPercents.size(); ++i) chart.lines[i].values.push_back(year.current[i]);
  }
  chart.bands = {{0, 4, 0}, {1, 3, 1}};
  return chart;
}

ReportTable OddsLevelsTable(const std::vector<ReportOdds>& models) {
  ReportTable table{{"Deepest shortfall reached"}, {false}, {}, 0};
  for (const ReportOdds& odds : models) {
    table.header.push_back(odds.model);
    table.rightAligned.push_back(true);
  }
  for (int i = 0; i < kShortfallLevelCount; ++i) {
    std::vector<std::string> row = {ShortfallLevelText(static_cast<ShortfallLevel>(i))};
    for (const ReportOdds& odds : models) row.push_back(ShareText(odds.result.LevelShare(ShortfallLevel(i))));
    table.rows.push_back(row);
  }
  std::vector<std::string> below = {"net worth below zero at some age"};
  std::vector<std::string> median = {"median first year of new debt"};
  for (const ReportOdds& odds : models) {
    below.push_back(ShareText(odds.result.BelowZeroShare()));
    const auto& year = odds.result.medianFirstNewDebtYear;
    median.push_back(year ? std::to_string(*year) : "none");
  }
  table.rows.push_back(below);
  table.rows.push_back(median);
  return table;
}

ReportTable SensitivityTable(const SensitivityResult& result, std::size_t rows, bool odds) {
  ReportTable table{{"Input", "Value", "Step", "One step down", "One step up"}, {false, true, true, true, true}, {}, 0};
  const auto change = [odds](double value) {
    if (odds) {
      char text[32];
      std::snprintf(text, sizeof text, "%+.2f pt", value);
      return std::string(text);
    }
    const std::int64_t dollars = std::llround(value);
    return (dollars > 0 ? "+" : "") + FormatDollars(dollars);
  };
  for (const SensitivityRow& row : result.rows) {
    if (table.rows.size() == rows || row.Swing() == 0.0) break;
    const PlanFieldLabel& label = PlanFieldLabels()[static_cast<std::size_t>(row.input.line)];
    table.rows.push_back({std::string(label.words) + " (" + label.page + ")", LeverValueText(row.input, row.value),
                          LeverValueText(row.input, SensitivityStep(row.input, row.value)), change(row.changeDown),
                          change(row.changeUp)});
  }
  return table;
}

ReportPage OddsPage(const ReportFigures& figures) {
  ReportPage page{"Odds", {}};
  const ReportOdds& monteCarlo = figures.odds.front();
  page.blocks.push_back(ParagraphBlock(
      "The bands hold the middle 80 % and 50 % of the Monte Carlo trials' net worth, year by year; the bold line "
      "is the median. Below, each model's trials by the deepest shortfall they reached."));
  page.blocks.push_back(ChartBlock(OddsFanChart(monteCarlo, figures.plan)));
  page.blocks.push_back(TableBlock(OddsLevelsTable(figures.odds)));
  const int worst = monteCarlo.result.WorstTrial();
  page.blocks.push_back(
      ParagraphBlock("Worst Monte Carlo trial: " + std::to_string(worst + 1) + " (" +
                     ShortfallLevelText(monteCarlo.result.trialSummaries[static_cast<std::size_t>(worst)].grade.level) +
                     "); simulate --trial " + std::to_string(worst + 1) + " prints its year table."));
  return page;
}

ReportPage StressPage(const ReportFigures& figures) {
  ReportPage page{"Stress tests", {}};
  page.blocks.push_back(ParagraphBlock(
      "The plan replayed on the market history from a start year on, beside the plan on its own rates; net "
      "worth in " +
      DollarViewPhrase(true, figures.plan.CurrentYear) +
      ". Borrowing is against the home or new "
      "debt."));
  ReportChart chart;
  chart.caption = "Net worth, " + DollarViewPhrase(true, figures.plan.CurrentYear);
  chart.years = ForecastYears(figures.plan);
  chart.lines.push_back({"the plan", NetWorths(figures.plan, figures.currentTable), true, false});
  ReportTable table{{"Rates", "First borrowing", "Final net worth"}, {false, true, true}, {}, 0};
  table.rows.push_back({"the plan's own", FirstBorrowing(figures, {0, false, figures.table, {}}),
                        FormatDollars(figures.currentTable.Year(RowCount(figures.plan)).NetWorth)});
  for (const ReportStress& stress : figures.stress) {
    chart.lines.push_back({StressName(stress), NetWorths(figures.plan, stress.table), false, true});
    table.rows.push_back({StressName(stress), FirstBorrowing(figures, stress),
                          FormatDollars(stress.table.Year(RowCount(figures.plan)).NetWorth)});
  }
  chart.small = true;
  page.blocks.push_back(ChartBlock(std::move(chart)));
  page.blocks.push_back(TableBlock(std::move(table)));
  return page;
}

ReportPage SensitivityPage(const ReportFigures& figures) {
  ReportPage page{"Sensitivity", {}};
  const SensitivityResult& result = figures.sensitivity;
  page.blocks.push_back(ParagraphBlock(
      "Each input moved one step down and up (amounts 10 %, ages and years 1, rates 1 point), and what that does "
      "to the last year's net worth in today's dollars, " +
      FormatDollars(std::llround(result.base)) + " in the plan. The ten inputs that move it most:"));
  page.blocks.push_back(TableBlock(SensitivityTable(result, kSensitivityRows, false)));
  return page;
}

ReportPage YearTablePage(const ReportFigures& figures) {
  const PlanRecord& plan = figures.plan;
  ReportPage page{"Year table", {}};
  page.blocks.push_back(ParagraphBlock("The forecast year by year, " + DollarViewPhrase(true, plan.CurrentYear) + "."));
  ReportTable table{{"Year", "Age " + plan.Name1}, {true, true}, {}, plan.SecondPerson ? 3 : 2};
  if (plan.SecondPerson) {
    table.header.push_back("Age " + plan.Name2);
    table.rightAligned.push_back(true);
  }
  for (const ForecastColumn& column : kPlanPageColumns) {
    table.header.push_back(Trimmed(column.title));
    table.rightAligned.push_back(true);
  }
  for (int a = 1; a <= RowCount(plan); ++a) {
    std::vector<std::string> row = {std::to_string(static_cast<std::int64_t>(plan.CurrentYear) + a - 1),
                                    std::to_string(static_cast<std::int64_t>(plan.Age1) + a - 1)};
    if (plan.SecondPerson) row.push_back(std::to_string(static_cast<std::int64_t>(plan.Age2) + a - 1));
    for (const ForecastColumn& column : kPlanPageColumns)
      row.push_back(FormatDollars(figures.currentTable.Year(a).*column.field));
    table.rows.push_back(std::move(row));
  }
  page.blocks.push_back(TableBlock(std::move(table)));
  return page;
}

ReportPage InputsPage(const ReportFigures& figures) {
  ReportPage page{"Inputs", {}};
  const auto& labels = PlanFieldLabels();
  std::vector<std::string> pages;
  for (const PlanFieldLabel& label : labels) {
    if (std::find(pages.begin(), pages.end(), label.page) == pages.end()) pages.emplace_back(label.page);
  }
  // The plan file's own line is in every page's header.
  pages.erase(pages.begin());
  for (const std::string& name : pages) {
    ReportTable table{{"Entry", "Value"}, {false, true}, {}, 0};
    for (std::size_t line = 0; line < labels.size(); ++line) {
      if (name != labels[line].page) continue;
      // The block's inputs are listed when used, so a plan without them reports as before.
      if (line >= kPlanFileLines && SameValue(figures.plan, PlanRecord{}, static_cast<int>(line))) continue;
      const std::string section = labels[line].section;
      table.rows.push_back({(section.empty() ? "" : section + ": ") + labels[line].words,
                            EntryText(figures.plan, static_cast<int>(line))});
    }
    page.blocks.push_back(HeadingBlock(name));
    page.blocks.push_back(TableBlock(std::move(table)));
  }
  return page;
}

ReportPage NotesPage(const ReportFigures& figures, const ReportSettings& settings) {
  ReportPage page{"Notes", {}};
  page.blocks.push_back(HeadingBlock("Assumptions"));
  page.blocks.push_back(ParagraphBlock(
      "The forecast runs the plan year by year on its own rates: inflation " +
      FormatDecimal(figures.plan.InflationRate, 2) +
      " % a year, and the returns and growth the Assumptions Page "
      "holds. Today's dollars divide each year's amounts by the inflation from " +
      std::to_string(figures.plan.CurrentYear) +
      " to that year. A shortfall (expenses above income) is covered "
      "from taxable savings first, then from tax-deferred savings, then by borrowing against the home; what "
      "nothing covers becomes new debt."));
  page.blocks.push_back(ParagraphBlock(
      "Monte Carlo draws every year's four rates at random around the plan's own, with the swings and links of "
      "the US history; the historical model replays the history from each start year on; the bootstrap strings "
      "together runs of " +
      std::to_string(settings.block) +
      " consecutive history years at random. Accounts "
      "hold " +
      FormatDecimal(settings.historical.stocksTaxable, 0) + " % stocks under the history's models."));
  page.blocks.push_back(HeadingBlock("Data sources"));
  page.blocks.push_back(ParagraphBlock(
      "The built-in US history 1928-2025, in nominal percent a year: consumer price inflation from the US Bureau "
      "of Labor Statistics' CPI-U (December to December, as FRED carries it); large US stocks with dividends, "
      "10-year Treasury bonds and home prices (Robert Shiller's data continued by the Case-Shiller national "
      "index) from Aswath Damodaran's \"Historical Returns on Stocks, Bonds and Bills: 1928-2025\" (NYU Stern). "
      "docs/market-history.md lists the sources and how they were checked."));
  page.blocks.push_back(HeadingBlock("A forecast is not a promise"));
  page.blocks.push_back(ParagraphBlock(
      "These figures follow from the plan's entries and from models of markets, not from the future. Rates, "
      "laws and lives change: read the odds as a measure of how much room the plan has, and run the report "
      "again when anything changes."));
  return page;
}

ReportDocument BuildReportDocument(const ReportFigures& figures, const ReportSettings& settings,
                                   const std::string& date) {
  ReportDocument document;
  document.planName = CaptionPlanName(figures.plan.PlanFileName);
  document.planFile = figures.plan.PlanFileName;
  document.date = date;
  ReportPage graph{"Graph", {}};
  graph.blocks.push_back({ReportBlock::Kind::PlanGraph, {}, {}, {}});
  document.pages = {SummaryPage(figures, settings),
                    graph,
                    OddsPage(figures),
                    StressPage(figures),
                    SensitivityPage(figures),
                    YearTablePage(figures),
                    InputsPage(figures),
                    NotesPage(figures, settings)};
  return document;
}
