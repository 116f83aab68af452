#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QMenu>
#include <QSpinBox>
#include <QTest>

#include "model/PlanFile.h"
#include "render/GraphBand.h"
#include "support/TestProgram.h"
#include "views/GraphCurveTrace.h"
#include "views/GraphPage.h"
#include "views/GraphResizeRule.h"
#include "views/OddsPage.h"

namespace {

// The program with the sample plan on its graph page.
class GraphPageExtras : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ReadPlanFile(program.session.plan, PREVORA_TEST_DATA "/../../resources/Double.plan").ok);
    program.Current()->Activate();
  }
  GraphPage* Graph() const { return qobject_cast<GraphPage*>(program.PageAt(PageId::Graph)); }
  QCheckBox* GraphBox(const char* name) const { return Graph()->findChild<QCheckBox*>(name); }
  // File, Show Comparison: the menu enables the item as it opens.
  void ShowComparison() {
    emit Graph()->findChild<QMenu*>("FileMenu")->aboutToShow();
    program.Trigger("ShowComparison");
  }

  TestProgram program;
};

TEST_F(GraphPageExtras, TheCompareBoxFollowsTheComparisonPagesBoxAndTheCurveGoesWhenTheComparisonCloses) {
  const QImage plain = Graph()->GraphBitmap();
  program.scripted.prompts.fileAnswers = {kComparedPlan};
  program.Trigger("CompareWith");
  ASSERT_EQ(program.Current()->Id(), PageId::Comparison);
  program.Current()->findChild<QCheckBox*>("CompareCurve")->click();
  program.Trigger("Graph");
  ASSERT_EQ(program.Current()->Id(), PageId::Graph);
  EXPECT_TRUE(GraphBox("CompareCurve")->isChecked());
  EXPECT_GT(TraceComparedCurve(Graph()->GraphBitmap(), program.session, Graph()->Scales().assets).drawn, 40);

  // Off on the graph is off on the comparison page, and on again.
  GraphBox("CompareCurve")->click();
  ShowComparison();
  ASSERT_EQ(program.Current()->Id(), PageId::Comparison);
  auto* pageBox = program.Current()->findChild<QCheckBox*>("CompareCurve");
  EXPECT_FALSE(pageBox->isChecked());
  pageBox->click();
  program.Trigger("Graph");
  EXPECT_TRUE(GraphBox("CompareCurve")->isChecked());

  // Closing returns to the graph as it was left, less the dashed curve, even
  // when no change of the window's size makes the graph draw itself again.
  const QSize graphSize = program.window->size();
  ShowComparison();
  program.window->resize(graphSize);
  QCoreApplication::processEvents();
  program.Trigger("CloseComparison");
  ASSERT_EQ(program.Current()->Id(), PageId::Graph);
  EXPECT_FALSE(GraphBox("CompareCurve")->isEnabled());
  EXPECT_FALSE(GraphBox("CompareCurve")->isChecked());
  EXPECT_EQ(Graph()->GraphBitmap(), plain);
}

TEST_F(GraphPageExtras, AfterASmallOddsRunTheBandBoxDrawsTheBandBetweenP10AndP90) {
  const QImage plain = Graph()->GraphBitmap();
  program.Trigger("Odds");
  ASSERT_EQ(program.Current()->Id(), PageId::Odds);
  auto* odds = qobject_cast<OddsPage*>(program.Current());
  odds->findChild<QSpinBox*>("OddsTrials")->setValue(30);
  odds->RunClicked();
  ASSERT_TRUE(QTest::qWaitFor([odds] { return !odds->IsRunning(); }, 20000));
  ASSERT_NE(odds->Result(), nullptr);
  odds->CloseClicked();
  ASSERT_EQ(program.Current()->Id(), PageId::Graph);

  QCheckBox* band = GraphBox("NetWorthBand");
  EXPECT_TRUE(band->isEnabled());
  EXPECT_FALSE(band->isChecked());
  EXPECT_EQ(Graph()->GraphBitmap(), plain);

  band->click();
  EXPECT_TRUE(program.session.odds.bandShown);
  const QImage image = Graph()->GraphBitmap();
  const PlotFrame frame = FirstFrame(program.session.plan);
  const std::int64_t scale = Graph()->Scales().assets;
  const std::vector<YearBands>& years = odds->Result()->years;
  ASSERT_EQ(years.size(), static_cast<std::size_t>(RowCount(program.session.plan)));
  int banded = 0;
  for (const std::int64_t k : {10, 20, 30, 40}) {
    const YearBands& year = years[static_cast<std::size_t>(k)];
    const int x = frame.X(k);
    const int top = std::max(frame.Y(year.inflated[4], scale), frame.top);
    const int bottom = std::min(frame.Y(year.inflated[0], scale), frame.Bottom());
    for (int y = frame.top; y <= frame.Bottom(); ++y) {
      const bool inBand = image.pixelColor(x, y) == kGraphBandColour;
      if (y < top - 3 || y > bottom + 3) {
        EXPECT_FALSE(inBand) << "year " << k << " row " << y;
      }
      banded += inBand ? 1 : 0;
    }
  }
  EXPECT_GT(banded, 20);

  band->click();
  EXPECT_FALSE(program.session.odds.bandShown);
  EXPECT_EQ(Graph()->GraphBitmap(), plain);
}

TEST(GraphPageInProgram, WindowResizeMovesTheCheckBoxesAndSnapsToTheMinimum) {
  TestProgram program;
  program.window->resize(900, 700);
  QCoreApplication::processEvents();
  EXPECT_EQ(program.session.geometry.GraphWidth, 900);
  EXPECT_EQ(program.session.geometry.GraphHeight, 700);
  auto* box = program.Current()->findChild<QCheckBox*>("IncomeCurve");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->pos(), QPoint(900 - 148, 700 - 131));
  program.window->resize(300, 300);
  QCoreApplication::processEvents();
  EXPECT_EQ(program.session.geometry.GraphWidth, 506);
}


}  // namespace
