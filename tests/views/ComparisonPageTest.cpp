#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>

#include "compare/ComparisonForecast.h"
#include "model/PlanFile.h"
#include "support/TestProgram.h"
#include "views/AttributionChart.h"
#include "views/ComparisonPage.h"
#include "views/YearGrid.h"

namespace {

const QString kBasePlan = PREVORA_TEST_DATA "/../../resources/Double.plan";
// The sample plan with a name, the retirement age, a salary, a pension and
// its age, inflation, groceries and an event changed (see double_compare.txt).
const QString kOtherPlan = PREVORA_TEST_DATA "/double_compare.plan";

// The current plan exactly: its file image and its table's bytes.
struct PlanSnapshot {
  std::string file;
  std::string table;
  bool operator==(const PlanSnapshot&) const = default;
};

PlanSnapshot Snapshot(const Session& session) {
  std::string table(sizeof session.table.rows, '\0');
  std::memcpy(table.data(), session.table.rows.data(), table.size());
  return {PlanFileText(session.plan), table};
}

class ComparisonPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ReadPlanFile(program.session.plan, kBasePlan.toStdString()).ok);
    // The figures checked are those of the plan's rate for past years.
    program.session.Rules = {PastInflationRule::Plan, TaxRules::Curve};
    program.Current()->Activate();
    ActivateWindow();
  }

  // Keys go to the active window; a closed menu hands the activation back a moment later.
  void ActivateWindow() {
    program.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(program.window.get()));
  }

  ComparisonPage* Page() { return qobject_cast<ComparisonPage*>(program.PageAt(PageId::Comparison)); }
  QTableWidget* Table(const char* name) { return Page()->findChild<QTableWidget*>(name); }
  QString Cell(const char* table, int row, int column) {
    const QTableWidgetItem* item = Table(table)->item(row, column);
    return item ? item->text() : QString();
  }

  // Alt+F and then `key` on the visible page.
  void FileMenuKey(Qt::Key key) {
    ActivateWindow();
    QTest::keyClick(program.window.get(), Qt::Key_F, Qt::AltModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->objectName(), "FileMenu");
    QTest::keyClick(menu, key);
  }

  // File > Compare with... from the keyboard, the dialog answering `path`.
  void CompareByKeyboard(const QString& path) {
    program.scripted.prompts.fileAnswers.push_back(path);
    FileMenuKey(Qt::Key_W);
  }

  TestProgram program;
};

}  // namespace

TEST_F(ComparisonPageTest, OpensFromTheGraphPagesFileMenuWithTheSummaryAndTheAttributionLargestFirst) {
  CompareByKeyboard(kOtherPlan);
  ASSERT_EQ(program.Current(), Page());
  ASSERT_EQ(program.scripted.prompts.dialogs.size(), 1u);
  EXPECT_TRUE(program.scripted.prompts.dialogs[0].filter.contains("*.plan"));
  EXPECT_TRUE(program.scripted.prompts.dialogs[0].proposedName.isEmpty());
  EXPECT_TRUE(program.scripted.prompts.shown.empty());
  EXPECT_EQ(program.CaptionText(), "Comparison Page [ Double ]");

  // Base, other and difference as the command line's comparison of the same plans gives them.
  EXPECT_EQ(Cell("SummaryTable", 0, 0), "Net worth in the last year");
  EXPECT_EQ(Cell("SummaryTable", 0, 1), "$2,001,561");
  EXPECT_EQ(Cell("SummaryTable", 0, 2), "$2,197,182");
  EXPECT_EQ(Cell("SummaryTable", 0, 3), "$195,621");
  EXPECT_EQ(Cell("SummaryTable", 1, 1), "none");
  EXPECT_EQ(Cell("SummaryTable", 4, 3), "$179,307");

  const QString heading = Page()->findChild<QLabel*>("AttributionHeading")->text();
  EXPECT_TRUE(heading.contains("net worth in the last year (today's dollars): Shapley over 6 changed inputs, "
                               "total $195,621"))
      << heading.toStdString();
  std::vector<std::string> order;
  for (const AttributionBar& bar : Page()->findChild<AttributionChart*>()->Bars())
    order.push_back(bar.detail.toStdString());
  EXPECT_EQ(order, (std::vector<std::string>{"RetireAge1", "Salary1", "Groceries", "InflationRate",
                                             "PensionAge1 + Pension1", "EventAmount1", "rounding"}));

  // The input changes name the page and the words beside the box.
  EXPECT_EQ(Cell("InputChanges", 1, 0), "Personal Data Page");
  EXPECT_EQ(Cell("InputChanges", 1, 1), "First Person: Expected retirement age");
  EXPECT_EQ(Cell("InputChanges", 1, 2), "65");
  EXPECT_EQ(Cell("InputChanges", 1, 3), "67");
  EXPECT_EQ(Table("InputChanges")->rowCount(), 11);
}

