#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "engine/DollarViews.h"
#include "engine/Forecast.h"
#include "model/PlanFile.h"
#include "model/SamplePlan.h"
#include "render/GraphBand.h"
#include "render/GraphCurves.h"
#include "render/GraphGeometry.h"
#include "support/RecordingNavigator.h"
#include "shell/RuleSettings.h"
#include "support/ScriptedPlatform.h"
#include "support/TestProgram.h"
#include "views/GraphCurveTrace.h"
#include "views/GraphPage.h"
#include "views/GraphResizeRule.h"
#include "views/OddsPage.h"
#include "views/RateScenarioDialog.h"
#include "views/TrialTableDialog.h"
#include "views/YearGrid.h"

namespace {

// The stress box reads `full`, or its start cut short with "…" where the
// whole would run into the right legend column; it never does.
::testing::AssertionResult ReadsAs(const QCheckBox* box, const Session& session, const QString& full) {
  const int rightColumn =
      CurveCheckBoxPosition(kCurveCount / 2, session.geometry.GraphWidth, session.geometry.GraphHeight).x();
  if (box->geometry().right() >= rightColumn) return ::testing::AssertionFailure() << "runs into the right column";
  const QString shown = box->text();
  if (shown == full || (shown.endsWith(QChar(0x2026)) && full.startsWith(shown.chopped(1))))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << shown.toStdString();
}

class GraphPageTest : public ::testing::Test {
 protected:
  GraphPageTest() : page(session, scripted.platform, navigator) {
    QDir folder(dir.path());
    session.working.PlanFolder = folder.absolutePath().toStdString() + "/";
    ReadPlanFile(session.plan, PREVORA_TEST_DATA "/../../resources/Double.plan");
    session.plan.PlanFileName = "JohnSmith.plan";
    page.Activate();
  }

  QAction* Item(const QString& name) const { return page.findChild<QAction*>(name); }
  void Trigger(const QString& name) {
    QAction* action = Item(name);
    ASSERT_NE(action, nullptr) << name.toStdString();
    action->trigger();
  }
  // The tick of a curve, by the curve's name without blanks ("NetWorth").
  QCheckBox* Box(const QString& curve) const { return page.findChild<QCheckBox*>(curve + "Curve"); }
  QString Path(const QString& name) const { return QDir(dir.path()).filePath(name); }
  // A first-year figure the forecast always overwrites.
  void MarkTable() { session.table.Year(1).NetWorth = 123'456'789; }
  bool TableMarked() const { return session.table.Year(1).NetWorth == 123'456'789; }

