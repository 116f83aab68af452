#include <gtest/gtest.h>

#include <QPainter>
#include <QRegularExpression>

#include "engine/DollarViews.h"
#include "engine/Forecast.h"
#include "model/NumberFormat.h"
#include "model/PlanFile.h"
#include "render/PlanPrinting.h"
#include "render/RecordingDevice.h"

namespace {

struct PrintedPlan {
  PlanRecord plan;
  ForecastTable table;
  RecordingDevice device;
  int pages = 0;

  explicit PrintedPlan(int age1, bool currentDollars = false) {
    EXPECT_TRUE(ReadPlanFile(plan, PREVORA_TEST_DATA "/../../resources/Double.plan", 2005).ok);
    plan.Age1 = age1;
    plan.CurrentYear = 2005;
    RunForecast(plan, table);
    if (currentDollars) ToCurrentDollars(plan, table);
    QPainter painter(&device);
    pages = PrintPlanTable(
        painter,
        [this] {
          ++device.Engine().page;
          return true;
        },
        PlanPrintJob{plan, table, currentDollars, {}});
  }

  QStringList Texts(int page) const { return device.TextsOnPage(page); }

  // The ages printed in the age column of a page, top to bottom.
  std::vector<int> Ages(int page) const {
    std::vector<int> ages;
    static const QRegularExpression number("^\\d+$");
    for (const QString& text : Texts(page))
      if (number.match(text).hasMatch()) ages.push_back(text.toInt());
    return ages;
  }
};

std::vector<int> Range(int from, int to) {
  std::vector<int> values;
  for (int v = from; v <= to; ++v) values.push_back(v);
  return values;
}

QString Subtitle(const PrintedPlan& printed, int page) { return printed.Texts(page).value(1); }

}  // namespace

TEST(PrintPlanTable, ThirtyYearOldFillsSixPagesFortyAndTwentyOneRows) {
  const PrintedPlan printed(30);
  ASSERT_EQ(printed.pages, 6);
  const QStringList expected{"Assets - Page 1 of 2",   "Assets - Page 2 of 2", "Expenses - Page 1 of 2",
                             "Expenses - Page 2 of 2", "Income - Page 1 of 2", "Income - Page 2 of 2"};
  for (int page = 1; page <= 6; ++page) {
    EXPECT_EQ(printed.Texts(page).value(0), "Financial Plan for John Smith and Mary Smith");
    EXPECT_EQ(Subtitle(printed, page), expected[page - 1]);
    EXPECT_EQ(printed.Texts(page).value(2), "Future dollars (each year's own)");
    EXPECT_EQ(printed.Ages(page), page % 2 == 1 ? Range(30, 69) : Range(70, 90)) << "page " << page;
  }
}

TEST(PrintPlanTable, FiftyYearOldHasSecondPagesOfOneRow) {
  const PrintedPlan printed(50);
  ASSERT_EQ(printed.pages, 6);
  for (int page = 2; page <= 6; page += 2) {
    EXPECT_EQ(printed.Ages(page), std::vector<int>{90});
    EXPECT_TRUE(Subtitle(printed, page).endsWith(" - Page 2 of 2"));
  }
  EXPECT_EQ(printed.Ages(1), Range(50, 89));
}

TEST(PrintPlanTable, FiftyOneYearOldHasThreePagesWithoutPageNumbers) {
  const PrintedPlan printed(51);
  ASSERT_EQ(printed.pages, 3);
  EXPECT_EQ(Subtitle(printed, 1), "Assets");
  EXPECT_EQ(Subtitle(printed, 2), "Expenses");
  EXPECT_EQ(Subtitle(printed, 3), "Income");
  for (int page = 1; page <= 3; ++page) EXPECT_EQ(printed.Ages(page), Range(51, 90));
}

