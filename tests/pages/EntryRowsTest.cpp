#include <gtest/gtest.h>

#include <set>

#include "pages/EntryRows.h"
#include "pages/HomeStatusRows.h"

namespace {

EntryRow Row(PlanField field, int parseOrder = 0) {
  return {"WordsLabel", "Words", "Words", field, EntryKind::Dollars, false, LabelText::Given, 0, {}, parseOrder};
}

}  // namespace

// Where rows land: leader labels sit two pixels down on the box's text line;
// narrow boxes end at the right edge on the wide pages and start at the box
// column on the category pages; a row beside another keeps its line.
TEST(EntryRowsTest, RowsLandOnTheirGrid) {
  EntryRow leaders = Row(&PlanRecord::Salary1);
  leaders.label = LabelText::Leaders;
  const RowRects wide = PlaceRow(leaders, kWidePageGrid, 32);
  EXPECT_EQ(wide.edit, QRect(416, 32, 110, 22));
  EXPECT_EQ(wide.label, QRect(10, 34, 402, 20));

  EntryRow years = Row(&PlanRecord::CarYearsLeft1);
  years.editWidth = kYearsBoxWidth;
  EXPECT_EQ(PlaceRow(years, kWidePageGrid, 0).edit.left(), 526 - kYearsBoxWidth);
  EXPECT_EQ(PlaceRow(years, kCategoryPageGrid, 0).edit, QRect(382, 0, 58, 24));

  EntryRow summary = Row(&PlanRecord::SummaryHome);
  summary.place.labelWidth = 260;
  const RowRects line = PlaceRow(summary, kExpenseSummaryGrid, 10);
  EXPECT_EQ(line.label, QRect(16, 10, 260, 24));
  EXPECT_EQ(line.edit, QRect(364, 10, 120, 24));

  EntryRow beside = years;
  beside.place.sameLine = true;
  EXPECT_EQ(LineCount({Row(&PlanRecord::CarYearsHad1), beside, Row(&PlanRecord::CarReplaceCost1)}), 2);
}

TEST(EntryRowsTest, ParseOrderIsExplicitWhereGivenAndRowOrderOtherwise) {
  const std::vector<EntryRow> rows = {Row(&PlanRecord::EventTitle1, 3), Row(&PlanRecord::EventYear1, 1),
                                      Row(&PlanRecord::EventAmount1, 2), Row(&PlanRecord::OtherAmount1, 1)};
  EXPECT_EQ(ParseOrder(rows), (std::vector<std::size_t>{1, 3, 2, 0}));
  EXPECT_EQ(ParseOrder({Row(&PlanRecord::Vacations), Row(&PlanRecord::Hobbies)}), (std::vector<std::size_t>{0, 1}));
}

// Every row of every situation remembers its text in a slot of its own and
// in a box of its own.
TEST(EntryRowsTest, HomeSituationRowsMapOntoTheRememberedFigures) {
  for (HomeSituation situation : {HomeSituation::Rent, HomeSituation::Own, HomeSituation::RentThenBuy,
                                  HomeSituation::OwnThenBuyAnother, HomeSituation::OwnThenRent}) {
    std::set<std::size_t> figures;
    std::set<QString> boxes;
    for (const EntryRow& row : HomeStatusRows(situation)) {
      EXPECT_LT(HomeFigureIndex(row.field), kHomeFigures.size()) << row.editName.toStdString();
      figures.insert(HomeFigureIndex(row.field));
      boxes.insert(row.editName);
    }
    EXPECT_EQ(figures.size(), HomeStatusRows(situation).size());
    EXPECT_EQ(boxes.size(), HomeStatusRows(situation).size());
  }
}