// The input changes show both values, and the notes, without scrolling
// sideways: the page widens to its columns, and on a narrow screen the text
// columns give way (their cells keep the full text as a tooltip).
TEST_F(ComparisonPageTest, TheInputChangesShowEveryColumnWithoutScrollingSideways) {
  CompareByKeyboard(kOtherPlan);
  QTableWidget* changes = Table("InputChanges");
  Page()->findChild<QTabWidget*>("ComparisonTabs")->setCurrentIndex(1);
  QApplication::processEvents();
  EXPECT_EQ(changes->horizontalScrollBar()->maximum(), 0);
  EXPECT_LE(program.window->width(), program.window->screen()->availableGeometry().width());
  for (int row = 0; row < changes->rowCount(); ++row) {
    EXPECT_LE(changes->visualItemRect(changes->item(row, 3)).right(), changes->viewport()->width()) << row;
    EXPECT_EQ(changes->item(row, 1)->toolTip(), changes->item(row, 1)->text());
  }
}

TEST_F(ComparisonPageTest, CopyCommandsPutTheYearDifferencesOnTheClipboardAsThePlanPageDoes) {
  CompareByKeyboard(kOtherPlan);
  ASSERT_EQ(program.Current(), Page());
  program.Trigger("CopyAll");
  const QString text = program.scripted.desktop.clipboard;
  ASSERT_TRUE(text.endsWith("\r\n"));
  const QStringList lines = text.chopped(2).split("\r\n");
  ASSERT_EQ(lines.size(), 47);  // the title row and ages 45 to 90
  EXPECT_EQ(lines[0],
            "Year\tAge1\tAge2\tNet Worth\tTax Deferred\tTaxable Invest\tProperty\tMortgage\tOther Debt\tExpenses\t"
            "Income Taxes\tProperty Tax\tIncome\tSalaries\tPensions\tSocial Security\tInvest Return\tDistribution");
  // Age 46: net worth $6,792 higher, the same mortgage.
  const QStringList age46 = lines[2].split('\t');
  EXPECT_EQ(age46.mid(0, 3), QStringList({QString::number(program.session.plan.CurrentYear + 1), "46", "44"}));
  EXPECT_EQ(age46[3], "$6,792");
  EXPECT_EQ(age46[7], "$0");

  program.Trigger("CopySelection");
  EXPECT_EQ(program.scripted.desktop.clipboard, "$0\r\n");  // Copy All left the first year's net worth current
}

TEST_F(ComparisonPageTest, TheComparisonNeverChangesTheCurrentPlanAndEscapeReturnsWhereItCameFrom) {
  for (PageId origin : {PageId::Graph, PageId::PlanTable}) {
    program.window->SwitchPageValidated(PageId::Personal, origin);
    const PlanSnapshot before = Snapshot(program.session);
    CompareByKeyboard(kOtherPlan);
    ASSERT_EQ(program.Current(), Page()) << origin;
    EXPECT_TRUE(Snapshot(program.session) == before) << origin;

    ActivateWindow();
    QTest::keyClick(program.window.get(), Qt::Key_Escape);
    EXPECT_EQ(program.Current()->Id(), origin);
    EXPECT_TRUE(Snapshot(program.session) == before) << origin;
    EXPECT_FALSE(program.session.comparison.open);
  }
}

