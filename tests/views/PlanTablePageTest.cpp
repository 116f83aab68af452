#include <gtest/gtest.h>

#include <QAction>
#include <QMenuBar>
#include <QTableWidget>

#include "engine/DollarViews.h"
#include "engine/Forecast.h"
#include "model/NumberFormat.h"
#include "model/PlanFile.h"
#include "model/SamplePlan.h"
#include "support/TestProgram.h"
#include "views/PlanGrid.h"
#include "views/PlanTablePage.h"

namespace {

struct PlanPageTest : ::testing::Test {
  TestProgram program;

  // A household with money in every column, at the sample's age.
  void SetUp() override {
    ASSERT_TRUE(ReadPlanFile(program.session.plan, PREVORA_TEST_DATA "/../../resources/Double.plan", 2005).ok);
    program.session.plan.Age1 = 30;
    program.session.plan.CurrentYear = 2005;
  }

  PlanTablePage* Plan() { return qobject_cast<PlanTablePage*>(program.PageAt(PageId::PlanTable)); }
  QTableWidget* Grid() { return Plan()->findChild<QTableWidget*>("sgrid"); }
  QAction* DollarsItem() { return Plan()->findChild<QAction*>("Curr1"); }
  QString Cell(int row, int column) { return PlanCellText(*Grid(), row, column); }
  QString Money(std::int64_t value) { return QString::fromStdString(FormatDollars(value)); }

  void ShowPlanFrom(PageId page) { program.window->SwitchPageValidated(page, PageId::PlanTable); }

  // The table a fresh run of the session's plan gives, in the session's dollar view.
  ForecastTable FreshRun() {
    PlanRecord plan = program.session.plan;
    ForecastTable table;
    RunForecast(plan, table);
    if (program.session.CurrentDollars) ToCurrentDollars(plan, table);
    return table;
  }
};

}  // namespace

TEST_F(PlanPageTest, GridShowsEveryYearWithAgesTitlesAndFormattedMoney) {
  ShowPlanFrom(PageId::Personal);
  ASSERT_EQ(program.Current(), Plan());
  EXPECT_EQ(Plan()->windowTitle(), "Plan Page [ Double ]");
  ASSERT_EQ(PlanGridRows(*Grid()), 62);
  EXPECT_EQ(Grid()->columnCount(), 18);
  EXPECT_EQ(Grid()->columnWidth(0), 35);
  EXPECT_EQ(Grid()->columnWidth(15), 95);
  EXPECT_EQ(Cell(0, 0), "Age1");
  EXPECT_EQ(Cell(0, 1), "   Net Worth");
  EXPECT_EQ(Cell(0, 17), " Distribution");
  EXPECT_EQ(Cell(1, 0), "30");
  EXPECT_EQ(Cell(61, 0), "90");
  const ForecastTable fresh = FreshRun();
  EXPECT_EQ(Cell(61, 1), Money(fresh.Year(61).NetWorth));
  EXPECT_EQ(Cell(61, 5), Money(fresh.Year(61).Mortgage));
  EXPECT_EQ(Cell(10, 15), Money(fresh.Year(10).SocialSecurity));
  EXPECT_EQ(Cell(20, 7), "");
}

TEST_F(PlanPageTest, OldestPlanHasOneRow) {
  program.session.plan.Age1 = 90;
  ShowPlanFrom(PageId::Personal);
  ASSERT_EQ(PlanGridRows(*Grid()), 2);
  EXPECT_EQ(Cell(1, 0), "90");
}

TEST_F(PlanPageTest, CopyAllPutsTheWholeGridOnTheClipboard) {
  ShowPlanFrom(PageId::Personal);
  program.Run(Command::CopyAll);
  const QString text = program.scripted.desktop.clipboard;
  ASSERT_TRUE(text.endsWith("\r\n"));
  const QStringList lines = text.chopped(2).split("\r\n");
  ASSERT_EQ(lines.size(), 62);
  for (const QString& line : lines) {
    const QStringList fields = line.split('\t');
    ASSERT_EQ(fields.size(), 18) << line.toStdString();
    EXPECT_EQ(fields[7], "");
    EXPECT_EQ(fields[11], "");
  }
  EXPECT_TRUE(lines[0].startsWith("Age1\t   Net Worth\tTax Deferred\t"));
  EXPECT_TRUE(lines[61].startsWith("90\t" + Money(FreshRun().Year(61).NetWorth) + "\t"));
  EXPECT_EQ(Grid()->currentRow(), 0);
  EXPECT_EQ(Grid()->currentColumn(), 1);
}

