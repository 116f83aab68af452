#include <gtest/gtest.h>

#include <QApplication>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

#include "model/NumberFormat.h"
#include "model/PlanFile.h"
#include "support/TestProgram.h"
#include "views/ExplainWindow.h"
#include "views/PlanTablePage.h"
#include "views/YearGrid.h"

// "Why this number?" from the plan page: Ctrl+E on a cell opens the window on
// that cell in the shown dollars, and activating a term that is another cell
// of the grid selects that cell.
namespace {

struct PlanExplainTest : ::testing::Test {
  TestProgram program;

  void SetUp() override {
    ASSERT_TRUE(ReadPlanFile(program.session.plan, PREVORA_TEST_DATA "/../../resources/Double.plan").ok);
    program.window->SwitchPageValidated(PageId::Personal, PageId::PlanTable);
    program.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(program.window.get()));
  }

  // The key as a user presses it, with the grid holding the keyboard focus.
  void PressCtrlE() {
    Grid()->setFocus();
    QTest::keyClick(Grid(), Qt::Key_E, Qt::ControlModifier);
  }

  YearGrid* Grid() { return program.PageAt(PageId::PlanTable)->findChild<YearGrid*>("YearGrid"); }

  ExplainWindow* OpenWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* window = qobject_cast<ExplainWindow*>(widget); window && window->isVisible()) return window;
    }
    return nullptr;
  }

  int ColumnOf(std::int64_t YearRecord::*field) { return Grid()->ColumnOf(field); }
};

}  // namespace

TEST_F(PlanExplainTest, CtrlEExplainsTheCurrentCellAndACellTermSelectsThatCell) {
  const int row = 4;
  Grid()->setCurrentCell(row, ColumnOf(&YearRecord::NetWorth));
  PressCtrlE();
  ExplainWindow* window = OpenWindow();
  ASSERT_NE(window, nullptr);
  const std::int64_t year = program.session.plan.CurrentYear + row;
  const QTreeWidgetItem* root = window->Tree()->topLevelItem(0);
  const QString worth = QString::fromStdString(FormatDollars(program.session.table.Year(row + 1).NetWorth));
  EXPECT_TRUE(root->text(0).startsWith(QString("Net Worth, %1, age ").arg(year))) << root->text(0).toStdString();
  EXPECT_TRUE(root->text(0).endsWith(": " + worth)) << root->text(0).toStdString();

  QTreeWidgetItem* taxable = nullptr;
  for (int i = 0; i < root->childCount(); ++i) {
    if (root->child(i)->text(0).contains(QString("Taxable Invest %1").arg(year))) taxable = root->child(i);
  }
  ASSERT_NE(taxable, nullptr);
  emit window->Tree()->itemActivated(taxable, 0);
  EXPECT_EQ(Grid()->currentRow(), row);
  EXPECT_EQ(Grid()->currentColumn(), ColumnOf(&YearRecord::TaxableInvest));
  window->close();
}

TEST_F(PlanExplainTest, TodaysDollarsAreExplainedInTodaysDollarsAndTheAgeColumnOpensNothing) {
  program.session.SwitchDollars();
  Grid()->setCurrentCell(2, ColumnOf(&YearRecord::Expenses));
  PressCtrlE();
  ExplainWindow* window = OpenWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->Tree()->topLevelItem(0)->text(0).endsWith("in today's dollars"));
  window->close();

  Grid()->setCurrentCell(2, 1);  // the first person's age
  PressCtrlE();
  EXPECT_EQ(OpenWindow(), nullptr);
}
