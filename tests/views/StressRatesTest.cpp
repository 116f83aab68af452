#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "compare/Comparison.h"
#include "engine/RatePathCsv.h"
#include "model/PlanFile.h"
#include "odds/MonteCarloModel.h"
#include "odds/OddsRunner.h"
#include "support/TestProgram.h"
#include "views/ComparisonPage.h"
#include "views/ExplainWindow.h"
#include "views/OddsPage.h"
#include "views/OddsSettingsForm.h"
#include "views/StressMenu.h"
#include "views/TrialTableDialog.h"
#include "views/YearGrid.h"

// The chosen stress test (a typed rate scenario or a history start) carried
// into the explanations of its table, the comparison and the odds.
namespace {

constexpr int kRunTimeoutMs = 20000;

// Every headline figure of a comparison, base and other.
std::vector<std::optional<std::int64_t>> Figures(const Comparison& comparison) {
  std::vector<std::optional<std::int64_t>> figures;
  for (const SummaryLine& line : comparison.summary) figures.insert(figures.end(), {line.base, line.other});
  return figures;
}

class StressRatesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ReadPlanFile(program.session.plan, PREVORA_TEST_DATA "/../../resources/Double.plan").ok);
    program.session.RunForecastForView();
    program.Current()->Activate();
  }

  // Inflation 5 % for ten years from next year.
  void ChooseScenario() {
    program.session.stress.ChooseScenario({{RateSeries::Inflation, program.session.plan.CurrentYear + 1, 10, 5.0L}});
  }

  TrialTableDialog* OpenStressTable() {
    program.Trigger("StressTable");
    return program.window->findChild<TrialTableDialog*>("StressTestTable");
  }

  // Explains the table's cell and closes the window: its title and first line.
  std::pair<QString, QString> Explain(TrialTableDialog& table, int year, const char* field) {
    const ForecastColumn* column = FindForecastColumn(field);
    table.Grid()->setCurrentCell(year - 1, table.Grid()->ColumnOf(column->field));
    table.findChild<QAction*>("WhyThisNumber")->trigger();
    auto* window = table.findChild<ExplainWindow*>();
    if (window == nullptr) return {};
    const std::pair<QString, QString> shown{window->windowTitle(), window->Tree()->topLevelItem(0)->text(0)};
    delete window;
    return shown;
  }

  TestProgram program;
};

}  // namespace

// Each explained cell is the table's cell, in either dollar view, and the title names the rates.
TEST_F(StressRatesTest, TheStressTablesCellsExplainThemselvesOnItsRates) {
  ChooseScenario();
  TrialTableDialog* table = OpenStressTable();
  ASSERT_NE(table, nullptr);
  const int next = program.session.plan.CurrentYear + 1;
  for (const bool today : {false, true}) {
    table->TodaysDollars()->setChecked(today);
    for (const char* field : {"NetWorth", "IncomeTaxes", "Expenses"}) {
      for (const int year : {3, 11, 30}) {
        const auto [title, line] = Explain(*table, year, field);
        EXPECT_EQ(title, QString("Why this number? under the scenario: inflation 5 % %1-%2").arg(next).arg(next + 9));
        const QString cell = table->Grid()->CellText(year, table->Grid()->ColumnOf(FindForecastColumn(field)->field));
        EXPECT_TRUE(line.endsWith(": " + cell + (today ? " in today's dollars" : "")))
            << line.toStdString() << " / " << cell.toStdString();
      }
    }
  }
  delete table;

  program.session.stress.Choose(1966, false);
  table = OpenStressTable();
  ASSERT_NE(table, nullptr);
  const auto [title, line] = Explain(*table, 5, "NetWorth");
  EXPECT_EQ(title, "Why this number? starting as 1966");
  EXPECT_TRUE(line.endsWith(": " + table->Grid()->CellText(5, table->Grid()->ColumnOf(&YearRecord::NetWorth))))
      << line.toStdString();
  delete table;
}

