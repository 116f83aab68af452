#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <set>

#include "engine/Forecast.h"
#include "model/PlanFile.h"
#include "render/GraphCurves.h"
#include "render/GraphDrawing.h"
#include "render/GraphReadout.h"
#include "render/GraphScreen.h"
#include "render/RecordingDevice.h"

namespace {

// The sample plan that ships with the program: a household with every curve in use.
const std::string kSamplePlan = PREVORA_TEST_DATA "/../../resources/Double.plan";

QImage Render(const GraphInput& input, int width = 506, int height = 574) {
  return RenderScreenGraph(input, width, height, QSize(width, height), "Times New Roman");
}

// Pixels of exactly this colour inside the rectangle.
int CountColour(const QImage& image, const QRect& area, const QColor& colour) {
  int count = 0;
  const QRect clipped = area.intersected(image.rect());
  for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
    for (int x = clipped.left(); x <= clipped.right(); ++x) {
      if (image.pixelColor(x, y) == colour) ++count;
    }
  }
  return count;
}

QRect Around(QPoint centre, int radius) {
  return QRect(centre - QPoint(radius, radius), centre + QPoint(radius, radius));
}

// The plot box of a 506 x 574 window, axes included.
const QRect kPlot(QPoint(90, 45), QPoint(416, 399));

class GraphDrawingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ReadPlanFile(plan, kSamplePlan).ok);
    RunForecast(plan, table);
  }
  GraphInput Input() const { return {plan, table, false, shown}; }

  PlanRecord plan;
  ForecastTable table;
  std::array<bool, kCurveCount> shown{true, true, true, true, true, true, true, true};
};

TEST_F(GraphDrawingTest, LegendMarkersSitInTheirColoursBesideTheCheckBoxes) {
  const QImage image = Render(Input());
  const QPoint markers[] = {{50, 432}, {50, 450}, {50, 468}, {50, 486}, {386, 431}, {386, 449}, {386, 467}, {386, 485}};
  for (int n = 1; n <= kCurveCount; ++n) {
    const QPoint at = markers[n - 1];
    EXPECT_GT(CountColour(image, Around(at, 3), CurveColour(n)), 3) << "curve " << n;
    // The circle and the square are filled white inside their double outlines.
    if (n == 1 || n == 6) {
      EXPECT_EQ(image.pixelColor(at), QColor(Qt::white)) << "curve " << n;
    }
  }
  // The legend shows all eight even when curves are hidden.
  shown.fill(false);
  const QImage empty = Render(Input());
  for (int n = 1; n <= kCurveCount; ++n) EXPECT_GT(CountColour(empty, Around(markers[n - 1], 3), CurveColour(n)), 3);
}

TEST_F(GraphDrawingTest, HiddenCurvesLeaveNoPixelsInThePlot) {
  const QImage all = Render(Input());
  for (int n : {1, 2, 3, 5, 6, 7}) EXPECT_GT(CountColour(all, kPlot, CurveColour(n)), 20) << "curve " << n;
  shown = {true, false, true, true, false, true, true, true};
  const QImage some = Render(Input());
  EXPECT_EQ(CountColour(some, kPlot, CurveColour(2)), 0);
  EXPECT_EQ(CountColour(some, kPlot, CurveColour(5)), 0);
  EXPECT_GT(CountColour(some, kPlot, CurveColour(6)), 20);
}

TEST_F(GraphDrawingTest, GridAndAxesFollowThePlotBox) {
  const QImage image = Render(Input());
  const QColor cyan(0, 255, 255);
  // Age 45: five decades of 65 pixels, minor lines 13 apart; the left axis is doubled to the right.
  EXPECT_EQ(image.pixelColor(103, 60), cyan);
  EXPECT_EQ(image.pixelColor(102, 60), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(90, 200), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(91, 200), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(86, 50), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(86, 51), QColor(Qt::black));
  // Value ticks reach 4 left of the axis, and nothing lies beyond.
  EXPECT_EQ(image.pixelColor(86, 50 + 57), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(85, 50 + 57), QColor(Qt::white));
}