  QTemporaryDir dir;
  Session session;
  ScriptedPlatform scripted;
  RecordingNavigator navigator;
  GraphPage page;
};

TEST_F(GraphPageTest, MainMenuHasItsItemsInOrder) {
  const QList<QAction*> top = page.MenuBar()->actions();
  ASSERT_EQ(top.size(), 5);
  EXPECT_EQ(top[0]->text(), "&File");
  EXPECT_EQ(top[1]->text(), "&Setup");
  EXPECT_EQ(top[2]->objectName(), "Plan");
  EXPECT_EQ(top[3]->text(), "&Window");
  EXPECT_EQ(top[4]->objectName(), "SwitchDollars");
  EXPECT_TRUE(top[4]->isChecked());
  const char* file[][2] = {{"New", "&New"},
                           {"Open", "&Open"},
                           {"Save", "&Save"},
                           {"PrintGraph", "&Print Graph"},
                           {"SaveBitmap", "Save &Bitmap"},
                           {"Exit", "E&xit"}};
  for (const auto& item : file) {
    ASSERT_NE(Item(item[0]), nullptr) << item[0];
    EXPECT_EQ(Item(item[0])->text(), item[1]);
  }
  for (const char* name : {"PersonalData", "Assets", "Income", "Taxes", "Expenses", "Assumptions", "HelpTopics",
                           "UserGuide", "HomePage", "About"}) {
    EXPECT_NE(Item(name), nullptr) << name;
  }
  EXPECT_EQ(page.windowTitle(), "Graph Page [ JohnSmith ]");
}

TEST_F(GraphPageTest, MenuItemsSwitchPages) {
  Trigger("Plan");
  Trigger("Taxes");
  Trigger("Assumptions");
  EXPECT_EQ(navigator.switches, (std::vector<PageId>{PageId::PlanTable, PageId::Taxes, PageId::Assumptions}));
}

TEST_F(GraphPageTest, DollarSwitchConvertsTheTableBothWays) {
  const ForecastTable inflated = session.table;
  Trigger("SwitchDollars");
  EXPECT_TRUE(session.CurrentDollars);
  EXPECT_FALSE(Item("SwitchDollars")->isChecked());
  EXPECT_EQ(Item("SwitchDollars")->text(), QString("Today's &dollars (%1)").arg(session.plan.CurrentYear));
  ForecastTable current = inflated;
  ToCurrentDollars(session.plan, current);
  const int last = RowCount(session.plan);
  EXPECT_EQ(session.table.Year(last).NetWorth, current.Year(last).NetWorth);
  EXPECT_NE(session.table.Year(last).NetWorth, inflated.Year(last).NetWorth);

  Trigger("SwitchDollars");
  EXPECT_FALSE(session.CurrentDollars);
  EXPECT_TRUE(Item("SwitchDollars")->isChecked());
  EXPECT_EQ(Item("SwitchDollars")->text(), "Future &dollars (each year's own)");
  EXPECT_NEAR(static_cast<double>(session.table.Year(last).NetWorth), static_cast<double>(inflated.Year(last).NetWorth),
              2.0);
}

TEST_F(GraphPageTest, CheckBoxesHideCurvesWithoutRunningTheForecast) {
  ASSERT_NE(Box("Expenses"), nullptr);
  EXPECT_EQ(Box("Expenses")->size(), QSize(15, 17));
  const QColor red = CurveColour(5);
  auto plotReds = [&] {
    int count = 0;
    const QImage image = page.GraphBitmap();
    for (int y = 45; y < 400; ++y)
      for (int x = 90; x < 417; ++x) count += image.pixelColor(x, y) == red;
    return count;
  };
  EXPECT_GT(plotReds(), 0);
  MarkTable();
  page.show();
  QTest::mouseClick(Box("Expenses"), Qt::LeftButton);
  EXPECT_FALSE(session.CurveShown[4]);
  EXPECT_EQ(plotReds(), 0);
  EXPECT_TRUE(TableMarked());
  Box("Expenses")->click();
  EXPECT_TRUE(session.CurveShown[4]);
}

TEST_F(GraphPageTest, CompareBoxDrawsTheComparedPlansNetWorthDashedWhileAComparisonIsOpen) {
  auto* compare = page.findChild<QCheckBox*>("CompareCurve");
  ASSERT_NE(compare, nullptr);
  EXPECT_FALSE(compare->isEnabled());
  const QImage plain = page.GraphBitmap();

  PlanRecord other;
  ASSERT_TRUE(ReadPlanFile(other, kComparedPlan).ok);
  session.comparison.Open(kComparedPlan, other, PageId::Graph, session.Rules);
  page.Activate();
  EXPECT_TRUE(compare->isEnabled());
  EXPECT_FALSE(compare->isChecked());
  EXPECT_EQ(page.GraphBitmap(), plain);
  EXPECT_EQ(TraceComparedCurve(plain, session, page.Scales().assets).drawn, 0);

  page.show();
  QTest::mouseClick(compare, Qt::LeftButton);
  EXPECT_TRUE(session.comparison.curveShown);
  for (const bool current : {false, true}) {
    if (current) Trigger("SwitchDollars");
    const CurveTrace trace = TraceComparedCurve(page.GraphBitmap(), session, page.Scales().assets);
    EXPECT_GT(trace.drawn, 40) << current;
    // Dashes: gaps of three in every seven pixels.
    EXPECT_GT(trace.blank, trace.drawn / 5) << current;
  }
  Trigger("SwitchDollars");

  QTest::mouseClick(compare, Qt::LeftButton);
  EXPECT_FALSE(session.comparison.curveShown);
  EXPECT_EQ(page.GraphBitmap(), plain);

  compare->click();
  session.comparison.Close();
  page.Activate();
  EXPECT_FALSE(compare->isEnabled());
  EXPECT_FALSE(compare->isChecked());
  EXPECT_EQ(page.GraphBitmap(), plain);
}

// The sequence's start and the deflation rule change the curve drawn; the
// rules (deflation, home-equity limit) are every forecast's and remembered,
// the start only the stress test's.
TEST_F(GraphPageTest, StressMenuChoosesWhereTheSequenceStartsAndWhetherSpendingFollowsPrices) {
  Trigger("StressStart1929");
  const QImage fromFirstYear = page.GraphBitmap();
  Item("StressAtRetirement")->setChecked(true);
  EXPECT_EQ(session.stress.sequenceStart, SequenceStart::Retirement);
  EXPECT_EQ(session.stress.startYear, 1929);
  EXPECT_TRUE(ReadsAs(page.findChild<QCheckBox*>("StressTestCurve"), session, "Start 1929 at retirement"));
  const QImage fromRetirement = page.GraphBitmap();
  EXPECT_NE(fromRetirement, fromFirstYear);

  Item("StressDeflationFollows")->setChecked(true);
  EXPECT_EQ(session.Rules.deflation, DeflationRule::Follow);
  EXPECT_EQ(LoadForecastRules(scripted.settings).deflation, DeflationRule::Follow);
  EXPECT_NE(page.GraphBitmap(), fromRetirement) << "1930-1932 cost less when spending follows prices down";
  Item("StressDeflationFollows")->setChecked(false);
  EXPECT_EQ(LoadForecastRules(scripted.settings).deflation, DeflationRule::Hold);
  EXPECT_EQ(page.GraphBitmap(), fromRetirement);

  Item("StressHomeEquityFirstDesign")->setChecked(true);
  EXPECT_EQ(session.Rules.homeEquityLimit, HomeEquityLimitRule::FirstDesign);
  EXPECT_EQ(LoadForecastRules(scripted.settings).homeEquityLimit, HomeEquityLimitRule::FirstDesign);
  Item("StressHomeEquityFirstDesign")->setChecked(false);
  EXPECT_EQ(LoadForecastRules(scripted.settings), ForecastRules{});
}

TEST_F(GraphPageTest, StressTestDrawsANamedCurveWithItsTableAndGoesAway) {
  auto* stress = page.findChild<QCheckBox*>("StressTestCurve");
  ASSERT_NE(stress, nullptr);
  EXPECT_FALSE(stress->isEnabled());
  const QImage plain = page.GraphBitmap();

  Trigger("StressStart1966");
  EXPECT_TRUE(stress->isEnabled() && stress->isChecked());
  EXPECT_EQ(stress->text(), "Start 1966");
  EXPECT_NE(page.GraphBitmap(), plain);
  Trigger("StressTable");
  auto* table = page.findChild<TrialTableDialog*>("StressTestTable");
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->Grid()->rowCount(), RowCount(session.plan));
  EXPECT_TRUE(table->windowTitle().contains("Start 1966"));
  table->close();

