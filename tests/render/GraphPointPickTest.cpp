#include <gtest/gtest.h>

#include <climits>

#include "engine/ForecastTable.h"
#include "model/PlanRecord.h"
#include "render/GraphPointPick.h"

// Which curve point a click near the graph names: the nearest shown point in
// reach, on the axis its curve uses, with the curve drawn on top winning.
namespace {

struct GraphPointPickTest : ::testing::Test {
  PlanRecord plan;
  ForecastTable table;
  PlotFrame frame;
  GraphScales scales{1'000, 100};
  std::array<bool, kCurveCount> shown{true, true, true, true, true, true, true, true};
  const std::array<int, kCurveCount> order{4, 7, 8, 5, 6, 1, 3, 2};

  void SetUp() override {
    plan.Age1 = 60;
    frame = MakePlotFrame(90, 50, 326, 294, plan.Age1);
    for (int a = 1; a <= RowCount(plan); ++a) {
      table.Year(a).NetWorth = 400'000 + 10'000 * a;
      table.Year(a).Expenses = 60'000;
    }
  }

  std::optional<CurvePoint> Pick(QPoint at) { return NearestCurvePoint(frame, scales, order, plan, table, shown, at); }
};

TEST_F(GraphPointPickTest, NamesTheNearestPointOfTheCurveUnderTheClick) {
  const QPoint worth(frame.X(5), frame.Y(table.Year(6).NetWorth, scales.assets));
  const auto picked = Pick(worth + QPoint(2, -3));
  ASSERT_TRUE(picked);
  EXPECT_EQ(picked->curve, 1);
  EXPECT_EQ(picked->yearIndex, 5);

  // Expenses are drawn against the right axis.
  const auto expenses = Pick(QPoint(frame.X(10), frame.Y(60'000, scales.cashFlow)));
  ASSERT_TRUE(expenses);
  EXPECT_EQ(expenses->curve, 5);
  EXPECT_EQ(expenses->yearIndex, 10);
}

TEST_F(GraphPointPickTest, HiddenCurvesFarClicksAndExtremeValuesNameNothing) {
  const QPoint worth(frame.X(5), frame.Y(table.Year(6).NetWorth, scales.assets));
  shown[0] = false;
  EXPECT_FALSE(Pick(worth) && Pick(worth)->curve == 1);
  shown[0] = true;
  EXPECT_FALSE(Pick(worth + QPoint(0, 40)) && Pick(worth + QPoint(0, 40))->curve == 1);
  table.Year(3).NetWorth = INT64_MAX;
  table.Year(4).NetWorth = INT64_MIN;
  EXPECT_FALSE(Pick(QPoint(INT_MAX, INT_MIN)));
}

}  // namespace
