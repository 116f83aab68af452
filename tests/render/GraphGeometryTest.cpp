#include <gtest/gtest.h>

#include "model/PlanRecord.h"
#include "render/GraphGeometry.h"
#include "render/GraphScreen.h"

namespace {

TEST(GraphAxisMaximum, FollowsTheScaleTable) {
  const struct {
    std::int64_t maximum;
    std::int64_t top;
  } cases[] = {
      {-5'000, 5},
      {0, 5},
      {4'999, 5},
      {5'000, 10},
      {10'000, 10},
      {10'001, 25},
      {24'999, 25},
      {25'000, 50},
      {49'999, 50},
      {50'000, 100},
      {100'000, 100},
      {100'001, 125},
      {124'999, 125},
      {125'000, 250},
      {249'999, 250},
      {250'000, 500},
      {480'000, 500},
      {499'999, 500},
      {500'000, 1'000},
      {1'000'000, 1'000},
      {1'000'001, 1'250},
      {1'249'999, 1'250},
      {10'000'001, 12'500},
      {999'999'999, 1'000'000},
      {1'000'000'000, 1'000'000},
      {1'000'000'001, 1'000'000},
      {INT64_MAX, 1'000'000},
  };
  for (const auto& c : cases) EXPECT_EQ(AxisMaximum(c.maximum), c.top) << c.maximum;
}

TEST(GraphAxisLabels, ReadFromTheTopDownToMinusTwentyPercent) {
  const char* expected[] = {"$500", "$400", "$300", "$200", "$100", "$0", "(-$100)"};
  const std::int64_t top = AxisMaximum(480'000);
  for (int k = 0; k <= 6; ++k) EXPECT_EQ(AxisLabelText(top, k), expected[k]) << k;
  EXPECT_EQ(AxisLabelText(1'250, 1), "$1,000");
  EXPECT_EQ(AxisLabelText(5, 6), "(-$1)");
}

TEST(GraphAgeAxis, StartsAtAWholeDecade) {
  EXPECT_EQ(DecadeCount(30), 6);
  EXPECT_EQ(StartAge(30), 30);
  EXPECT_EQ(DecadeCount(35), 6);
  EXPECT_EQ(StartAge(35), 30);
  EXPECT_EQ(DecadeCount(80), 1);
  EXPECT_EQ(StartAge(80), 80);
  EXPECT_EQ(StartAge(89), 80);
  // Ages only a plan file can bring still give a usable axis.
  for (std::int32_t age : {90, 99, 150, INT32_MAX, -5, INT32_MIN}) {
    EXPECT_GE(DecadeCount(age), 1) << age;
    EXPECT_LE(DecadeCount(age), 9) << age;
    EXPECT_EQ(StartAge(age), 90 - 10 * DecadeCount(age)) << age;
  }
}

TEST(GraphPlotFrame, MapsYearsAndDollarsToPixels) {
  // 506 x 574 window: plot 326 x 344.
  const PlotFrame frame = MakePlotFrame(90, 50, 326, 344, 35);
  EXPECT_EQ(frame.RowStep(), 57);
  EXPECT_EQ(frame.MinorRowStep(), 11);
  EXPECT_EQ(frame.DecadeStep(), 54);
  EXPECT_EQ(frame.MinorDecadeStep(), 11);
  // Age 35 on an axis 30..90: 5 x 326 / 60 = 27.17.
  EXPECT_EQ(frame.X(0), 117);
  EXPECT_EQ(frame.X(55), 90 + 326);
  EXPECT_EQ(frame.Y(500'000, 500), 50);
  EXPECT_EQ(frame.Y(0, 500), 50 + 287);  // 5 x 344 / 6 = 286.67
  EXPECT_EQ(frame.Y(-100'000, 500), 50 + 344);
  // Halves go to the even neighbour: 2.5 -> 2, 3.5 -> 4.
  EXPECT_EQ(RoundPixel(2.5L), 2);
  EXPECT_EQ(RoundPixel(3.5L), 4);
  EXPECT_EQ(RoundPixel(1e30L), INT32_MAX);
}

TEST(GraphScreenTexts, UnitCaptionNamesTheDollarViewAndShortensOnNarrowPlots) {
  EXPECT_EQ(UnitCaption(506 - 180, false, 2005), "Future $ (each year's own), in thousands");
  EXPECT_EQ(UnitCaption(600 - 180, false, 2005), "Future dollars (each year's own), in thousands");
  EXPECT_EQ(UnitCaption(600 - 180, true, 2005), "Today's dollars (2005), in thousands");
  EXPECT_EQ(UnitCaption(400, true, 2031), "Today's $ (2031), in thousands");
}

TEST(GraphScreenTexts, TitleNamesBothPersonsOnlyWhenTheyFit) {
  PlanRecord plan;
  plan.Name1 = "John Smith";
  plan.Name2 = "Mary Smith";
  EXPECT_EQ(GraphTitle(plan, 506), "Financial Graph for John Smith and Mary Smith");
  plan.Name1 = std::string(16, 'a');
  plan.Name2 = std::string(16, 'b');  // 32 x 16 = 512 >= 506
  EXPECT_EQ(GraphTitle(plan, 506), "Financial Graph for " + QString(16, 'a'));
  EXPECT_EQ(GraphTitle(plan, 513), "Financial Graph for " + QString(16, 'a') + " and " + QString(16, 'b'));
  plan.SecondPerson = false;
  EXPECT_EQ(GraphTitle(plan, 2000), "Financial Graph for " + QString(16, 'a'));
}

TEST(GraphScreenParameters, SizeStepAndLegendRows) {
  EXPECT_EQ(SizeStep(506), 2);
  EXPECT_EQ(SizeStep(507), 3);
  EXPECT_EQ(SizeStep(1024), 3);
  EXPECT_EQ(SizeStep(1025), 4);
  PlanRecord plan;
  const GraphParameters p = ScreenGraphParameters(506, 574, QSize(506, 574), plan, false, {}, "Times New Roman");
  EXPECT_EQ(p.legend[0].marker, QPoint(50, 432));
  EXPECT_EQ(p.legend[3].name, QPoint(60, 486));
  EXPECT_EQ(p.legend[4].marker, QPoint(386, 431));
  EXPECT_EQ(p.legend[7].name, QPoint(396, 485));
  EXPECT_EQ(p.titleFont.pointSize(), 11);
  EXPECT_EQ(p.labelFont.pointSize(), 9);
  EXPECT_TRUE(p.titleFont.underline());
}

TEST(GraphPlotFrame, PointsFarOffThePlotSaturateInsteadOfWrappingAround) {
  const PlotFrame frame = MakePlotFrame(90, 50, 326, 344, 45);
  EXPECT_EQ(frame.Y(INT64_MIN, 1), INT_MAX);
  EXPECT_LT(frame.Y(INT64_MAX, 1), -1'000'000'000);
  EXPECT_EQ(frame.X(INT64_MAX), INT_MAX);
  EXPECT_LT(frame.X(INT64_MIN), -1'000'000'000);
  // Ordinary points are where they always were.
  EXPECT_EQ(frame.X(0), 90 + 33);
  EXPECT_EQ(frame.Y(0, 5), 50 + 287);
}

TEST(GraphPlotFrame, TheAgeAxisRunsFromItsStartAgeToNinety) {
  // Age 45: the axis starts at 40.
  EXPECT_TRUE(OnAgeAxis(45, -5));
  EXPECT_FALSE(OnAgeAxis(45, -6));
  EXPECT_TRUE(OnAgeAxis(45, 45));
  EXPECT_FALSE(OnAgeAxis(45, 46));
  for (const std::int64_t k : {INT64_MIN, INT64_MAX, std::int64_t{1} << 50}) EXPECT_FALSE(OnAgeAxis(45, k)) << k;
  EXPECT_FALSE(OnAgeAxis(INT32_MAX, 0));
  EXPECT_TRUE(OnAgeAxis(INT32_MIN, 0 - static_cast<std::int64_t>(INT32_MIN)));
}

}  // namespace