TEST_F(ComparisonPageTest, ABadSecondPlanShowsTheReadersMessageAndChangesNothing) {
  QTemporaryDir dir;
  const QString bad = dir.filePath("bad.plan");
  QFile file(bad);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("Bad.plan\r\n1\r\nJohn\r\nthirty\r\n");
  file.close();
  PlanRecord scratch;
  const PlanFileResult expected = ReadPlanFile(scratch, bad.toStdString());
  ASSERT_FALSE(expected.ok);

  const PlanSnapshot before = Snapshot(program.session);
  CompareByKeyboard(bad);
  CompareByKeyboard(dir.filePath("missing.plan"));
  EXPECT_EQ(program.Current()->Id(), PageId::Graph);
  ASSERT_EQ(program.scripted.prompts.shown.size(), 2u);
  EXPECT_EQ(program.scripted.prompts.shown[0].kind, ShownPrompt::Error);
  EXPECT_EQ(program.scripted.prompts.shown[0].text.toStdString(), expected.message);
  EXPECT_TRUE(program.scripted.prompts.shown[1].text.contains("does not exist"));
  EXPECT_FALSE(program.session.comparison.open);
  EXPECT_TRUE(Snapshot(program.session) == before);

  // A cancelled dialog does nothing either.
  program.Trigger("CompareWith");
  EXPECT_EQ(program.Current()->Id(), PageId::Graph);
  EXPECT_EQ(program.scripted.prompts.shown.size(), 2u);
}

TEST_F(ComparisonPageTest, TheCompareCurveStaysWithTheOpenComparisonOnTheGraphAndGoesOffWhenItCloses) {
  CompareByKeyboard(kOtherPlan);
  auto* curve = Page()->findChild<QCheckBox*>("CompareCurve");
  ASSERT_NE(curve, nullptr);
  EXPECT_FALSE(curve->isChecked());
  ActivateWindow();
  QTest::keyClick(program.window.get(), Qt::Key_D, Qt::AltModifier);
  // A mnemonic clicks the box the way a mouse does, a moment later.
  for (int wait = 0; wait < 50 && !curve->isChecked(); ++wait) QTest::qWait(20);
  EXPECT_TRUE(curve->isChecked());
  const ComparisonState& state = program.session.comparison;
  EXPECT_TRUE(state.CurveDue());

  // The series the graph draws: the other plan's net worth in the graph's dollars.
  PlanRecord other;
  ASSERT_TRUE(ReadPlanFile(other, kOtherPlan.toStdString()).ok);
  const ForecastTable table = ForecastOf(other, program.session.CurrentDollars, {}, program.session.Rules);
  ASSERT_EQ(state.NetWorth(program.session.CurrentDollars).size(), 46u);
  EXPECT_EQ(state.NetWorth(program.session.CurrentDollars)[45], table.Year(46).NetWorth);
  EXPECT_EQ(state.FirstIndexOn(program.session.plan), 0);

  // The graph with the comparison open, and back to it from the graph's File menu.
  program.Trigger("Graph");
  EXPECT_EQ(program.Current()->Id(), PageId::Graph);
  EXPECT_TRUE(state.CurveDue());
  FileMenuKey(Qt::Key_M);
  ASSERT_EQ(program.Current(), Page());
  EXPECT_TRUE(curve->isChecked());

  program.Trigger("CloseComparison");
  EXPECT_EQ(program.Current()->Id(), PageId::Graph);
  EXPECT_FALSE(state.open);
  EXPECT_FALSE(state.curveShown);
  EXPECT_TRUE(state.NetWorth(false).empty());
  // Nothing to show once it is closed.
  FileMenuKey(Qt::Key_M);
  EXPECT_EQ(program.Current()->Id(), PageId::Graph);
  EXPECT_FALSE(program.Current()->findChild<QAction*>("ShowComparison")->isEnabled());
  if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
}