TEST(PrintPlanTable, SectionsPrintTheirColumnsAndHeadings) {
  const PrintedPlan printed(51);
  const YearRecord& last = printed.table.Year(40);
  const auto money = [](std::int64_t v) { return QString::fromStdString(FormatDollars(v)); };

  const QStringList assets = printed.Texts(1);
  for (const char* heading :
       {"Age for", "Name #1", "Net", "Worth", "Tax Deferred", "Taxable", "Value", "Balance", "Debt"})
    EXPECT_TRUE(assets.contains(heading)) << heading;
  EXPECT_TRUE(assets.contains(money(last.NetWorth)));
  EXPECT_TRUE(assets.contains(money(last.Property)));

  const QStringList expenses = printed.Texts(2);
  EXPECT_TRUE(expenses.contains("Total") && expenses.contains("Expenses"));
  EXPECT_TRUE(expenses.contains(money(last.Expenses)));
  EXPECT_TRUE(expenses.contains(money(last.PropertyTax)));
  // Age, then three amounts a year.
  EXPECT_EQ(expenses.size(), 3 + 8 + 40 * 4);

  const QStringList income = printed.Texts(3);
  for (const char* heading : {"Social", "Security", "Tax Deferred", "Distributions"})
    EXPECT_TRUE(income.contains(heading)) << heading;
  EXPECT_TRUE(income.contains(money(last.SocialSecurity)));
  EXPECT_EQ(income.size(), 3 + 17 + 40 * 7);
}

TEST(PrintPlanTable, CurrentDollarsAreNamedAndPrinted) {
  const PrintedPlan printed(51, true);
  EXPECT_EQ(printed.Texts(1).value(2), "Today's dollars (2005)");
  EXPECT_TRUE(printed.Texts(1).contains(QString::fromStdString(FormatDollars(printed.table.Year(40).NetWorth))));

  PlanRecord plan = printed.plan;
  ForecastTable inflated;
  RunForecast(plan, inflated);
  ASSERT_NE(inflated.Year(40).NetWorth, printed.table.Year(40).NetWorth);
  EXPECT_FALSE(printed.Texts(1).contains(QString::fromStdString(FormatDollars(inflated.Year(40).NetWorth))));
}

TEST(PrintPlanTable, EverythingStaysOnTheUsedPartOfThePage) {
  const PrintedPlan printed(30);
  const int usedHeight = RecordingDevice::kHeight * 15 / 16;
  for (const RecordedText& text : printed.device.Engine().texts) {
    EXPECT_GE(text.at.x(), 0);
    EXPECT_LT(text.at.x(), RecordingDevice::kWidth);
    EXPECT_GE(text.at.y(), 0);
    EXPECT_LT(text.at.y(), usedHeight) << text.text.toStdString();
  }
  const int margin = RecordingDevice::kWidth / 10;
  for (const RecordedLine& line : printed.device.Engine().lines) {
    EXPECT_GE(line.line.x1(), margin);
    EXPECT_LE(line.line.x2(), RecordingDevice::kWidth - margin + 3);
    EXPECT_LE(line.line.y2(), usedHeight);
  }
}

TEST(PrintPlanTable, GridHasBlackLinesEveryFiveRowsAndCyanBetween) {
  const PrintedPlan printed(51);
  int blackHorizontal = 0;
  int cyanHorizontal = 0;
  const int margin = RecordingDevice::kWidth / 10;
  for (const RecordedLine& line : printed.device.Engine().lines) {
    if (line.page != 1 || line.line.y1() != line.line.y2() || line.line.x1() != margin) continue;
    if (line.colour == QColor(0, 0, 0)) ++blackHorizontal;
    if (line.colour == QColor(0, 255, 255)) ++cyanHorizontal;
  }
  // Rows 5, 10, ..., 45 and the heading's top; rows 3, 4 and 6..44 off the fives. Each line doubled.
  EXPECT_EQ(blackHorizontal, 2 * 10);
  EXPECT_EQ(cyanHorizontal, 2 * (2 + 39 - 7));
}