TEST_F(GraphDrawingTest, TheAgeAxisShowsCalendarYearsAndTheLegendNamesEachHalfsScale) {
  RecordingDevice device;
  QPainter painter(&device);
  DrawGraph(painter, ScreenGraphParameters(506, 574, QSize(506, 574), plan, false, {}, "Times New Roman"), Input());
  painter.end();
  // Age 45 in 2026: the decades from age 40 fall in 2021, 2031, ...
  QStringList years;
  for (const RecordedText& text : device.Engine().texts)
    if (text.text.size() == 4 && text.text.startsWith("20")) years << text.text;
  EXPECT_EQ(years, QStringList({"2021", "2031", "2041", "2051", "2061", "2071"}));
  const QStringList texts = device.TextsOnPage(1);
  EXPECT_TRUE(texts.contains("\u2191 Left scale"));
  EXPECT_TRUE(texts.contains("\u2191 Right scale"));
}

// The graph page smooths its curves; pictures (prevora-cli graph) keep only
// the drawing's own colours, pixel for pixel.
TEST_F(GraphDrawingTest, OnlyTheGraphPageSmoothsItsCurves) {
  std::set<QRgb> palette{QColor(Qt::white).rgb(), QColor(Qt::black).rgb(), QColor(0, 255, 255).rgb()};
  for (int n = 1; n <= kCurveCount; ++n) palette.insert(CurveColour(n).rgb());
  const auto blended = [&](const QImage& image) {
    int count = 0;
    for (int y = kPlot.top(); y <= kPlot.bottom(); ++y)
      for (int x = kPlot.left(); x <= kPlot.right(); ++x) count += palette.count(image.pixel(x, y)) == 0 ? 1 : 0;
    return count;
  };
  EXPECT_EQ(blended(Render(Input())), 0);
  const QImage smooth = RenderScreenGraph(Input(), 506, 574, QSize(506, 574), "Times New Roman", nullptr, true);
  EXPECT_GT(blended(smooth), 500);
}

TEST_F(GraphDrawingTest, AllCurvesHiddenGiveTheSmallestScales) {
  shown.fill(false);
  GraphScales scales;
  RenderScreenGraph(Input(), 506, 574, QSize(506, 574), "Times New Roman", &scales);
  EXPECT_EQ(scales.assets, 5);
  EXPECT_EQ(scales.cashFlow, 5);
}

