#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "render/GraphGeometry.h"
#include "views/FanChart.h"
#include "views/LevelBar.h"
#include "views/NetWorthBand.h"

// The odds page's pictures and the graph's net-worth band, drawn on images.
namespace {

// Net worth spreading out with age: p10 falls below zero late in life.
std::vector<YearBands> SpreadingYears(int count) {
  std::vector<YearBands> years;
  for (int k = 0; k < count; ++k) {
    YearBands year;
    year.year = 2025 + k;
    year.age1 = 40 + k;
    const std::int64_t middle = 200'000 + 20'000 * k;
    const std::int64_t spread = 8'000 * k;
    year.current = {middle - 3 * spread, middle - spread, middle, middle + spread, middle + 3 * spread};
    year.inflated = {2 * year.current[0], 2 * year.current[1], 2 * year.current[2], 2 * year.current[3],
                     2 * year.current[4]};
    years.push_back(year);
  }
  return years;
}

QImage Blank(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

int CountColour(const QImage& image, int x, int yFrom, int yTo, const QColor& colour) {
  int count = 0;
  for (int y = std::max(0, yFrom); y <= std::min(image.height() - 1, yTo); ++y) {
    count += image.pixelColor(x, y) == colour ? 1 : 0;
  }
  return count;
}

TEST(FanChartTest, BandsLieBetweenTheirPercentilesInOrderWithTheMedianInside) {
  const std::vector<YearBands> years = SpreadingYears(40);
  QImage image = Blank(800, 500);
  QPainter painter(&image);
  DrawFanChart(painter, image.rect(), years);
  painter.end();

  const FanChartScale scale = MakeFanChartScale(image.rect(), years);
  EXPECT_LE(scale.low, static_cast<long double>(years.back().current[0]));
  EXPECT_GE(scale.high, static_cast<long double>(years.back().current[4]));
  for (const std::size_t k : {10u, 25u, 39u}) {
    const YearBands& year = years[k];
    const int x = scale.X(year.age1) - 1;  // just left of the year, inside its segment
    const int y90 = scale.Y(year.current[4]);
    const int y75 = scale.Y(year.current[3]);
    const int y50 = scale.Y(year.current[2]);
    const int y25 = scale.Y(year.current[1]);
    const int y10 = scale.Y(year.current[0]);
    ASSERT_LT(y90 + 4, y75) << "bands wide enough to test at year " << k;
    // Outer band only between p90 and p75 and between p25 and p10, the inner between p75 and p25.
    EXPECT_GT(CountColour(image, x, y90 + 2, y75 - 2, kFanOuterBand), (y75 - y90) / 2) << k;
    EXPECT_GT(CountColour(image, x, y25 + 2, y10 - 2, kFanOuterBand), (y10 - y25) / 2) << k;
    EXPECT_GT(CountColour(image, x, y75 + 2, y25 - 2, kFanInnerBand), (y25 - y75) / 2) << k;
    EXPECT_EQ(CountColour(image, x, y75 + 2, y25 - 2, kFanOuterBand), 0) << k;
    EXPECT_EQ(CountColour(image, x, scale.plot.top() + 1, y90 - 3, kFanOuterBand), 0) << "above p90 at " << k;
    EXPECT_EQ(CountColour(image, x, y10 + 3, scale.plot.bottom() - 1, kFanOuterBand), 0) << "below p10 at " << k;
    EXPECT_GT(CountColour(image, x, y50 - 2, y50 + 2, kFanMedian), 0) << k;
  }
}

TEST(FanChartTest, ALongTopTailRunsOffTheTopInsteadOfFlatteningTheMedian) {
  std::vector<YearBands> years = SpreadingYears(40);
  YearBands& last = years.back();
  last.current[4] = 100 * last.current[3];
  const FanChartScale scale = MakeFanChartScale(QRect(0, 0, 800, 500), years);
  EXPECT_LE(scale.high, 2.5L * last.current[3] + scale.step);
  EXPECT_GE(scale.high, static_cast<long double>(years[30].current[4]));
  QImage image = Blank(800, 500);
  QPainter painter(&image);
  DrawFanChart(painter, image.rect(), years);
  painter.end();
  const int x = scale.X(last.age1) - 1;
  EXPECT_EQ(image.pixelColor(x, scale.plot.top() + 2), kFanOuterBand);
  EXPECT_EQ(image.pixelColor(x, scale.plot.top() - 2), QColor(Qt::white)) << "clipped to the plot";
}

TEST(FanChartTest, ExtremeAndEmptyInputsDrawWithoutOverflow) {
  std::vector<YearBands> years = SpreadingYears(3);
  years[1].current = {INT64_MIN, INT64_MIN, 0, INT64_MAX, INT64_MAX};
  const FanChartScale scale = MakeFanChartScale(QRect(0, 0, 400, 300), years);
  EXPECT_LT(scale.low, 0.0L);
  EXPECT_GT(scale.high, 9e18L);
  QImage image = Blank(400, 300);
  QPainter painter(&image);
  DrawFanChart(painter, image.rect(), years);
  DrawFanChart(painter, image.rect(), {});
  DrawFanChart(painter, image.rect(), SpreadingYears(1));
}

TEST(FanChartTest, ShortDollarLabels) {
  EXPECT_EQ(ShortDollars(0), "$0");
  EXPECT_EQ(ShortDollars(850'000), "$850K");
  EXPECT_EQ(ShortDollars(1'200'000), "$1.2M");
  EXPECT_EQ(ShortDollars(-40'000), "-$40K");
  EXPECT_EQ(ShortDollars(25'000'000'000.0L), "$25B");
}

TEST(LevelBarTest, EachLevelIsAsWideAsItsShareAndThePiecesFillTheBar) {
  QImage image = Blank(1000, 90);
  QPainter painter(&image);
  DrawLevelBar(painter, image.rect(), LevelShares{50.0, 20.0, 0.0, 10.0, 20.0});
  painter.end();
  std::array<int, kShortfallLevelCount> widths{};
  for (int x = 1; x < image.width() - 1; ++x) {
    for (int k = 0; k < kShortfallLevelCount; ++k) {
      if (image.pixelColor(x, 10) == LevelColour(static_cast<ShortfallLevel>(k))) ++widths[static_cast<std::size_t>(k)];
    }
  }
  EXPECT_NEAR(widths[0], 500, 2);
  EXPECT_NEAR(widths[1], 200, 2);
  EXPECT_EQ(widths[2], 0);
  EXPECT_NEAR(widths[3], 100, 2);
  EXPECT_NEAR(widths[4], 200, 2);
  // Deeper levels to the right.
  EXPECT_EQ(image.pixelColor(100, 10), LevelColour(ShortfallLevel::None));
  EXPECT_EQ(image.pixelColor(900, 10), LevelColour(ShortfallLevel::NewDebt));
  EXPECT_EQ(LevelLegendText(ShortfallLevel::HomeEquity, 12.345), "borrowed against the home 12.3 %");
}

TEST(NetWorthBandTest, FillsBetweenP10AndP90OfTheShownDollarsInsideThePlotOnly) {
  const std::vector<YearBands> years = SpreadingYears(50);
  const PlotFrame frame = MakePlotFrame(90, 50, 600, 360, 40);
  const std::int64_t scale = 2'000;  // thousands: p90 of the last years runs off the top
  for (const bool current : {true, false}) {
    QImage image = Blank(800, 500);
    QPainter painter(&image);
    FillGraphBand(painter, frame, scale, NetWorthBand(years, current));
    painter.end();
    for (const std::int64_t k : {5, 20, 45}) {
      const YearBands& year = years[static_cast<std::size_t>(k)];
      const auto value = [&](std::size_t band) { return current ? year.current[band] : year.inflated[band]; };
      const int x = frame.X(k) - 1;
      const int top = std::max(frame.Y(value(4), scale), frame.top);
      const int bottom = std::min(frame.Y(value(0), scale), frame.Bottom());
      EXPECT_GE(CountColour(image, x, top + 2, bottom - 2, kGraphBandColour), bottom - top - 4) << k;
      EXPECT_EQ(CountColour(image, x, 0, top - 3, kGraphBandColour), 0) << "above p90 or the plot at " << k;
      EXPECT_EQ(CountColour(image, x, bottom + 3, image.height() - 1, kGraphBandColour), 0) << k;
    }
  }
}

TEST(NetWorthBandTest, ExtremeValuesStayInsideThePlotAndFewYearsDrawNothing) {
  std::vector<YearBands> years = SpreadingYears(10);
  years[4].current = {INT64_MIN, 0, 0, 0, INT64_MAX};
  const PlotFrame frame = MakePlotFrame(90, 50, 600, 360, 40);
  QImage image = Blank(800, 500);
  QPainter painter(&image);
  FillGraphBand(painter, frame, 500, NetWorthBand(years, true));
  FillGraphBand(painter, frame, 500, NetWorthBand(SpreadingYears(1), true));
  painter.end();
  EXPECT_EQ(image.pixelColor(frame.X(4), frame.top - 2), Qt::white);
  EXPECT_EQ(image.pixelColor(frame.X(4), frame.Bottom() + 2), Qt::white);
  EXPECT_EQ(image.pixelColor(frame.X(4), frame.top + 5), kGraphBandColour);
  EXPECT_EQ(image.pixelColor(frame.X(4), frame.Bottom() - 5), kGraphBandColour);
}

TEST(NetWorthBandTest, RunsFromP10ToP90OfTheShownDollars) {
  const std::vector<YearBands> years = SpreadingYears(30);
  for (const bool current : {true, false}) {
    const GraphBand band = NetWorthBand(years, current);
    ASSERT_EQ(band.low.size(), years.size());
    ASSERT_EQ(band.high.size(), years.size());
    for (const std::size_t k : {std::size_t{0}, std::size_t{29}}) {
      const BandValues& values = current ? years[k].current : years[k].inflated;
      EXPECT_EQ(band.low[k], values[0]);
      EXPECT_EQ(band.high[k], values[4]);
    }
  }
}

}  // namespace
