#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include "model/PlanFile.h"
#include "support/ScriptedPlatform.h"
#include "views/ExplainWindow.h"

// The "Why this number?" window on cells of the sample plan: the root names
// the cell and its value, a cell term opens to that cell's terms and asks for
// the cell, the copied text is the tree as shown, Escape closes.
namespace {

PlanRecord SamplePlan() {
  PlanRecord plan;
  const PlanFileResult read = ReadPlanFile(plan, PREVORA_TEST_DATA "/../../resources/Double.plan");
  EXPECT_TRUE(read.ok && !read.missing);
  return plan;
}

ExplainModel ModelOf(const std::string& field, std::int64_t year, bool currentDollars = false) {
  const PlanRecord plan = SamplePlan();
  ExplainModel model(plan, RatePath::FromPlan(plan));
  EXPECT_TRUE(model.Select(field, year, currentDollars));
  return model;
}

TEST(ExplainWindowTest, RootNamesTheCellAndACellTermOpensAndAsksForThatCell) {
  RecordingDesktop desktop;
  ExplainWindow window(ModelOf("Expenses", 2040), desktop);
  QTreeWidgetItem* root = window.Tree()->topLevelItem(0);
  EXPECT_EQ(root->text(0), "Expenses, 2040, age 59: $194,106");

  QTreeWidgetItem* loans = root->child(0);
  ASSERT_EQ(loans->text(0), "+$2,717  Loan Payments 2040");
  EXPECT_EQ(loans->childCount(), 0);
  QSignalSpy requested(&window, &ExplainWindow::CellRequested);
  window.Tree()->setCurrentItem(loans);
  emit window.Tree()->itemActivated(loans, 0);
  ASSERT_EQ(requested.count(), 1);
  EXPECT_EQ(requested[0][0].toString(), "LoanPayments");
  EXPECT_EQ(requested[0][1].toInt(), 2040);
  ASSERT_TRUE(loans->isExpanded());
  ASSERT_GT(loans->childCount(), 0);

  window.CopyText();
  const QStringList lines = desktop.clipboard.split('\n', Qt::SkipEmptyParts);
  EXPECT_EQ(lines.first(), root->text(0));
  EXPECT_EQ(lines[1], "  " + loans->text(0));
  EXPECT_EQ(lines[2], "    " + loans->child(0)->text(0));
}

TEST(ExplainWindowTest, TodaysDollarsDivideTheCellByTheYearsInflationAndEscapeCloses) {
  RecordingDesktop desktop;
  ExplainWindow window(ModelOf("NetWorth", 2040, true), desktop);
  const QTreeWidgetItem* root = window.Tree()->topLevelItem(0);
  EXPECT_EQ(root->text(0), "Net Worth, 2040, age 59: $1,162,769 in today's dollars");
  EXPECT_TRUE(root->child(0)->text(0).contains("inflation index 2026 to 2040"));
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
}

TEST(ExplainWindowTest, ACellOutsideTheForecastIsRefused) {
  const PlanRecord plan = SamplePlan();
  ExplainModel model(plan, RatePath::FromPlan(plan));
  EXPECT_FALSE(model.Select("NetWorth", 2025, false));
  EXPECT_FALSE(model.Select("Taxes", 2040, false));
  EXPECT_TRUE(model.Select("IncomeTaxes", 2040, false));
  EXPECT_EQ(model.Current().title, "Income Taxes, 2040, age 59: $69,899");
}

}  // namespace