TEST_F(PlanPageTest, CopySelectionCopiesTheRectangleAndCollapsesIt) {
  ShowPlanFrom(PageId::Personal);
  Grid()->setCurrentCell(2, 3, QItemSelectionModel::ClearAndSelect);
  program.Run(Command::CopySelection);
  EXPECT_EQ(program.scripted.desktop.clipboard, Cell(3, 3) + "\r\n");

  Grid()->clearSelection();
  Grid()->setRangeSelected(QTableWidgetSelectionRange(4, 6, 5, 8), true);
  program.Run(Command::CopySelection);
  EXPECT_EQ(program.scripted.desktop.clipboard,
            Cell(5, 6) + "\t\t" + Cell(5, 8) + "\r\n" + Cell(6, 6) + "\t\t" + Cell(6, 8) + "\r\n");
  const QList<QTableWidgetSelectionRange> ranges = Grid()->selectedRanges();
  ASSERT_EQ(ranges.size(), 1);
  EXPECT_EQ(ranges[0].rowCount() * ranges[0].columnCount(), 1);
  EXPECT_EQ(ranges[0].topRow(), 4);
  EXPECT_EQ(ranges[0].leftColumn(), 6);
}

TEST_F(PlanPageTest, CopySelectionRightAfterArrivalCopiesTheFirstYearsNetWorth) {
  ShowPlanFrom(PageId::Personal);
  program.Run(Command::CopySelection);
  EXPECT_EQ(program.scripted.desktop.clipboard, Cell(1, 1) + "\r\n");
  EXPECT_NE(Cell(1, 1), "");

  // A refresh keeps the user's own selection.
  Grid()->setCurrentCell(5, 4, QItemSelectionModel::ClearAndSelect);
  ShowPlanFrom(PageId::Income);
  EXPECT_EQ(Grid()->currentRow(), 5);
  EXPECT_EQ(Grid()->currentColumn(), 4);
}

TEST_F(PlanPageTest, ComingFromTheGraphPageKeepsTheTableComingFromADataPageReRuns) {
  program.session.RunForecastForView();
  program.session.table.Year(1).NetWorth = 12345;
  ShowPlanFrom(PageId::Graph);
  EXPECT_EQ(Cell(1, 1), "$12,345");

  program.session.table.Year(1).NetWorth = 12345;
  ShowPlanFrom(PageId::Income);
  EXPECT_EQ(Cell(1, 1), Money(FreshRun().Year(1).NetWorth));
  EXPECT_NE(Cell(1, 1), "$12,345");
}

TEST_F(PlanPageTest, DollarSwitchConvertsTheTableAndBack) {
  ShowPlanFrom(PageId::Personal);
  const ForecastTable inflated = program.session.table;
  ASSERT_TRUE(DollarsItem()->isChecked());
  EXPECT_EQ(DollarsItem()->text(), "Future &dollars (each year's own)");

  program.Run(Command::SwitchDollars);
  EXPECT_TRUE(program.session.CurrentDollars);
  EXPECT_FALSE(DollarsItem()->isChecked());
  EXPECT_EQ(DollarsItem()->text(), "Today's &dollars (2005)");
  ForecastTable current = inflated;
  ToCurrentDollars(program.session.plan, current);
  EXPECT_EQ(Cell(40, 1), Money(current.Year(40).NetWorth));

  program.Run(Command::SwitchDollars);
  EXPECT_FALSE(program.session.CurrentDollars);
  EXPECT_TRUE(DollarsItem()->isChecked());
  EXPECT_EQ(DollarsItem()->text(), "Future &dollars (each year's own)");
  EXPECT_LE(std::llabs(program.session.table.Year(40).NetWorth - inflated.Year(40).NetWorth), 1);
}

TEST_F(PlanPageTest, DollarViewChosenElsewhereIsShownOnArrival) {
  program.session.CurrentDollars = true;
  program.session.RunForecastForView();
  ShowPlanFrom(PageId::Graph);
  EXPECT_FALSE(DollarsItem()->isChecked());
  EXPECT_EQ(DollarsItem()->text(), "Today's &dollars (2005)");
  EXPECT_EQ(Cell(40, 1), Money(FreshRun().Year(40).NetWorth));
}

TEST_F(PlanPageTest, DollarItemIsTwinnedWithTheGraphPage) {
  auto* graph = program.PageAt(PageId::Graph);
  if (!graph) GTEST_SKIP() << "no graph page in this build";
  program.Open(PageId::PlanTable);
  program.Run(Command::SwitchDollars);
  program.LeaveFor(PageId::Graph);
  ASSERT_EQ(program.Current(), graph);
  auto* twin = graph->findChild<QAction*>("DollarsInflationAdjusted1");
  ASSERT_NE(twin, nullptr);
  EXPECT_FALSE(twin->isChecked());
  EXPECT_EQ(twin->text(), "Today's &dollars (2005)");
  program.Run(Command::SwitchDollars);
  program.LeaveFor(PageId::PlanTable);
  EXPECT_TRUE(DollarsItem()->isChecked());
  EXPECT_EQ(DollarsItem()->text(), "Future &dollars (each year's own)");
  EXPECT_EQ(Cell(40, 1), Money(program.session.table.Year(40).NetWorth));
}

