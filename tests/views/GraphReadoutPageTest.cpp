#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

#include "model/PlanFile.h"
#include "render/GraphScreen.h"
#include "support/TestProgram.h"
#include "views/GraphPage.h"

// The graph's readout: pointing at the plot or stepping with the keys shows a
// year's figures in the dollars shown, and the page says how to get them.
namespace {

struct GraphReadoutPageTest : ::testing::Test {
  TestProgram program;

  void SetUp() override {
    ASSERT_TRUE(ReadPlanFile(program.session.plan, PREVORA_TEST_DATA "/../../resources/Double.plan").ok);
    program.window->SwitchPageValidated(PageId::Personal, PageId::Graph);
  }

  GraphPage* Graph() { return qobject_cast<GraphPage*>(program.PageAt(PageId::Graph)); }
  PlotFrame Frame() {
    const Session& s = program.session;
    return ScreenGraphParameters(s.geometry.GraphWidth, s.geometry.GraphHeight, Graph()->GraphBitmap().size(), s.plan,
                                 s.CurrentDollars, Graph()->Scales(), GraphFontFamily(1024))
        .frame;
  }
  void PointAt(QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, Graph()->Picture()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(Graph()->Picture(), &move);
  }
  QStringList Lines() {
    const auto& readout = Graph()->Picture()->Readout();
    return readout ? readout->lines : QStringList();
  }
};

}  // namespace

TEST_F(GraphReadoutPageTest, PointingAndKeysReadAYearInTheDollarsShown) {
  const PlotFrame frame = Frame();
  const int year = program.session.plan.CurrentYear;
  PointAt(QPoint(frame.X(14) + 1, frame.top + 100));
  EXPECT_EQ(Graph()->ReadoutYear(), 14);
  EXPECT_TRUE(Lines().value(0).startsWith(QString("%1: John Smith 59, Mary Smith 57").arg(year + 14)));
  EXPECT_EQ(Lines().value(1), "Future dollars (each year's own)");
  EXPECT_TRUE(Graph()->Picture()->accessibleDescription().contains("Net Worth: $"));

  // Switching the dollars or hiding a curve reads the same year again.
  Graph()->findChild<QAction*>("SwitchDollars")->trigger();
  EXPECT_EQ(Lines().value(1), QString("Today's dollars (%1)").arg(year));
  Graph()->findChild<QCheckBox*>("NetWorthCurve")->click();
  EXPECT_FALSE(Lines().join("\n").contains("Net Worth:"));

  QTest::keyClick(Graph()->Picture(), Qt::Key_Right);
  EXPECT_EQ(Graph()->ReadoutYear(), 15);
  QTest::keyClick(Graph()->Picture(), Qt::Key_End);
  EXPECT_EQ(Graph()->ReadoutYear(), RowCount(program.session.plan) - 1);
  QTest::keyClick(Graph()->Picture(), Qt::Key_Escape);
  EXPECT_FALSE(Graph()->ReadoutYear());
  EXPECT_TRUE(Lines().isEmpty());
  QTest::keyClick(Graph()->Picture(), Qt::Key_Home);
  EXPECT_EQ(Graph()->ReadoutYear(), 0);

  // Off the plot, nothing is read.
  PointAt(QPoint(frame.left + 10, frame.Bottom() + 60));
  EXPECT_FALSE(Graph()->ReadoutYear());
}

TEST_F(GraphReadoutPageTest, AVisibleHintTellsHowToReadAndExplainAPoint) {
  const auto* hint = Graph()->Picture()->findChild<QLabel*>("ReadoutHint");
  ASSERT_NE(hint, nullptr);
  EXPECT_TRUE(hint->isVisible());
  EXPECT_TRUE(hint->text().contains("arrow keys"));
  EXPECT_TRUE(hint->text().contains("Right-click a point"));
  // Inside the window, under the legend.
  EXPECT_GT(hint->geometry().top(), Frame().Bottom() + 100);
  EXPECT_LE(hint->geometry().bottom(), Graph()->Picture()->height());
}