  Trigger("StressNone");
  EXPECT_FALSE(stress->isEnabled());
  EXPECT_EQ(page.GraphBitmap(), plain);

  Trigger("StressWorst");
  EXPECT_TRUE(session.stress.worstStart && stress->text().startsWith("Worst start "));
  page.show();
  QTest::mouseClick(stress, Qt::LeftButton);
  EXPECT_FALSE(session.stress.Due());
  EXPECT_EQ(page.GraphBitmap(), plain);
}

// A typed scenario takes the history start's place, keeps to the session and goes away by the same box.
TEST_F(GraphPageTest, TypedRateScenarioDrawsInPlaceOfAStartAndGoesAway) {
  auto* stress = page.findChild<QCheckBox*>("StressTestCurve");
  const QImage plain = page.GraphBitmap();
  const PlanRecord before = session.plan;
  Trigger("StressStart1966");
  const QImage start = page.GraphBitmap();

  Trigger("StressScenario");
  auto* dialog = page.findChild<RateScenarioDialog*>("RateScenarioDialog");
  ASSERT_NE(dialog, nullptr);
  dialog->findChild<QCheckBox*>("ScenarioInflation")->setChecked(true);
  dialog->findChild<QDoubleSpinBox*>("ScenarioInflationPercent")->setValue(5.0);
  dialog->accept();
  const int year = session.plan.CurrentYear;
  EXPECT_TRUE(ReadsAs(stress, session, QString("Inflation 5 % %1-%2").arg(year).arg(year + 9)));
  EXPECT_EQ(session.stress.startYear, 0);
  EXPECT_EQ(session.plan, before);
  const QImage scenario = page.GraphBitmap();
  EXPECT_NE(scenario, plain);
  EXPECT_NE(scenario, start);
  Trigger("StressTable");
  auto* table = page.findChild<TrialTableDialog*>("StressTestTable");
  ASSERT_NE(table, nullptr);
  EXPECT_TRUE(table->windowTitle().startsWith("Rate scenario: Inflation 5 %"));
  table->close();

  page.show();
  QTest::mouseClick(stress, Qt::LeftButton);
  EXPECT_FALSE(session.stress.Due());
  EXPECT_EQ(page.GraphBitmap(), plain);
}

