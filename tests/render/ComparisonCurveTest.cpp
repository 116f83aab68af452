#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "render/ComparisonCurve.h"
#include "render/GraphCurves.h"
#include "render/GraphGeometry.h"

namespace {

// A 300 x 300 plot for a 30-year-old: ages 30..90 over the box, the assets axis
// topping at $1,000,000.
const PlotFrame kFrame = MakePlotFrame(50, 20, 240, 240, 30);
constexpr std::int64_t kScale = 1000;
const QColor kNetWorth = CurveColour(1);

QImage Draw(std::int64_t firstIndex, const std::vector<std::int64_t>& values, int lineOffset = 0) {
  QImage image(340, 300, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  DrawComparisonCurve(painter, kFrame, kScale, {firstIndex, values}, lineOffset);
  return image;
}

// Along row y from x0 to x1: which pixels carry the net worth colour.
std::vector<bool> Row(const QImage& image, int y, int x0, int x1) {
  std::vector<bool> row;
  for (int x = x0; x <= x1; ++x) row.push_back(image.pixelColor(x, y) == kNetWorth);
  return row;
}

int Count(const std::vector<bool>& row) { return static_cast<int>(std::count(row.begin(), row.end(), true)); }

int Changes(const std::vector<bool>& row) {
  int changes = 0;
  for (std::size_t i = 1; i < row.size(); ++i) changes += row[i] != row[i - 1];
  return changes;
}

}  // namespace

TEST(ComparisonCurveTest, AFlatSeriesIsADashedLineInTheNetWorthColourAlongItsYears) {
  const std::vector<std::int64_t> flat(11, 500'000);
  const QImage image = Draw(0, flat);
  const int y = kFrame.Y(500'000, kScale);
  const int x0 = kFrame.X(0);
  const int x1 = kFrame.X(10);
  const std::vector<bool> row = Row(image, y, x0, x1);
  // Dashes and gaps alternate all along: about (dash + gap) pixels per period.
  const int periods = (x1 - x0) / (kComparisonDash + kComparisonGap);
  EXPECT_GE(Changes(row), 2 * periods - 2);
  EXPECT_NEAR(Count(row), static_cast<int>(row.size()) * kComparisonDash / (kComparisonDash + kComparisonGap), 6);
  // No run of drawn or blank pixels is longer than a dash or a gap.
  int run = 1;
  for (std::size_t i = 1; i < row.size(); ++i) {
    run = row[i] == row[i - 1] ? run + 1 : 1;
    EXPECT_LE(run, std::max(kComparisonDash, kComparisonGap)) << "at x " << x0 + static_cast<int>(i);
  }
  // Nothing beyond the series' last year, nothing off its row.
  EXPECT_EQ(Count(Row(image, y, x1 + 2, kFrame.Right())), 0);
  EXPECT_EQ(Count(Row(image, y - 2, x0, x1)) + Count(Row(image, y + 1, x0, x1)), 0);
}

TEST(ComparisonCurveTest, TheThickTargetDoublesTheDashesOnePixelLower) {
  const QImage image = Draw(0, std::vector<std::int64_t>(11, 500'000), 1);
  const int y = kFrame.Y(500'000, kScale);
  const std::vector<bool> upper = Row(image, y, kFrame.X(0), kFrame.X(10));
  EXPECT_EQ(Row(image, y + 1, kFrame.X(0), kFrame.X(10)), upper);
  EXPECT_GT(Changes(upper), 10);
}

TEST(ComparisonCurveTest, FollowsTheValuesAndStartsAtTheCalendarYearOfItsFirstValue) {
  // A series starting two years later on the graph, climbing.
  const QImage image = Draw(2, {0, 250'000, 500'000, 750'000});
  for (std::int64_t k = 2; k <= 5; ++k) {
    const QPoint point(kFrame.X(k), kFrame.Y((k - 2) * 250'000, kScale));
    int near = 0;
    for (int dx = -2; dx <= 2; ++dx)
      for (int dy = -2; dy <= 2; ++dy) near += image.pixelColor(point + QPoint(dx, dy)) == kNetWorth;
    EXPECT_GT(near, 0) << "year " << k;
  }
  // Nothing before its first year.
  for (int x = 0; x < kFrame.X(2) - 1; ++x)
    for (int y = 0; y < image.height(); ++y) ASSERT_NE(image.pixelColor(x, y), kNetWorth) << x << "," << y;
}

TEST(ComparisonCurveTest, YearsOffTheAxisOrOutsideTheAgesBreakTheCurve) {
  const std::int64_t off = 2'000'000;  // above the $1,000,000 axis top
  const QImage image = Draw(0, {500'000, 500'000, off, off, 500'000, 500'000});
  const int y = kFrame.Y(500'000, kScale);
  EXPECT_GT(Count(Row(image, y, kFrame.X(0), kFrame.X(1))), 0);
  EXPECT_EQ(Count(Row(image, y, kFrame.X(1) + 1, kFrame.X(4) - 1)), 0);
  EXPECT_GT(Count(Row(image, y, kFrame.X(4), kFrame.X(5))), 0);

  // A series far from the graph's years, or of one value, draws nothing at all.
  for (const QImage& nothing : {Draw(-500, std::vector<std::int64_t>(80, 1000)), Draw(1'000'000'000'000, {1, 2}),
                                Draw(0, {500'000}), Draw(0, {})}) {
    int drawn = 0;
    for (int x = 0; x < nothing.width(); ++x)
      for (int yy = 0; yy < nothing.height(); ++yy) drawn += nothing.pixelColor(x, yy) != QColor(Qt::white);
    EXPECT_EQ(drawn, 0);
  }
}
