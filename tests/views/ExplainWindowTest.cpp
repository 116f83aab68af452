#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include "model/PlanFile.h"
#include "support/ScriptedPlatform.h"
#include "views/ExplainWindow.h"

// The "Why this number?" window on cells of the sample plan: the root names
// the cell and its value, a cell term opens to that cell's terms and asks for
// the cell, the copied text is the tree as shown, Escape closes; expanding
// everything stays within the run's size.
namespace {

PlanRecord PlanFrom(const char* path) {
  PlanRecord plan;
  const PlanFileResult read = ReadPlanFile(plan, path);
  EXPECT_TRUE(read.ok && !read.missing);
  return plan;
}

PlanRecord SamplePlan() { return PlanFrom(PREVORA_TEST_DATA "/../../resources/Double.plan"); }

int CountLines(const QTreeWidgetItem* item) {
  int count = 1;
  for (int i = 0; i < item->childCount(); ++i) count += CountLines(item->child(i));
  return count;
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
  EXPECT_FALSE(loans->isExpanded());
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
  EXPECT_TRUE(root->child(0)->text(0).endsWith("(in 2026 dollars: prices rise 41.3 % from 2026 to 2040)"));
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

// A line longer than the window is wide wraps onto more lines instead of being cut.
TEST(ExplainWindowTest, LongLinesWrap) {
  RecordingDesktop desktop;
  ExplainWindow window(ModelOf("NetWorth", 2040, true), desktop);
  window.resize(360, 400);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const QTreeWidget* tree = window.Tree();
  const QRect line = tree->visualItemRect(tree->topLevelItem(0)->child(0));
  EXPECT_GE(line.height(), 2 * QFontMetrics(tree->font()).lineSpacing());
}

// `*` (the tree's expand-all key) and expand all on the last year's cells of
// the rich plan: each cell and balance is explained once, a later mention
// links to it, so the tree stays at a few thousand lines and opens at once.
TEST(ExplainWindowTest, ExpandingEverythingStaysWithinTheRunsSize) {
  constexpr int kMostLines = 10000;
  const PlanRecord plan = PlanFrom(PREVORA_TEST_DATA "/rich_forecast.plan");
  ExplainModel model(plan, RatePath::FromPlan(plan));
  const std::int64_t lastYear = plan.CurrentYear + RowCount(plan) - 1;
  RecordingDesktop desktop;
  for (const bool currentDollars : {false, true}) {
    for (const ForecastColumn& column : kForecastColumns) {
      ASSERT_TRUE(model.Select(column.name, lastYear, currentDollars));
      QElapsedTimer timer;
      timer.start();
      ExplainWindow window(model, desktop);
      QTreeWidget* tree = window.Tree();
      tree->setCurrentItem(tree->topLevelItem(0));
      QTest::keyClick(tree, Qt::Key_Asterisk);
      const int lines = CountLines(tree->topLevelItem(0));
      EXPECT_LE(lines, kMostLines) << column.name;
      tree->expandAll();
      EXPECT_EQ(CountLines(tree->topLevelItem(0)), lines) << column.name;
      EXPECT_LT(timer.elapsed(), 5000) << column.name;
      EXPECT_EQ(window.ShownText().count('\n'), lines) << column.name;
    }
  }
}

// A cell named twice is explained at its first line; activating the later one goes there.
TEST(ExplainWindowTest, ALaterMentionLinksToTheLineThatExplainsIt) {
  RecordingDesktop desktop;
  ExplainWindow window(ModelOf("IncomeTaxes", 2040), desktop);
  QTreeWidget* tree = window.Tree();
  const QList<QTreeWidgetItem*> mentions =
      tree->findItems("Taxable Invest 2040", Qt::MatchContains | Qt::MatchRecursive);
  ASSERT_EQ(mentions.size(), 2);
  EXPECT_GT(mentions[0]->childCount(), 0);
  EXPECT_EQ(mentions[1]->childCount(), 0);
  EXPECT_TRUE(mentions[1]->text(0).endsWith("(explained above)"));
  emit tree->itemActivated(mentions[1], 0);
  EXPECT_EQ(tree->currentItem(), mentions[0]);
  EXPECT_TRUE(mentions[0]->parent()->isExpanded());
}

}  // namespace
