#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>

#include "engine/DollarViews.h"
#include "engine/Forecast.h"
#include "model/NumberFormat.h"
#include "model/PlanFile.h"
#include "model/SamplePlan.h"
#include "shell/WindowSettings.h"
#include "support/TestProgram.h"
#include "views/PlanTablePage.h"
#include "views/YearGrid.h"

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
  YearGrid* Grid() { return Plan()->findChild<YearGrid*>("YearGrid"); }
  QAction* DollarsItem() { return Plan()->findChild<QAction*>("SwitchDollars"); }
  QString Cell(int row, int column) { return Grid()->CellText(row, column); }
  QString Age2(int row) { return QString::number(program.session.plan.Age2 + row - 1); }
  QString Money(std::int64_t value) { return QString::fromStdString(FormatDollars(value)); }

  void ShowPlanFrom(PageId page) { program.window->SwitchPageValidated(page, PageId::PlanTable); }

  // The table a fresh run of the session's plan gives under its rules, in the session's dollar view.
  ForecastTable FreshRun() {
    PlanRecord plan = program.session.plan;
    const Forecast run = RunForecast(plan, program.session.PlanRates());
    WriteBack(run.updates, plan);
    ForecastTable table = run.table;
    if (program.session.CurrentDollars) ToCurrentDollars(plan, table);
    return table;
  }
};

}  // namespace

TEST_F(PlanPageTest, GridShowsEveryYearWithTheYearBothAgesTitlesAndFormattedMoney) {
  ShowPlanFrom(PageId::Personal);
  ASSERT_EQ(program.Current(), Plan());
  EXPECT_EQ(Plan()->windowTitle(), "Plan Page [ Double ]");
  ASSERT_EQ(Grid()->Rows(), 62);
  EXPECT_EQ(Grid()->columnCount(), 18);
  EXPECT_EQ(Cell(0, 0), "Year");
  EXPECT_EQ(Cell(0, 1), "Age1");
  EXPECT_EQ(Cell(0, 2), "Age2");
  EXPECT_EQ(Cell(0, 3), "Net Worth");
  EXPECT_EQ(Cell(0, 17), "Distribution");
  EXPECT_EQ(QStringList({Cell(1, 0), Cell(1, 1), Cell(1, 2)}), QStringList({"2005", "30", Age2(1)}));
  EXPECT_EQ(QStringList({Cell(61, 0), Cell(61, 1), Cell(61, 2)}), QStringList({"2065", "90", Age2(61)}));
  const ForecastTable fresh = FreshRun();
  EXPECT_EQ(Cell(61, 3), Money(fresh.Year(61).NetWorth));
  EXPECT_EQ(Cell(61, 7), Money(fresh.Year(61).Mortgage));
  EXPECT_EQ(Cell(10, 15), Money(fresh.Year(10).SocialSecurity));

  // Without a second person there is no second age.
  program.session.plan.SecondPerson = false;
  ShowPlanFrom(PageId::Personal);
  EXPECT_EQ(Grid()->columnCount(), 17);
  EXPECT_EQ(Cell(0, 2), "Net Worth");
}

TEST_F(PlanPageTest, EveryColumnIsAsWideAsItsWidestTextNegativesAndTitlesIncluded) {
  // The sample plan as it is draws on its savings in later years: negative withdrawals.
  ASSERT_TRUE(ReadPlanFile(program.session.plan, PREVORA_TEST_DATA "/../../resources/Double.plan").ok);
  program.scripted.settings.SetText("YearTable/ChosenFields", "TaxableWithdrawal");
  ShowPlanFrom(PageId::Personal);
  const QFontMetrics metrics(Grid()->font());
  int negatives = 0;
  for (int c = 0; c < Grid()->columnCount(); ++c) {
    // Titles may take two lines.
    int widest = 0;
    for (const QString& line : Grid()->horizontalHeaderItem(c)->text().split('\n'))
      widest = std::max(widest, metrics.horizontalAdvance(line));
    for (int r = 1; r < Grid()->Rows(); ++r) {
      widest = std::max(widest, metrics.horizontalAdvance(Cell(r, c)));
      negatives += Cell(r, c).startsWith("(-");
    }
    EXPECT_GE(Grid()->columnWidth(c), widest + 8) << Cell(0, c).toStdString();
    EXPECT_LE(Grid()->columnWidth(c), widest + 20) << Cell(0, c).toStdString();
  }
  EXPECT_GT(negatives, 0);
}

