#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "engine/DollarViews.h"
#include "engine/Forecast.h"
#include "model/PlanFile.h"
#include "render/GraphReadout.h"
#include "render/GraphScreen.h"

namespace {

class GraphReadoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ReadPlanFile(plan, PREVORA_TEST_DATA "/../../resources/Double.plan", 2026).ok);
    RunForecast(plan, table);
  }
  GraphInput Input(bool currentDollars = false) const { return {plan, table, currentDollars, shown}; }

  PlanRecord plan;
  ForecastTable table;
  std::array<bool, kCurveCount> shown{true, true, true, true, true, true, true, true};
};

}  // namespace

// Figures as the year table and explain print them for 2040 (index 14).
TEST_F(GraphReadoutTest, NamesTheYearBothAgesTheViewAndEveryShownCurve) {
  shown = {true, true, false, false, false, false, true, false};
  EXPECT_EQ(ReadoutLines(Input(), 14),
            QStringList({"2040: John Smith 59, Mary Smith 57", "Future dollars (each year's own)",
                         "Net Worth: $1,642,962", "Investments: $1,054,717", "Taxes: $78,801"}));

  ToCurrentDollars(plan, table);
  const QStringList today = ReadoutLines(Input(true), 14);
  EXPECT_EQ(today.value(1), "Today's dollars (2026)");
  EXPECT_EQ(today.value(2), "Net Worth: $1,162,769");

  plan.SecondPerson = false;
  EXPECT_EQ(ReadoutLines(Input(), 0).value(0), "2026: John Smith 45");
  EXPECT_TRUE(ReadoutLines(Input(), RowCount(plan)).isEmpty());
  EXPECT_TRUE(ReadoutLines(Input(), -1).isEmpty());
}

TEST_F(GraphReadoutTest, TheComparisonAndTheBandAreReadWhereTheyCoverTheYear) {
  shown.fill(false);
  GraphInput input = Input();
  input.comparison = ComparisonSeries{2, {100, 200, 300}};
  input.band = GraphBand{{10, 20}, {30, 40}};
  EXPECT_EQ(ReadoutLines(input, 1).mid(2), QStringList({"Net worth band: $20 to $40"}));
  EXPECT_EQ(ReadoutLines(input, 3).mid(2), QStringList({"Compared plan's net worth: $200"}));
}

// Every year's column reads back as that year, at any age and width; outside
// the plot nothing is read.
TEST(GraphReadoutYears, EachYearsColumnReadsBackAsThatYear) {
  for (std::int32_t age = 0; age < 90; age += 7) {
    for (int width : {120, 326, 1100}) {
      const PlotFrame frame = MakePlotFrame(90, 50, width, 300, age);
      const int rows = 90 - age + 1;
      for (int k = 0; k < rows; ++k) {
        // Years sharing a pixel column read as the first of them.
        if (k > 0 && frame.X(k - 1) == frame.X(k)) continue;
        EXPECT_EQ(ReadoutYearAt(frame, rows, QPoint(frame.X(k), frame.top + k)), k) << "age " << age << " w " << width;
      }
      EXPECT_FALSE(ReadoutYearAt(frame, rows, QPoint(frame.left - 20, 100)));
      EXPECT_FALSE(ReadoutYearAt(frame, rows, QPoint(frame.Right() + 20, 100)));
      EXPECT_FALSE(ReadoutYearAt(frame, rows, QPoint(frame.left + 10, frame.Bottom() + 20)));
    }
  }
}

TEST(GraphReadoutYears, KeysStepWithinThePlanYears) {
  EXPECT_EQ(ReadoutYearAfterKey(std::nullopt, Qt::Key_Right, 46), 0);
  EXPECT_EQ(ReadoutYearAfterKey(std::nullopt, Qt::Key_End, 46), 45);
  EXPECT_EQ(ReadoutYearAfterKey(0, Qt::Key_Left, 46), 0);
  EXPECT_EQ(ReadoutYearAfterKey(3, Qt::Key_Right, 46), 4);
  EXPECT_EQ(ReadoutYearAfterKey(43, Qt::Key_PageDown, 46), 45);
  EXPECT_EQ(ReadoutYearAfterKey(7, Qt::Key_PageUp, 46), 2);
  EXPECT_EQ(ReadoutYearAfterKey(7, Qt::Key_Home, 46), 0);
  EXPECT_FALSE(ReadoutYearAfterKey(7, Qt::Key_A, 46));
  EXPECT_FALSE(ReadoutYearAfterKey(std::nullopt, Qt::Key_Right, 0));
}

TEST_F(GraphReadoutTest, TheMarkerDotsSitOnTheCurvesAndTheBoxStaysInside) {
  const GraphParameters parameters =
      ScreenGraphParameters(506, 574, QSize(506, 574), plan, false, InputScales(Input()), "Times New Roman");
  QImage image(506, 574, QImage::Format_RGB32);
  for (int k : {0, 45}) {
    const GraphReadout readout = MakeGraphReadout(parameters, Input(), k);
    ASSERT_EQ(readout.dots.size(), 8u);
    EXPECT_EQ(readout.dots[0].at,
              QPoint(parameters.frame.X(k), parameters.frame.Y(table.Year(k + 1).NetWorth, parameters.scales.assets)));
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawGraphReadout(painter, readout, parameters.labelFont, QRect(0, 0, 506, 400));
    painter.end();
    // The box lies beside the marker, on the side with room, inside the area.
    const auto inked = [&image](int from, int to) {
      int count = 0;
      for (int y = 50; y < 200; ++y)
        for (int x = std::max(from, 0); x <= std::min(to, 505); ++x) count += image.pixelColor(x, y) != Qt::white;
      return count;
    };
    const int right = inked(readout.x + 6, readout.x + 300);
    const int left = inked(readout.x - 300, readout.x - 6);
    EXPECT_GT(k == 0 ? right : left, 100) << k;
    EXPECT_LT(k == 0 ? left : right, 20) << k;
    for (int y = 0; y < 574; ++y) EXPECT_EQ(image.pixelColor(505, y), QColor(Qt::white));
  }
}