TEST_F(GraphDrawingTest, ValueAtTheAxisTopHasAMarkerButNoSegmentToIt) {
  table = ForecastTable{};
  plan.Age1 = 80;  // eleven years, one decade
  shown = {false, false, false, false, false, false, false, true};
  // Distribution: zero, then 10,000 (the axis top of 10 thousands), then above the axis.
  table.Year(3).Distribution = 5'000;
  table.Year(4).Distribution = 10'000;
  table.Year(5).Distribution = 20'000;
  GraphScales scales;
  const QImage image = RenderScreenGraph(Input(), 506, 574, QSize(506, 574), "Times New Roman", &scales);
  EXPECT_EQ(scales.cashFlow, 25);
  // With a top of 25 thousands, every value is drawable: markers at years 2 (the zero
  // before the first value), 3, 4 and 5.
  const QColor colour = CurveColour(8);
  const PlotFrame frame = MakePlotFrame(90, 50, 326, 344, 80);
  EXPECT_GT(CountColour(image, Around({frame.X(1), frame.Y(0, 25)}, 2), colour), 2);
  EXPECT_EQ(CountColour(image, Around({frame.X(0), frame.Y(0, 25)}, 2), colour), 0);

  // Force the scale down so 20,000 lies above it: year 5 is neither drawn nor joined.
  table.Year(5).Distribution = 0;
  table.Year(4).Distribution = 10'000;
  const QImage capped = RenderScreenGraph(Input(), 506, 574, QSize(506, 574), "Times New Roman", &scales);
  EXPECT_EQ(scales.cashFlow, 10);
  // At the top (10,000 = M) the marker is drawn, but the segment from year 3 ends
  // short of it: the middle of that segment holds no curve pixel.
  EXPECT_GT(CountColour(capped, Around({frame.X(3), 50}, 2), colour), 2);
  const QPoint middle((frame.X(2) + frame.X(3)) / 2, (frame.Y(5'000, 10) + 50) / 2);
  EXPECT_EQ(CountColour(capped, Around(middle, 1), colour), 0);
}

TEST_F(GraphDrawingTest, ValuesBelowTheAxisBottomLeaveAGap) {
  table = ForecastTable{};
  plan.Age1 = 80;
  shown = {true, false, false, false, false, false, false, false};
  table.Year(1).NetWorth = 100'000;
  table.Year(2).NetWorth = -50'000;  // below -20 % of the 100 thousand top
  table.Year(3).NetWorth = 100'000;
  const QImage image = Render(Input());
  const PlotFrame frame = MakePlotFrame(90, 50, 326, 344, 80);
  const QColor green = CurveColour(1);
  EXPECT_GT(CountColour(image, Around({frame.X(0), 50}, 3), green), 3);
  EXPECT_GT(CountColour(image, Around({frame.X(2), 50}, 3), green), 3);
  // Neither a marker for year 2 nor a segment to or from it.
  EXPECT_EQ(CountColour(image, QRect(QPoint(frame.X(0) + 5, 0), QPoint(frame.X(2) - 5, 399)), green), 0);
}

// The plot box of the 506 x 574 screen graph for the sample plan's first person.
PlotFrame SampleFrame(const PlanRecord& plan) { return MakePlotFrame(90, 50, 326, 344, plan.Age1); }

TEST_F(GraphDrawingTest, TheComparisonCurveRaisesTheAssetsAxisToItsYearsOnTheAgeAxisAndIsDrawnDashed) {
  const GraphScales own = InputScales(Input());
  std::int64_t highest = 0;
  for (int a = 1; a <= RowCount(plan); ++a) highest = std::max(highest, table.Year(a).NetWorth);

  // Three times the plan's net worth in the same years, and a huge value past age 90 that no axis shows.
  GraphInput input = Input();
  ComparisonSeries series;
  for (int a = 1; a <= RowCount(plan); ++a) series.values.push_back(3 * table.Year(a).NetWorth);
  series.values.push_back(1'000'000'000'000);
  input.comparison = series;
  GraphScales scales;
  const QImage image = RenderScreenGraph(input, 506, 574, QSize(506, 574), "Times New Roman", &scales);
  EXPECT_EQ(scales.assets, AxisMaximum(3 * highest));
  EXPECT_GT(scales.assets, own.assets);
  EXPECT_EQ(scales.cashFlow, own.cashFlow);
  EXPECT_EQ(InputScales(input).assets, scales.assets);

  // Dashes near the series' last year on the axis, where the plan's own curve is far below.
  const PlotFrame frame = SampleFrame(plan);
  const int last = RowCount(plan) - 1;
  const std::size_t lastIndex = static_cast<std::size_t>(last);
  const QPoint end(frame.X(last), frame.Y(series.values[lastIndex], scales.assets));
  EXPECT_GT(CountColour(image, Around(end, 3), CurveColour(1)), 0);
}

// A stress curve that falls below the axis's floor leaves an arrow on the
// floor in the year it leaves, and nothing where it is still on the chart.
TEST_F(GraphDrawingTest, ACurveLeavingTheChartIsMarkedWhereItLeaves) {
  shown.fill(false);
  GraphInput input = Input();
  ComparisonSeries series;
  series.dotted = true;
  for (int a = 1; a <= RowCount(plan); ++a) series.values.push_back(a <= 10 ? 1'000'000 : -50'000'000);
  input.stress = series;
  GraphScales scales;
  const QImage image = RenderScreenGraph(input, 506, 574, QSize(506, 574), "Times New Roman", &scales);
  const PlotFrame frame = SampleFrame(plan);
  const int floor = frame.Y(-200 * scales.assets, scales.assets);
  EXPECT_GT(CountColour(image, Around(QPoint(frame.X(10), floor + 2), 2), CurveColour(1)), 0);
  EXPECT_EQ(CountColour(image, Around(QPoint(frame.X(5), floor + 2), 2), CurveColour(1)), 0);
  EXPECT_EQ(CountColour(image, Around(QPoint(frame.X(20), floor + 2), 2), CurveColour(1)), 0) << "one arrow a stretch";
}

TEST_F(GraphDrawingTest, TheBandLiesOverTheGridAndUnderTheCurvesAndRaisesTheAxisOneStepAtMost) {
  const GraphScales own = InputScales(Input());
  ASSERT_EQ(own.assets, 10'000);  // the sample plan's $10,000 thousand
  GraphInput input = Input();
  GraphBand band;
  for (int a = 1; a <= RowCount(plan); ++a) {
    band.low.push_back(table.Year(a).NetWorth / 2);
    band.high.push_back(table.Year(a).NetWorth * 100);
  }
  input.band = band;
  GraphScales scales;
  const QImage image = RenderScreenGraph(input, 506, 574, QSize(506, 574), "Times New Roman", &scales);
  // A hundred times the plan's net worth is cut off at the next step, $12,500 thousand.
  EXPECT_EQ(scales.assets, 12'500);
  EXPECT_EQ(scales.cashFlow, own.cashFlow);

  const PlotFrame frame = SampleFrame(plan);
  const QColor cyan(0, 255, 255);
  for (const int k : {10, 25, 40}) {
    const std::size_t i = static_cast<std::size_t>(k);
    const int x = frame.X(k) + 2;
    const int low = frame.Y(band.low[i], scales.assets);
    // From the top of the plot down to p10: band, except where lines and curves lie on it.
    const QRect column(QPoint(x, frame.top + 2), QPoint(x, low - 2));
    EXPECT_GT(CountColour(image, column, kGraphBandColour), column.height() / 2) << k;
    EXPECT_EQ(CountColour(image, column, cyan), 0) << "grid over the band at " << k;
    EXPECT_EQ(CountColour(image, QRect(QPoint(x, low + 2), QPoint(x, frame.Bottom() - 1)), kGraphBandColour), 0) << k;
    // The net worth marker's double ring lies on the band.
    const QPoint marker(frame.X(k), frame.Y(table.Year(k + 1).NetWorth, scales.assets));
    EXPECT_GT(CountColour(image, Around(marker, 3), CurveColour(1)), 15) << k;
  }
  // Nothing of the band outside the plot box.
  EXPECT_EQ(CountColour(image, QRect(0, 0, 506, frame.top - 1), kGraphBandColour), 0);

  // A band inside the plan's own axis leaves it alone; one just above raises it to take it in.
  input.band->high.assign(band.high.size(), 9'000'000);
  EXPECT_EQ(InputScales(input).assets, 10'000);
  input.band->high.back() = 11'000'000;
  EXPECT_EQ(InputScales(input).assets, 12'500);
  // The smallest axis grows one step too.
  shown.fill(false);
  GraphInput small = Input();
  small.band = GraphBand{{0, 0}, {1'000'000, 1'000'000}};
  EXPECT_EQ(InputScales(small).assets, 10);
}

TEST_F(GraphDrawingTest, PlansNoPageCouldProduceStillDraw) {
  for (std::int32_t age : {90, 99, 10, -40, INT32_MIN, INT32_MAX}) {
    plan.Age1 = age;
    table.Year(1).NetWorth = INT64_MAX;
    table.Year(2).NetWorth = INT64_MIN;
    table.Year(80).Expenses = INT64_MAX;
    GraphInput input = Input();
    input.comparison = ComparisonSeries{INT64_MIN / 2, {INT64_MIN, INT64_MAX, 0}};
    input.band = GraphBand{{INT64_MIN, INT64_MIN}, {INT64_MAX, INT64_MAX}};
    EXPECT_FALSE(Render(Input()).isNull()) << age;
    EXPECT_FALSE(Render(input).isNull()) << age;
    EXPECT_FALSE(RenderScreenGraph(input, 506, 574, QSize(506, 574), "Times New Roman", nullptr, true).isNull());
    const GraphParameters p = ScreenGraphParameters(506, 574, QSize(506, 574), plan, false, {}, "Times New Roman");
    for (int k : {0, 1, 79}) MakeGraphReadout(p, input, k);
  }
  EXPECT_FALSE(Render(Input(), 10, 10).isNull());
}

}  // namespace