TEST_F(GraphPageTest, BandBoxStaysOffAndDisabledWithoutOddsOfThisPlan) {
  auto* band = page.findChild<QCheckBox*>("NetWorthBand");
  ASSERT_NE(band, nullptr);
  EXPECT_FALSE(band->isEnabled());
  EXPECT_FALSE(band->isChecked());

  // Odds of another plan than the one shown are dropped with their option.
  PlanRecord changed = session.plan;
  changed.Salary1 += 1000;
  session.odds.Store(changed, std::vector<YearBands>(5));
  session.odds.bandShown = true;
  const QImage plain = page.GraphBitmap();
  page.Activate();
  EXPECT_FALSE(band->isEnabled());
  EXPECT_FALSE(session.odds.HasResult());
  EXPECT_FALSE(session.odds.bandShown);
  EXPECT_EQ(page.GraphBitmap(), plain);
}

TEST_F(GraphPageTest, ComingBackFromThePlanPageKeepsTheTable) {
  MarkTable();
  session.LastPageLeft = PageId::PlanTable;
  page.Activate();
  EXPECT_TRUE(TableMarked());
  session.LastPageLeft = PageId::Income;
  page.Activate();
  EXPECT_FALSE(TableMarked());
}

TEST_F(GraphPageTest, NewAfterNoResetsThePlanAndTicksEveryCurve) {
  session.plan.Name1 = "Changed";
  session.CurveShown[2] = false;
  scripted.prompts.answers = {PromptButton::No};
  Trigger("New");
  EXPECT_EQ(session.plan.Name1, "John Smith");
  EXPECT_TRUE(Box("PropertyNet")->isChecked());
  EXPECT_TRUE(session.CurveShown[2]);
  EXPECT_EQ(scripted.settings.values.value("myTop").toInt(), 33);
  EXPECT_EQ(scripted.settings.values.value("myLeft").toInt(), 44);
}

TEST_F(GraphPageTest, NewRunsTheForecastOnceEvenAfterThePlanPage) {
  session.LastPageLeft = PageId::PlanTable;
  MarkTable();
  scripted.prompts.answers = {PromptButton::No};
  Trigger("New");
  EXPECT_FALSE(TableMarked());
}

TEST_F(GraphPageTest, CancelStopsNewOpenAndExit) {
  session.plan.Name1 = "Changed";
  scripted.prompts.answers = {PromptButton::Cancel, PromptButton::Cancel, PromptButton::Cancel, PromptButton::Cancel};
  Trigger("New");
  Trigger("Open");
  Trigger("Exit");
  page.CloseRequested();
  EXPECT_EQ(session.plan.Name1, "Changed");
  EXPECT_EQ(navigator.exits, 0);
  EXPECT_TRUE(scripted.prompts.dialogs.empty());
  EXPECT_TRUE(scripted.settings.values.isEmpty());
  EXPECT_EQ(scripted.prompts.shown.size(), 4u);
}

TEST_F(GraphPageTest, YesOnTheSamplePlanAsksWhereToSave) {
  session.plan.Name1 = "Changed";
  scripted.prompts.answers = {PromptButton::Yes};
  scripted.prompts.fileAnswers = {Path("Renamed.plan")};
  Trigger("New");
  ASSERT_EQ(scripted.prompts.dialogs.size(), 1u);
  EXPECT_TRUE(QFile::exists(Path("Renamed.plan")));
  EXPECT_EQ(session.plan.Name1, "John Smith");
}

