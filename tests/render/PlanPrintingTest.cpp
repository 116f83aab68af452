#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>
#include <iterator>
#include <map>

#include "engine/DollarViews.h"
#include "engine/ExplainTrace.h"
#include "engine/Explanation.h"
#include "engine/Forecast.h"
#include "model/NumberFormat.h"
#include "model/PlanFile.h"
#include "render/PlanPrinting.h"
#include "render/PrinterPage.h"
#include "render/RecordingDevice.h"

namespace {

struct PrintedPlan {
  PlanRecord plan;
  ForecastTable table;
  RecordingDevice device;
  int pages = 0;

  explicit PrintedPlan(int age1, bool currentDollars = false, std::vector<std::int64_t YearRecord::*> chosen = {}) {
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
        PlanPrintJob{plan, table, currentDollars, {}, chosen});
  }

  QStringList Texts(int page) const { return device.TextsOnPage(page); }

  // The whole numbers printed in the `column`-th column of a page (0 the year,
  // 1 and 2 the ages), top to bottom; columns are told apart by their right edge.
  std::vector<int> Numbers(int page, int column) const {
    static const QRegularExpression number("^\\d+$");
    std::map<int, std::vector<int>> byEdge;
    for (const RecordedText& text : device.Engine().texts) {
      if (text.page == page && number.match(text.text).hasMatch()) byEdge[RightEdge(text)].push_back(text.text.toInt());
    }
    if (static_cast<int>(byEdge.size()) <= column) return {};
    return std::next(byEdge.begin(), column)->second;
  }
  std::vector<int> Ages(int page) const { return Numbers(page, 1); }

  int RightEdge(const RecordedText& text) const {
    return static_cast<int>(text.at.x()) + QFontMetrics(PrinterFont(8, true), &device).horizontalAdvance(text.text);
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

  // Every page begins with the year and both ages, under the persons' names.
  const QStringList assets = printed.Texts(1);
  for (const char* heading : {"Year", "Age", "John Smith", "Mary Smith", "Net", "Worth", "Tax Deferred", "Taxable",
                              "Value", "Balance", "Debt"})
    EXPECT_TRUE(assets.contains(heading)) << heading;
  EXPECT_FALSE(assets.contains("Age for"));
  for (int page = 1; page <= 3; ++page) {
    EXPECT_EQ(printed.Numbers(page, 0), Range(2005, 2044));
    EXPECT_EQ(printed.Numbers(page, 2), Range(printed.plan.Age2, printed.plan.Age2 + 39));
  }
  EXPECT_TRUE(assets.contains(money(last.NetWorth)));
  EXPECT_TRUE(assets.contains(money(last.Property)));

  const QStringList expenses = printed.Texts(2);
  EXPECT_TRUE(expenses.contains("Total") && expenses.contains("Expenses"));
  EXPECT_TRUE(expenses.contains(money(last.Expenses)));
  EXPECT_TRUE(expenses.contains(money(last.PropertyTax)));
  // Year and two ages, then three amounts a year.
  EXPECT_EQ(expenses.size(), 3 + 11 + 40 * 6);

  const QStringList income = printed.Texts(3);
  for (const char* heading : {"Social", "Security", "Tax Deferred", "Distributions"})
    EXPECT_TRUE(income.contains(heading)) << heading;
  EXPECT_TRUE(income.contains(money(last.SocialSecurity)));
  EXPECT_EQ(income.size(), 3 + 20 + 40 * 9);
}

// Amounts line up on the right, as on the screen: every figure of a column ends at one edge.
TEST(PrintPlanTable, AmountsAreRightAligned) {
  const PrintedPlan printed(51);
  const QString first = QString::fromStdString(FormatDollars(printed.table.Year(1).NetWorth));
  const QString last = QString::fromStdString(FormatDollars(printed.table.Year(40).NetWorth));
  ASSERT_NE(first.size(), last.size());
  std::vector<int> edges;
  for (const RecordedText& text : printed.device.Engine().texts) {
    if (text.page == 1 && (text.text == first || text.text == last)) edges.push_back(printed.RightEdge(text));
  }
  ASSERT_EQ(edges.size(), 2u);
  EXPECT_NEAR(edges[0], edges[1], 2);
}

TEST(PrintPlanTable, ChosenColumnsFollowOnPagesOfTheirOwn) {
  const PrintedPlan printed(51, false, {&YearRecord::HomeEquity, &YearRecord::TaxableWithdrawal});
  ASSERT_EQ(printed.pages, 4);
  EXPECT_EQ(Subtitle(printed, 4), "Chosen Columns");
  const QStringList chosen = printed.Texts(4);
  EXPECT_TRUE(chosen.contains(QString::fromStdString(FormatDollars(printed.table.Year(40).HomeEquity))));
  EXPECT_EQ(printed.Ages(4), Range(51, 90));
  EXPECT_TRUE(chosen.contains(QString::fromStdString(FieldTitle(SlotOf(&YearRecord::HomeEquity)))));
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
  const int margin = RecordingDevice::kWidth * 6 / 100;
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
  const int margin = RecordingDevice::kWidth * 6 / 100;
  for (const RecordedLine& line : printed.device.Engine().lines) {
    if (line.page != 1 || line.line.y1() != line.line.y2() || line.line.x1() != margin) continue;
    if (line.colour == QColor(0, 0, 0)) ++blackHorizontal;
    if (line.colour == QColor(0, 255, 255)) ++cyanHorizontal;
  }
  // Rows 5, 10, ..., 45 and the heading's top; rows 3, 4 and 6..44 off the fives. Each line doubled.
  EXPECT_EQ(blackHorizontal, 2 * 10);
  EXPECT_EQ(cyanHorizontal, 2 * (2 + 39 - 7));
}
