#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTreeWidget>

#include "model/PlanFile.h"
#include "render/GraphPointPick.h"
#include "render/GraphScreen.h"
#include "support/TestProgram.h"
#include "views/ExplainWindow.h"
#include "views/GraphPage.h"

// "Why this number?" from the graph: a right-click near a curve point offers
// the fields of that point, and choosing one opens its explanation.
namespace {

struct GraphExplainTest : ::testing::Test {
  TestProgram program;

  void SetUp() override {
    ASSERT_TRUE(ReadPlanFile(program.session.plan, PREVORA_TEST_DATA "/../../resources/Double.plan").ok);
    program.window->SwitchPageValidated(PageId::Personal, PageId::Graph);
  }

  GraphPage* Graph() { return qobject_cast<GraphPage*>(program.PageAt(PageId::Graph)); }

  // Where the graph draws curve `curve` in plan year index `k`.
  QPoint PointOf(int curve, int k) {
    const GraphParameters drawing =
        ScreenGraphParameters(program.session.geometry.GraphWidth, program.session.geometry.GraphHeight,
                              Graph()->GraphBitmap().size(), program.session.plan, program.session.CurrentDollars,
                              Graph()->Scales(), GraphFontFamily(1024));
    const std::int64_t value = CurveValue(program.session.table.Year(k + 1), curve);
    const std::int64_t scale = IsAssetsCurve(curve) ? drawing.scales.assets : drawing.scales.cashFlow;
    return QPoint(drawing.frame.X(k), drawing.frame.Y(value, scale));
  }

  QMenu* RightClick(QPoint at) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, Graph()->Picture()->mapToGlobal(at));
    QApplication::sendEvent(Graph()->Picture(), &event);
    return Graph()->Picture()->findChild<QMenu*>("WhyThisNumberMenu");
  }

  ExplainWindow* OpenWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* window = qobject_cast<ExplainWindow*>(widget); window && window->isVisible()) return window;
    }
    return nullptr;
  }
};

}  // namespace

TEST_F(GraphExplainTest, ARightClickOnTheInvestmentsCurveOffersBothAccountsAndOpensOne) {
  QMenu* menu = RightClick(PointOf(2, 10));
  ASSERT_NE(menu, nullptr);
  const std::int64_t year = program.session.plan.CurrentYear + 10;
  ASSERT_EQ(menu->actions().size(), 2);
  EXPECT_EQ(menu->actions()[0]->text(), QString("Why this number? Tax Deferred %1").arg(year));
  EXPECT_EQ(menu->actions()[1]->text(), QString("Why this number? Taxable Invest %1").arg(year));
  menu->actions()[1]->trigger();
  ExplainWindow* window = OpenWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->Tree()->topLevelItem(0)->text(0).startsWith(QString("Taxable Invest, %1, age ").arg(year)));
  window->close();
  menu->close();
}

TEST_F(GraphExplainTest, AClickFarFromEveryCurveOffersNothing) {
  EXPECT_EQ(RightClick(QPoint(2, 2)), nullptr);
}