TEST_F(GraphPageTest, YesOnANamedPlanWritesIntoItsFolder) {
  session.plan.PlanFileName = "Ours.plan";
  session.plan.Name1 = "Changed";
  scripted.prompts.answers = {PromptButton::Yes};
  Trigger("Exit");
  EXPECT_TRUE(scripted.prompts.dialogs.empty());
  EXPECT_TRUE(QFile::exists(Path("Ours.plan")));
  EXPECT_EQ(navigator.exits, 1);
}

TEST_F(GraphPageTest, YesThenCancellingTheSaveDialogStops) {
  session.plan.Name1 = "Changed";
  scripted.prompts.answers = {PromptButton::Yes, PromptButton::Yes};
  scripted.prompts.fileAnswers = {std::nullopt, std::nullopt};
  Trigger("New");
  page.CloseRequested();
  EXPECT_EQ(session.plan.Name1, "Changed");
  EXPECT_EQ(navigator.exits, 0);
  EXPECT_EQ(scripted.prompts.dialogs.size(), 2u);
}

TEST_F(GraphPageTest, OpenLoadsForecastsAndShowsEveryCurve) {
  PlanRecord other;
  other.Name1 = "Ann Other";
  other.Age1 = 50;
  ASSERT_TRUE(WritePlanFile(other, Path("Other.plan").toStdString()).ok);
  session.CurveShown.fill(false);
  session.LastPageLeft = PageId::PlanTable;
  MarkTable();
  scripted.prompts.answers = {PromptButton::No};
  scripted.prompts.fileAnswers = {Path("Other.plan")};
  Trigger("Open");
  EXPECT_EQ(session.plan.Name1, "Ann Other");
  EXPECT_FALSE(TableMarked());
  EXPECT_EQ(session.CurveShown, (std::array<bool, 8>{true, true, true, true, true, true, true, true}));
  EXPECT_EQ(page.windowTitle(), "Graph Page [ Other ]");
  EXPECT_TRUE(scripted.settings.values.value("PathFileName").toString().endsWith("Other.plan"));
}

TEST_F(GraphPageTest, SaveShowsTheNewNameAndStoresTheSettings) {
  scripted.prompts.fileAnswers = {Path("Kept.plan")};
  Trigger("Save");
  EXPECT_TRUE(QFile::exists(Path("Kept.plan")));
  EXPECT_EQ(page.windowTitle(), "Graph Page [ Kept ]");
  EXPECT_TRUE(scripted.settings.values.contains("myWidthg"));
}

TEST_F(GraphPageTest, CurrentDollarsSurviveNewWithTheNewYearInTheCaption) {
  Trigger("SwitchDollars");
  session.plan.CurrentYear = 1999;
  scripted.prompts.answers = {PromptButton::No};
  Trigger("New");
  EXPECT_TRUE(session.CurrentDollars);
  EXPECT_NE(session.plan.CurrentYear, 1999);
  EXPECT_EQ(Item("SwitchDollars")->text(), QString("Today's &dollars (%1)").arg(session.plan.CurrentYear));
}

// The whole program: the graph page is the first page and its dollar item
// has a twin on the plan page.
TEST(GraphPageInProgram, IsTheFirstPageAndTwinsThePlanPageDollarItem) {
  TestProgram program;
  ASSERT_NE(program.Current(), nullptr);
  EXPECT_EQ(program.Current()->Id(), PageId::Graph);
  EXPECT_EQ(program.CaptionText(), "Graph Page [ JohnSmith ]");
  program.Trigger("SwitchDollars");
  program.Trigger("Plan");
  ASSERT_EQ(program.Current()->Id(), PageId::PlanTable);
  auto* twin = program.Current()->findChild<QAction*>("SwitchDollars");
  ASSERT_NE(twin, nullptr);
  EXPECT_FALSE(twin->isChecked());
  EXPECT_TRUE(twin->text().startsWith("Today's &dollars ("));
}
}  // namespace
