#include <gtest/gtest.h>

#include <QLineEdit>

#include "support/TestProgram.h"

// The page switch, the about box's return and the close rules, across real pages.
namespace {

class NavigationTest : public ::testing::Test {
 protected:
  int RowsUsed() const {
    int rows = 0;
    for (const YearRecord& year : program.session.table.rows) rows += year.NetWorth != 0 || year.Income != 0;
    return rows;
  }

  TestProgram program;
};

TEST_F(NavigationTest, TheProgramStartsOnTheGraphPageWithAForecast) {
  ASSERT_NE(program.Current(), nullptr);
  EXPECT_EQ(program.Current()->PageNumber(), kGraphPage);
  EXPECT_EQ(program.session.LastPageLeft, kGraphPage);
  EXPECT_EQ(program.session.table.Year(1).NetWorth, 0);  // the start plan holds no money
  EXPECT_EQ(program.window->PageAt(kAboutPage)->PageNumber(), kAboutPage);
}

TEST_F(NavigationTest, EveryPageOfTheProgramExists) {
  for (int number : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 20}) {
    ASSERT_NE(program.PageAt(number), nullptr) << "page " << number;
    EXPECT_EQ(program.PageAt(number)->PageNumber(), number);
  }
}

TEST_F(NavigationTest, ASwitchFromADataPageStoresItsEntriesAndRerunsTheForecastOnTheGraph) {
  program.Open(kAssetsPage);
  program.Type("Edit1", "50,000");
  program.Trigger("Graph1");

  EXPECT_EQ(program.Current()->PageNumber(), kGraphPage);
  EXPECT_EQ(program.session.LastPageLeft, kAssetsPage);
  EXPECT_EQ(program.session.plan.TaxableBalance, 50000);
  EXPECT_EQ(program.session.table.Year(1).TaxableInvest, 50000);
}

TEST_F(NavigationTest, AFailedValidationKeepsThePageAndTheLastPageLeft) {
  program.Open(kPersonalPage);
  program.Type("Edit2", "twelve");
  program.Trigger("Graph1");

  EXPECT_EQ(program.Current()->PageNumber(), kPersonalPage);
  EXPECT_EQ(program.session.LastPageLeft, kGraphPage);
  EXPECT_EQ(program.scripted.prompts.Texts(), QStringList{"Data entry error please correct."});
}

TEST_F(NavigationTest, TheAboutBoxNeitherValidatesNorRefillsThePageItReturnsTo) {
  program.Open(kPersonalPage);
  program.Type("Edit2", "twelve");
  program.Trigger("About1");
  EXPECT_EQ(program.Current()->PageNumber(), kAboutPage);
  EXPECT_TRUE(program.scripted.prompts.shown.empty());

  program.Trigger("Return1");
  EXPECT_EQ(program.Current()->PageNumber(), kPersonalPage);
  EXPECT_EQ(program.Edit("Edit2")->text(), "twelve");
  EXPECT_FALSE(program.session.SuppressRefresh);
}

TEST_F(NavigationTest, TheCloseBoxOfADataPageValidatesThenShowsTheGraphPage) {
  program.Open(kIncomePage);
  program.Type("Edit2", "-5");
  program.window->close();
  EXPECT_EQ(program.Current()->PageNumber(), kIncomePage);

  program.Type("Edit2", "0");
  program.window->close();
  EXPECT_EQ(program.Current()->PageNumber(), kGraphPage);
  EXPECT_EQ(program.session.LastPageLeft, kIncomePage);
  EXPECT_FALSE(program.session.Exiting);
}

TEST_F(NavigationTest, ClosingTheGraphPageAsksToSaveAndCancelKeepsTheProgramOpen) {
  program.scripted.prompts.answers = {PromptButton::Cancel};
  program.window->close();
  EXPECT_FALSE(program.session.Exiting);
  EXPECT_EQ(program.scripted.prompts.Texts(),
            QStringList{"Do you first want to RENAME [JohnSmith.plan] and save it as a new file?"});
  EXPECT_FALSE(program.scripted.settings.Contains("myTop"));
}

TEST_F(NavigationTest, ExitAfterNoStoresTheWindowSettingsAndEnds) {
  program.scripted.prompts.answers = {PromptButton::No};
  program.Trigger("Exit1");
  EXPECT_TRUE(program.session.Exiting);
  EXPECT_TRUE(program.scripted.settings.Contains("myTop"));
  EXPECT_EQ(program.scripted.settings.Integer("myWidthg"), program.session.geometry.GraphWidth);
  EXPECT_EQ(program.scripted.settings.Text("PathFileName"), "JohnSmith.plan");
}

TEST_F(NavigationTest, ShowPageByNumberIgnoresNumbersOutsideTheDataAndResultPages) {
  program.window->ShowPageByNumber(18);
  program.window->ShowPageByNumber(0);
  EXPECT_EQ(program.Current()->PageNumber(), kGraphPage);
  EXPECT_FALSE(program.session.SuppressRefresh);
}

TEST_F(NavigationTest, APageMayBeLeftByItsSetupMenuAndReachedBack) {
  program.Open(kTaxesPage);
  program.Trigger("Assumptions1");
  EXPECT_EQ(program.Current()->PageNumber(), kAssumptionsPage);
  EXPECT_EQ(program.session.LastPageLeft, kTaxesPage);
  program.Trigger("Plan1");
  EXPECT_EQ(program.Current()->PageNumber(), kPlanPage);
  program.Trigger("Graph1");
  EXPECT_EQ(program.Current()->PageNumber(), kGraphPage);
  EXPECT_EQ(program.session.LastPageLeft, kPlanPage);
}

TEST_F(NavigationTest, ResultPagesRerunOnlyWhenNotComingFromTheOtherResultPageOrTheAboutBox) {
  program.Open(kPlanPage);
  // A mark a fresh run would overwrite.
  program.session.table.Year(1).NetWorth = 12345;

  program.Trigger("About1");
  program.Trigger("Return1");
  EXPECT_EQ(program.Current()->PageNumber(), kPlanPage);
  EXPECT_EQ(program.session.table.Year(1).NetWorth, 12345);

  program.Trigger("Graph1");
  EXPECT_EQ(program.session.table.Year(1).NetWorth, 12345);
  program.Trigger("Plan1");
  EXPECT_EQ(program.session.table.Year(1).NetWorth, 12345);

  program.Open(kPersonalPage);
  program.Trigger("Plan1");
  EXPECT_EQ(program.session.table.Year(1).NetWorth, 0);
}

TEST_F(NavigationTest, OnASmallScreenEveryDataPageWindowTakesTheSmallScreenSize) {
  program.session.geometry.ScreenHeight = 500;
  program.session.geometry.SmallScreenHeight = 500;
  for (int number : {kPersonalPage, kIncomePage, kAssetsPage, kHomeExpensePage, kEducationPage, kHomeStatusPage}) {
    program.Open(number);
    ASSERT_EQ(program.Current()->PageNumber(), number);
    EXPECT_EQ(program.window->size(), QSize(536, 500)) << "page " << number;
  }
}

}  // namespace
