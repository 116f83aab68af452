#include <gtest/gtest.h>

#include <QTest>
#include <climits>

#include "support/TestProgram.h"
#include "views/PlanPageSize.h"

// The stored size is the size shown: the graph and the plan page count their
// menu bar alike, so switching between them keeps the window's size, and no
// stored size, however absurd, overflows the graph page's arithmetic.
namespace {

class PageSizeTest : public ::testing::Test {
 protected:
  QSize ShownSize(PageId page) {
    program.window->SwitchPageValidated(program.Current()->Id(), page);
    EXPECT_EQ(program.Current()->Id(), page);
    return program.window->size();
  }

  TestProgram program;
  WindowGeometry& g = program.session.geometry;
};

TEST_F(PageSizeTest, GraphAndPlanPagesShowTheSameStoredSize) {
  g.GraphWidth = g.PlanWidth = 506;
  g.GraphHeight = g.PlanHeight = 574;
  EXPECT_EQ(ShownSize(PageId::PlanTable), QSize(506, 574));
  EXPECT_EQ(ShownSize(PageId::Graph), QSize(506, 574));
  EXPECT_EQ(ShownSize(PageId::PlanTable), QSize(506, 574));
  EXPECT_EQ(g.PlanHeight, 574);
}

TEST_F(PageSizeTest, ThePlanPageStaysWithinTheScreenHeight) {
  g.ScreenHeight = 700;
  EXPECT_EQ(PlanPageHeldSize(QSize(800, 900), g, 30), QSize(800, 700));
  g.PlanHeight = 900;
  EXPECT_LE(ShownSize(PageId::PlanTable).height(), 700);
}

TEST_F(PageSizeTest, ExtremeGraphSizesDoNotOverflow) {
  g.GraphWidth = INT_MIN;
  g.GraphHeight = INT_MIN;
  const QSize page = program.PageAt(PageId::Graph)->PageSize();
  EXPECT_GE(page.width(), 0);
  EXPECT_GE(page.height(), 0);
}

}  // namespace