TEST_F(ComparisonPageTest, TheBaseIsChosenWhenComparingAndSwapExchangesItWithoutTouchingThePlan) {
  const PlanSnapshot before = Snapshot(program.session);
  program.scripted.prompts.choiceAnswers.push_back(1);
  CompareByKeyboard(kOtherPlan);
  ASSERT_EQ(program.Current(), Page());
  ASSERT_EQ(program.scripted.prompts.choices.size(), 1u);
  EXPECT_EQ(program.scripted.prompts.choices[0].choices,
            QStringList({"Base: Double.plan (current)", "Base: double_compare.plan"}));
  EXPECT_EQ(program.scripted.prompts.choices[0].proposed, 0);

  // The chosen file is the base: every difference reads the other way round.
  const auto shown = [this] {
    return QStringList({Cell("SummaryTable", 0, 1), Cell("SummaryTable", 0, 3),
                        Page()->findChild<YearGrid*>("DifferenceGrid")->CellText(2, 3),
                        Page()->findChild<QLabel*>("ComparedPlans")->text().section('\n', 0, 0)});
  };
  EXPECT_EQ(shown(), QStringList({"$2,197,182", "(-$195,621)", "(-$6,792)", "Base: " + kOtherPlan}));
  program.Trigger("SwapBase");
  EXPECT_EQ(shown(), QStringList({"$2,001,561", "$195,621", "$6,792", "Base: Double.plan (the current plan)"}));
  QTest::mouseClick(Page()->findChild<QPushButton*>("SwapBaseButton"), Qt::LeftButton);
  EXPECT_EQ(shown()[0], "$2,197,182");
  EXPECT_TRUE(Snapshot(program.session) == before);

  // Cancelling the choice opens no comparison.
  program.Trigger("CloseComparison");
  program.scripted.prompts.choiceAnswers.push_back(std::nullopt);
  CompareByKeyboard(kOtherPlan);
  EXPECT_EQ(program.Current()->Id(), PageId::Graph);
  EXPECT_FALSE(program.session.comparison.open);
}

TEST_F(ComparisonPageTest, AfterSaveAsThePlanItWasSavedFromIsProposedAsTheBase) {
  QTemporaryDir dir;
  const QString original = dir.filePath("Original.plan");
  {
    // A plan file names itself on its first line.
    QFile sample(kBasePlan);
    QFile copy(original);
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly) && copy.open(QIODevice::WriteOnly));
    copy.write(sample.readAll().replace("Double.plan", "Original.plan"));
  }
  program.scripted.prompts.answers.push_back(PromptButton::No);  // nothing to save first
  program.scripted.prompts.fileAnswers.push_back(original);
  program.Run(Command::Open);
  ASSERT_EQ(program.session.plan.PlanFileName, "Original.plan");
  program.session.plan.RetireAge1 = 68;
  program.scripted.prompts.fileAnswers.push_back(dir.filePath("Variant.plan"));
  program.Trigger("SaveAs");
  ASSERT_EQ(program.session.plan.PlanFileName, "Variant.plan");

  CompareByKeyboard(original);
  ASSERT_EQ(program.Current(), Page());
  ASSERT_EQ(program.scripted.prompts.choices.size(), 1u);
  EXPECT_EQ(program.scripted.prompts.choices[0].proposed, 1);
  EXPECT_TRUE(program.scripted.prompts.choices[0].text.contains("Variant.plan was saved from Original.plan"));
  EXPECT_TRUE(Page()->findChild<QLabel*>("ComparedPlans")->text().startsWith("Base: " + original));
  EXPECT_EQ(Cell("InputChanges", 0, 2), "65");  // base → other: the original's age first
  EXPECT_EQ(Cell("InputChanges", 0, 3), "68");

  // Another comparison keeps the current plan as the proposed base.
  program.Trigger("CloseComparison");
  CompareByKeyboard(kOtherPlan);
  EXPECT_EQ(program.scripted.prompts.choices.back().proposed, 0);
}
