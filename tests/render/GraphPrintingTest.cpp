#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "engine/Forecast.h"
#include "model/PlanFile.h"
#include "render/GraphGeometry.h"
#include "render/GraphPrinting.h"
#include "render/PrinterPage.h"
#include "render/RecordingDevice.h"

namespace {

struct PrintedGraph {
  PlanRecord plan;
  ForecastTable table;
  RecordingDevice device;

  PrintedGraph(std::array<bool, kCurveCount> shown, bool currentDollars = false, bool extras = false) {
    EXPECT_TRUE(ReadPlanFile(plan, PREVORA_TEST_DATA "/../../resources/Double.plan", 2005).ok);
    plan.Age1 = 30;
    plan.CurrentYear = 2005;
    RunForecast(plan, table);
    GraphInput input{plan, table, currentDollars, shown};
    if (extras) {
      // Half the plan's net worth, dashed, and a band from zero to the plan's net worth.
      ComparisonSeries series;
      GraphBand band;
      for (int a = 1; a <= RowCount(plan); ++a) {
        series.values.push_back(table.Year(a).NetWorth / 2);
        band.low.push_back(0);
        band.high.push_back(table.Year(a).NetWorth);
      }
      input.comparison = series;
      input.band = band;
    }
    QPainter painter(&device);
    PrintGraph(painter, GraphPrintJob{input, InputScales(input), {}});
  }

  QStringList Texts() const { return device.TextsOnPage(1); }
  int LinesIn(const QColor& colour) const {
    int count = 0;
    for (const RecordedLine& line : device.Engine().lines) count += line.colour == colour ? 1 : 0;
    return count;
  }
};

const std::array<bool, kCurveCount> kAll{true, true, true, true, true, true, true, true};

}  // namespace

TEST(PrintGraph, OnlyShownCurvesAndTheirLegendEntriesArePrinted) {
  const PrintedGraph printed({true, false, false, false, true, false, false, false});
  const QStringList texts = printed.Texts();
  EXPECT_TRUE(texts.contains("Net Worth"));
  EXPECT_TRUE(texts.contains("Expenses"));
  for (int n : {2, 3, 4, 6, 7, 8}) EXPECT_FALSE(texts.contains(CurveName(n))) << n;
  EXPECT_GT(printed.LinesIn(CurveColour(5)), 0);
  EXPECT_EQ(printed.LinesIn(CurveColour(2)), 0);
  EXPECT_EQ(printed.LinesIn(CurveColour(8)), 0);
}

TEST(PrintGraph, TheComparisonCurveAndTheBandArePrintedWithTheCurves) {
  const std::array<bool, kCurveCount> none{};
  const PrintedGraph plain(none);
  const PrintedGraph extras(none, false, true);
  const auto netWorthPolylines = [](const PrintedGraph& printed) {
    int count = 0;
    for (const RecordedPolygon& polygon : printed.device.Engine().polygons)
      count += polygon.colour == CurveColour(1) && polygon.polygon.size() > 2 ? 1 : 0;
    return count;
  };
  EXPECT_EQ(netWorthPolylines(plain), 0);
  // The dashed curve is doubled three dots lower, like the printed curves.
  EXPECT_EQ(netWorthPolylines(extras), 2);
  // And one more polygon: the band.
  EXPECT_EQ(extras.device.Engine().polygons.size(), plain.device.Engine().polygons.size() + 3);
}

TEST(PrintGraph, CaptionsNameTheDollarView) {
  const PrintedGraph inflated(kAll);
  EXPECT_TRUE(inflated.Texts().contains("Future dollars (each year's own), in thousands"));
  EXPECT_TRUE(inflated.Texts().contains("Financial Graph for John Smith and Mary Smith"));
  EXPECT_TRUE(inflated.Texts().contains("Age of John Smith"));
  for (const char* age : {"30", "40", "50", "60", "70", "80", "90"}) EXPECT_TRUE(inflated.Texts().contains(age));

  const PrintedGraph current(kAll, true);
  EXPECT_TRUE(current.Texts().contains("Today's dollars (2005), in thousands"));
}

// As on the screen: each decade's age has its calendar year under it, and the
// legend's halves name the scale they read on; all within the page's used part.
TEST(PrintGraph, YearsUnderTheAgesAndScaleNotesUnderTheLegend) {
  const PrintedGraph printed(kAll);
  const auto& texts = printed.device.Engine().texts;
  const auto find = [&](const QString& wanted) {
    return std::find_if(texts.begin(), texts.end(), [&](const RecordedText& t) { return t.text == wanted; });
  };
  for (int age = 30; age <= 90; age += 10) {
    const auto ageText = find(QString::number(age));
    const auto yearText = find(QString::number(2005 + age - 30));
    ASSERT_NE(ageText, texts.end()) << age;
    ASSERT_NE(yearText, texts.end()) << age;
    EXPECT_GT(yearText->at.y(), ageText->at.y());
    EXPECT_NEAR(
        yearText->at.x() + QFontMetrics(PrinterFont(9), &printed.device).horizontalAdvance(yearText->text) / 2.0,
        ageText->at.x() + QFontMetrics(PrinterFont(12), &printed.device).horizontalAdvance(ageText->text) / 2.0, 3.0);
  }
  for (const QString& note : ScaleNotes()) {
    const auto noteText = find(note);
    ASSERT_NE(noteText, texts.end()) << note.toStdString();
    EXPECT_LT(noteText->at.y(), RecordingDevice::kHeight * 15 / 16);
  }
}

TEST(PrintGraph, LinesAreDoubledThreeDotsApart) {
  const PrintedGraph printed({false, false, false, false, false, false, false, false});
  const int margin = RoundPixel(0.15L * RecordingDevice::kWidth);
  int leftAxis = 0;
  for (const RecordedLine& line : printed.device.Engine().lines)
    if (line.line.x1() == line.line.x2() && (line.line.x1() == margin || line.line.x1() == margin + 3)) ++leftAxis;
  EXPECT_EQ(leftAxis, 2);
}

TEST(PrintGraph, TaxesMarkerHasThreeOutlines) {
  const PrintedGraph printed({false, false, false, false, false, false, true, false});
  const PrinterPage page{RecordingDevice::kWidth, RecordingDevice::kHeight * 15 / 16};
  const GraphParameters p = PrinterGraphParameters(page, QSize(), printed.plan, false, GraphScales{});
  const QPoint at = p.legend[6].marker;
  const int s = RoundPixel(0.005L * RecordingDevice::kWidth);
  std::vector<QPoint> corners;
  for (const RecordedPolygon& polygon : printed.device.Engine().polygons) {
    const QPoint first = polygon.polygon.first();
    if (polygon.colour == CurveColour(7) && (first - QPoint(at.x() - s, at.y() - s)).manhattanLength() <= 8)
      corners.push_back(first);
  }
  const std::vector<QPoint> expected{
      {at.x() - s, at.y() - s}, {at.x() - s + 2, at.y() - s + 2}, {at.x() - s + 4, at.y() - s + 4}};
  EXPECT_EQ(corners, expected);
}