TEST_F(PlanPageTest, TheFirstRunSizeShowsEveryDefaultColumnOnA1280WideScreen) {
  program.session.geometry = WindowGeometry{};
  ReadWindowSettings(program.session, program.scripted.settings, 1280, 1024);
  ShowPlanFrom(PageId::Personal);
  EXPECT_GE(Plan()->PageSize().width(), Grid()->FullWidth());
  EXPECT_LE(Plan()->PageSize().width(), 1280);
}

TEST_F(PlanPageTest, OldestPlanHasOneRow) {
  program.session.plan.Age1 = 90;
  ShowPlanFrom(PageId::Personal);
  ASSERT_EQ(Grid()->Rows(), 2);
  EXPECT_EQ(Cell(1, 1), "90");
}

TEST_F(PlanPageTest, CopyAllPutsTheWholeGridOnTheClipboardAsCleanTabSeparatedValues) {
  ShowPlanFrom(PageId::Personal);
  program.Run(Command::CopyAll);
  const QString text = program.scripted.desktop.clipboard;
  ASSERT_TRUE(text.endsWith("\r\n"));
  const QStringList lines = text.chopped(2).split("\r\n");
  ASSERT_EQ(lines.size(), 62);
  // No padding around a value and no column without one.
  for (const QString& line : lines) {
    const QStringList fields = line.split('\t');
    ASSERT_EQ(fields.size(), 18) << line.toStdString();
    for (const QString& field : fields) EXPECT_TRUE(!field.isEmpty() && field.trimmed() == field) << line.toStdString();
  }
  EXPECT_TRUE(lines[0].startsWith("Year\tAge1\tAge2\tNet Worth\tTax Deferred\t"));
  EXPECT_TRUE(lines[61].startsWith("2065\t90\t" + Age2(61) + "\t" + Money(FreshRun().Year(61).NetWorth) + "\t"));
  EXPECT_EQ(Grid()->currentRow(), 0);
  EXPECT_EQ(Grid()->currentColumn(), 3);
}

TEST_F(PlanPageTest, ChosenColumnsFollowTheDefaultOnesInRecordOrderAndAreRemembered) {
  ShowPlanFrom(PageId::Personal);
  for (const char* name : {"ColumnUnfundedShortfall", "ColumnTaxableWithdrawal", "ColumnHomeEquityBorrowing"})
    Plan()->findChild<QAction*>(name)->trigger();
  EXPECT_EQ(program.scripted.settings.Text("YearTable/ChosenFields"),
            "TaxableWithdrawal,HomeEquityBorrowing,UnfundedShortfall");
  ASSERT_EQ(Grid()->columnCount(), 21);
  EXPECT_EQ(QStringList({Cell(0, 18), Cell(0, 19), Cell(0, 20)}),
            QStringList({"Taxable Withdrawal", "Home-Equity Borrowing", "Unfunded Shortfall"}));
  EXPECT_EQ(Cell(30, 18), Money(FreshRun().Year(30).TaxableWithdrawal));
  program.Run(Command::CopyAll);
  EXPECT_TRUE(program.scripted.desktop.clipboard.section("\r\n", 0, 0).endsWith("\tUnfunded Shortfall"));

  // Unticked, a column goes; a stored choice shows at once, and names not on offer are passed over.
  Plan()->findChild<QAction*>("ColumnTaxableWithdrawal")->trigger();
  EXPECT_EQ(Grid()->ColumnOf(&YearRecord::TaxableWithdrawal), -1);
  program.scripted.settings.SetText("YearTable/ChosenFields", "NetWorth,Bogus,OtherDebtYears,,LoanPayments");
  ShowPlanFrom(PageId::Income);
  EXPECT_EQ(Grid()->columnCount(), 20);
  EXPECT_EQ(Cell(0, 18), "Loan Payments");
  EXPECT_EQ(Cell(0, 19), "Other Debt Years");
  EXPECT_EQ(Cell(2, 19), QString::number(FreshRun().Year(2).OtherDebtYears));
  emit Plan()->findChild<QMenu*>("ColumnsMenu")->aboutToShow();
  EXPECT_TRUE(Plan()->findChild<QAction*>("ColumnLoanPayments")->isChecked());
}