// Ticked, both plans run on the scenario as `diff --rates` runs them on the scenario saved as a rate file.
TEST_F(StressRatesTest, TheComparisonRunsBothPlansOnTheScenarioAsTheSavedRateFileDoes) {
  PlanRecord other;
  ASSERT_TRUE(ReadPlanFile(other, PREVORA_TEST_DATA "/double_compare.plan").ok);
  program.session.comparison.Open(PREVORA_TEST_DATA "/double_compare.plan", other, PageId::Graph,
                                  program.session.Rules);
  program.Open(PageId::Comparison);
  auto* page = qobject_cast<ComparisonPage*>(program.Current());
  ASSERT_NE(page, nullptr);
  auto* box = page->findChild<QCheckBox*>("CompareOnStressRates");
  EXPECT_TRUE(box->isHidden());
  const auto own = Figures(page->Shown());

  ChooseScenario();
  program.Open(PageId::Graph);
  QTemporaryDir folder;
  const QString saved = folder.filePath("scenario.csv");
  program.scripted.prompts.fileAnswers.push_back(saved);
  program.Trigger("StressSaveScenario");
  const RatePathRead read = ReadRatePathCsv(saved.toStdString(), program.session.plan.CurrentYear, kForecastRows);
  ASSERT_TRUE(read.path) << read.message;
  EXPECT_EQ(read.yearsGiven, 11);

  program.Open(PageId::Comparison);
  EXPECT_FALSE(box->isHidden());
  box->setChecked(true);
  ComparisonOptions options;
  options.metric.rates = [read](const PlanRecord& plan) { return read.path->WithPlanRatesFrom(read.yearsGiven + 1, plan); };
  EXPECT_EQ(Figures(page->Shown()), Figures(ComparePlans(program.session.plan, other, options)));
  EXPECT_NE(Figures(page->Shown()), own);
  const int first = program.session.plan.CurrentYear + 1;
  EXPECT_TRUE(page->findChild<QLabel*>("ComparedPlans")
                  ->text()
                  .endsWith(QString("Both plans run under the scenario: inflation 5 % %1-%2.").arg(first).arg(first + 9)));
  box->setChecked(false);
  EXPECT_EQ(Figures(page->Shown()), own);
}

// Ticked, the Monte Carlo trials center on the scenario's rates; the history models cannot.
TEST_F(StressRatesTest, TheOddsCenterTheTrialsOnTheScenarioWhenAsked) {
  program.Trigger("Odds");
  auto* odds = qobject_cast<OddsPage*>(program.Current());
  ASSERT_NE(odds, nullptr);
  QCheckBox* box = odds->CenterOnStress();
  EXPECT_TRUE(box->isHidden());
  odds->CloseClicked();

  ChooseScenario();
  program.Trigger("Odds");
  EXPECT_FALSE(box->isHidden());
  EXPECT_TRUE(box->isEnabled());
  EXPECT_EQ(box->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
  EXPECT_TRUE(box->text().startsWith("Center the trials on the rate scenario:\nInflation 5 %"));
  odds->findChild<QSpinBox*>("OddsTrials")->setValue(300);
  box->setChecked(true);
  odds->RunClicked();
  ASSERT_TRUE(QTest::qWaitFor([odds] { return !odds->IsRunning(); }, kRunTimeoutMs));
  ASSERT_NE(odds->Result(), nullptr);
  const MonteCarloSettings settings = odds->SettingsForm()->Values().monteCarlo;
  const OddsResult expected =
      RunOdds(program.session.plan,
              MonteCarloModel(program.session.plan, settings, StressRates(program.session.plan, program.session.stress)),
              OddsRunControl{})
          .value();
  EXPECT_EQ(odds->Result()->NoNewDebtShare(), expected.NoNewDebtShare());
  EXPECT_EQ(odds->Result()->WorstTrial(), expected.WorstTrial());
  EXPECT_TRUE(odds->findChild<QLabel*>("OddsDetails")->text().contains("Trials centered on the rates of Inflation 5 %"));

  odds->findChild<QComboBox*>("OddsModel")->setCurrentIndex(static_cast<int>(MarketModelKind::Historical));
  EXPECT_FALSE(box->isEnabled());
}