TEST_F(PlanPageTest, NewShowsTheSamplePlanInTheChosenViewWithEveryCurveOn) {
  ShowPlanFrom(PageId::Personal);
  program.Run(Command::SwitchDollars);
  program.session.plan.Age1 = 60;
  program.session.CurveShown.fill(false);
  program.scripted.prompts.answers.push_back(PromptButton::No);
  program.Run(Command::New);
  EXPECT_EQ(program.session.plan.Age1, 30);
  EXPECT_EQ(PlanGridRows(*Grid()), 62);
  EXPECT_EQ(DollarsItem()->text(), QString("Today's &dollars (%1)").arg(ClockYear()));
  EXPECT_TRUE(program.session.CurrentDollars);
  EXPECT_EQ(Cell(40, 1), Money(FreshRun().Year(40).NetWorth));
  for (bool shown : program.session.CurveShown) EXPECT_TRUE(shown);
  EXPECT_TRUE(program.scripted.settings.Contains("myTop"));
}

TEST_F(PlanPageTest, CancelledNewChangesNothing) {
  ShowPlanFrom(PageId::Personal);
  program.session.plan.Age1 = 60;
  program.scripted.prompts.answers.push_back(PromptButton::Cancel);
  program.Run(Command::New);
  EXPECT_EQ(program.session.plan.Age1, 60);
  EXPECT_FALSE(program.scripted.settings.Contains("myTop"));
}

TEST_F(PlanPageTest, CancelledPrinterDialogPrintsNothing) {
  ShowPlanFrom(PageId::Personal);
  program.Run(Command::Print);
  EXPECT_EQ(program.scripted.prompts.printerDialogs, 1);
  EXPECT_TRUE(program.scripted.prompts.shown.empty());
}

TEST_F(PlanPageTest, SizeIsHeldWithinTheLimits) {
  program.session.geometry.PlanWidth = 2000;
  program.session.geometry.PlanHeight = 900;
  const int menu = Plan()->MenuBar()->sizeHint().height();
  EXPECT_EQ(Plan()->PageSize(), QSize(1340, 900 - menu));
  program.session.plan.Age1 = 60;
  EXPECT_EQ(Plan()->PageSize(), QSize(1340, 730 - menu));
  program.session.plan.Age1 = 80;
  EXPECT_EQ(Plan()->PageSize().height(), 574 - menu);
  program.session.geometry.PlanWidth = 100;
  EXPECT_EQ(Plan()->PageSize().width(), 506);
}

TEST_F(PlanPageTest, ResizeStoresTheHeldSize) {
  ShowPlanFrom(PageId::Personal);
  const int menu = Plan()->MenuBar()->sizeHint().height();
  Plan()->PageResized(QSize(800, 700 + menu));
  EXPECT_EQ(program.session.geometry.PlanWidth, 800);
  EXPECT_EQ(program.session.geometry.PlanHeight, 700 + menu);
  Plan()->PageResized(QSize(3000, 3000));
  EXPECT_EQ(program.session.geometry.PlanWidth, 1340);
  EXPECT_EQ(program.session.geometry.PlanHeight, 1330);
}

TEST_F(PlanPageTest, MenusCarryTheirCaptions) {
  ShowPlanFrom(PageId::Personal);
  QStringList captions;
  for (QAction* action : Plan()->MenuBar()->actions()) captions << action->text();
  EXPECT_EQ(captions,
            QStringList({"&File", "&Setup", "&Graph", "&Copy", "&Window", "Future &dollars (each year's own)"}));
  EXPECT_EQ(Plan()->findChild<QAction*>("PrintPlan1")->text(), "&Print Plan");
  EXPECT_EQ(Plan()->findChild<QAction*>("CopySelection1")->text(), "Copy &Selection");
  EXPECT_EQ(Plan()->findChild<QAction*>("CopyAll1")->text(), "Copy &All");
  program.Trigger("Help1");
  EXPECT_EQ(program.scripted.desktop.helpTopics, std::vector<int>{500});
}

TEST_F(PlanPageTest, CloseBoxAndGraphItemReturnToTheGraphPage) {
  ASSERT_NE(program.PageAt(PageId::Graph), nullptr);
  ShowPlanFrom(PageId::Graph);
  program.Current()->CloseRequested();
  EXPECT_EQ(program.Current(), program.PageAt(PageId::Graph));
  EXPECT_EQ(program.session.LastPageLeft, PageId::PlanTable);
  EXPECT_FALSE(program.session.Exiting);

  ShowPlanFrom(PageId::Graph);
  program.LeaveFor(PageId::Graph);
  EXPECT_EQ(program.Current(), program.PageAt(PageId::Graph));
  EXPECT_EQ(program.session.LastPageLeft, PageId::PlanTable);
}