TEST_F(PlanPageTest, CopySelectionCopiesTheRectangleAndCollapsesIt) {
  ShowPlanFrom(PageId::Personal);
  Grid()->setCurrentCell(2, 3, QItemSelectionModel::ClearAndSelect);
  program.Run(Command::CopySelection);
  EXPECT_EQ(program.scripted.desktop.clipboard, Cell(3, 3) + "\r\n");

  Grid()->clearSelection();
  Grid()->setRangeSelected(QTableWidgetSelectionRange(4, 6, 5, 8), true);
  program.Run(Command::CopySelection);
  EXPECT_EQ(program.scripted.desktop.clipboard, Cell(5, 6) + "\t" + Cell(5, 7) + "\t" + Cell(5, 8) + "\r\n" +
                                                    Cell(6, 6) + "\t" + Cell(6, 7) + "\t" + Cell(6, 8) + "\r\n");
  const QList<QTableWidgetSelectionRange> ranges = Grid()->selectedRanges();
  ASSERT_EQ(ranges.size(), 1);
  EXPECT_EQ(ranges[0].rowCount() * ranges[0].columnCount(), 1);
  EXPECT_EQ(ranges[0].topRow(), 4);
  EXPECT_EQ(ranges[0].leftColumn(), 6);
}

TEST_F(PlanPageTest, CopySelectionRightAfterArrivalCopiesTheFirstYearsNetWorth) {
  ShowPlanFrom(PageId::Personal);
  program.Run(Command::CopySelection);
  EXPECT_EQ(program.scripted.desktop.clipboard, Cell(1, 3) + "\r\n");
  EXPECT_NE(Cell(1, 3), "");

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
  EXPECT_EQ(Cell(1, 3), "$12,345");

  program.session.table.Year(1).NetWorth = 12345;
  ShowPlanFrom(PageId::Income);
  EXPECT_EQ(Cell(1, 3), Money(FreshRun().Year(1).NetWorth));
  EXPECT_NE(Cell(1, 3), "$12,345");
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
  EXPECT_EQ(Cell(40, 3), Money(current.Year(40).NetWorth));

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
  EXPECT_EQ(Cell(40, 3), Money(FreshRun().Year(40).NetWorth));
}

TEST_F(PlanPageTest, DollarItemIsTwinnedWithTheGraphPage) {
  auto* graph = program.PageAt(PageId::Graph);
  if (!graph) GTEST_SKIP() << "no graph page in this build";
  program.Open(PageId::PlanTable);
  program.Run(Command::SwitchDollars);
  program.LeaveFor(PageId::Graph);
  ASSERT_EQ(program.Current(), graph);
  auto* twin = graph->findChild<QAction*>("SwitchDollars");
  ASSERT_NE(twin, nullptr);
  EXPECT_FALSE(twin->isChecked());
  EXPECT_EQ(twin->text(), "Today's &dollars (2005)");
  program.Run(Command::SwitchDollars);
  program.LeaveFor(PageId::PlanTable);
  EXPECT_TRUE(DollarsItem()->isChecked());
  EXPECT_EQ(DollarsItem()->text(), "Future &dollars (each year's own)");
  EXPECT_EQ(Cell(40, 3), Money(program.session.table.Year(40).NetWorth));
}

TEST_F(PlanPageTest, NewShowsTheSamplePlanInTheChosenViewWithEveryCurveOn) {
  ShowPlanFrom(PageId::Personal);
  program.Run(Command::SwitchDollars);
  program.session.plan.Age1 = 60;
  program.session.CurveShown.fill(false);
  program.scripted.prompts.answers.push_back(PromptButton::No);
  program.Run(Command::New);
  EXPECT_EQ(program.session.plan.Age1, 30);
  EXPECT_EQ(Grid()->Rows(), 62);
  EXPECT_EQ(DollarsItem()->text(), QString("Today's &dollars (%1)").arg(ClockYear()));
  EXPECT_TRUE(program.session.CurrentDollars);
  EXPECT_EQ(Cell(40, 3), Money(FreshRun().Year(40).NetWorth));
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
  EXPECT_EQ(captions, QStringList({"&File", "&Setup", "&Graph", "&Copy", "Co&lumns", "&Window", "Future &dollars (each year's own)"}));
  EXPECT_EQ(Plan()->findChild<QAction*>("PrintPlan")->text(), "&Print Plan");
  EXPECT_EQ(Plan()->findChild<QAction*>("CopySelection")->text(), "Copy &Selection");
  EXPECT_EQ(Plan()->findChild<QAction*>("CopyAll")->text(), "Copy &All");
  program.Trigger("HelpTopics");
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
