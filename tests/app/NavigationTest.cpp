#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>

#include "app/PageRegistry.h"
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
  EXPECT_EQ(program.Current()->Id(), PageId::Graph);
  EXPECT_EQ(program.session.LastPageLeft, PageId::Graph);
  EXPECT_EQ(program.session.table.Year(1).NetWorth, 0);  // the start plan holds no money
  EXPECT_EQ(program.window->PageAt(PageId::About)->Id(), PageId::About);
}

TEST_F(NavigationTest, EveryPageOfTheProgramExists) {
  for (const PageEntry& entry : PageTable()) {
    const PageId number = entry.id;
    ASSERT_NE(program.PageAt(number), nullptr) << "page " << static_cast<int>(number);
    EXPECT_EQ(program.PageAt(number)->Id(), number);
  }
}

TEST_F(NavigationTest, ASwitchFromADataPageStoresItsEntriesAndRerunsTheForecastOnTheGraph) {
  program.Open(PageId::Assets);
  program.Type(&PlanRecord::TaxableBalance, "50,000");
  program.LeaveFor(PageId::Graph);

  EXPECT_EQ(program.Current()->Id(), PageId::Graph);
  EXPECT_EQ(program.session.LastPageLeft, PageId::Assets);
  EXPECT_EQ(program.session.plan.TaxableBalance, 50000);
  EXPECT_EQ(program.session.table.Year(1).TaxableInvest, 50000);
}

TEST_F(NavigationTest, AFailedValidationKeepsThePageAndTheLastPageLeft) {
  program.Open(PageId::Personal);
  program.Type(&PlanRecord::Age1, "twelve");
  program.LeaveFor(PageId::Graph);

  EXPECT_EQ(program.Current()->Id(), PageId::Personal);
  EXPECT_EQ(program.session.LastPageLeft, PageId::Graph);
  EXPECT_EQ(program.scripted.prompts.FirstLines(), QStringList{"Data entry error please correct."});
}

TEST_F(NavigationTest, TheAboutBoxNeitherValidatesNorRefillsThePageItReturnsTo) {
  program.Open(PageId::Personal);
  program.Type(&PlanRecord::Age1, "twelve");
  program.Run(Command::About);
  EXPECT_EQ(program.Current()->Id(), PageId::About);
  EXPECT_TRUE(program.scripted.prompts.shown.empty());

  program.Run(Command::Return);
  EXPECT_EQ(program.Current()->Id(), PageId::Personal);
  EXPECT_EQ(program.Edit("Age1")->text(), "twelve");
  EXPECT_FALSE(program.session.SuppressRefresh);
}

TEST_F(NavigationTest, TheCloseBoxOfADataPageValidatesThenShowsTheGraphPage) {
  program.Open(PageId::Income);
  program.Type(&PlanRecord::Salary1, "-5");
  program.window->close();
  EXPECT_EQ(program.Current()->Id(), PageId::Income);

  program.Type(&PlanRecord::Salary1, "0");
  program.window->close();
  EXPECT_EQ(program.Current()->Id(), PageId::Graph);
  EXPECT_EQ(program.session.LastPageLeft, PageId::Income);
  EXPECT_FALSE(program.session.Exiting);
}

TEST_F(NavigationTest, ClosingTheGraphPageAsksToSaveAndCancelKeepsTheProgramOpen) {
  // Only a plan that differs from its file is worth the question.
  program.session.plan.Salary1 += 1;
  program.scripted.prompts.answers = {PromptButton::Cancel};
  program.window->close();
  EXPECT_FALSE(program.session.Exiting);
  EXPECT_EQ(program.scripted.prompts.Texts(),
            QStringList{"Do you first want to RENAME [JohnSmith.plan] and save it as a new file?"});
  EXPECT_FALSE(program.scripted.settings.Contains("myTop"));
}

TEST_F(NavigationTest, ExitAfterNoStoresTheWindowSettingsAndEnds) {
  program.scripted.prompts.answers = {PromptButton::No};
  program.Run(Command::Exit);
  EXPECT_TRUE(program.session.Exiting);
  EXPECT_TRUE(program.scripted.settings.Contains("myTop"));
  EXPECT_EQ(program.scripted.settings.Integer("myWidthg"), program.session.geometry.GraphWidth);
  EXPECT_EQ(program.scripted.settings.Text("PathFileName"), "JohnSmith.plan");
}

TEST_F(NavigationTest, ShowPageAsLeftIgnoresPagesOtherThanTheDataAndResultPages) {
  program.window->ShowPageAsLeft(PageId::Text);
  program.window->ShowPageAsLeft(static_cast<PageId>(-1));
  EXPECT_EQ(program.Current()->Id(), PageId::Graph);
  EXPECT_FALSE(program.session.SuppressRefresh);
}

TEST_F(NavigationTest, APageMayBeLeftByItsSetupMenuAndReachedBack) {
  program.Open(PageId::Taxes);
  program.LeaveFor(PageId::Assumptions);
  EXPECT_EQ(program.Current()->Id(), PageId::Assumptions);
  EXPECT_EQ(program.session.LastPageLeft, PageId::Taxes);
  program.LeaveFor(PageId::PlanTable);
  EXPECT_EQ(program.Current()->Id(), PageId::PlanTable);
  program.LeaveFor(PageId::Graph);
  EXPECT_EQ(program.Current()->Id(), PageId::Graph);
  EXPECT_EQ(program.session.LastPageLeft, PageId::PlanTable);
}

TEST_F(NavigationTest, ResultPagesRerunOnlyWhenNotComingFromTheOtherResultPageOrTheAboutBox) {
  program.Open(PageId::PlanTable);
  // A mark a fresh run would overwrite.
  program.session.table.Year(1).NetWorth = 12345;

  program.Run(Command::About);
  program.Run(Command::Return);
  EXPECT_EQ(program.Current()->Id(), PageId::PlanTable);
  EXPECT_EQ(program.session.table.Year(1).NetWorth, 12345);

  program.LeaveFor(PageId::Graph);
  EXPECT_EQ(program.session.table.Year(1).NetWorth, 12345);
  program.LeaveFor(PageId::PlanTable);
  EXPECT_EQ(program.session.table.Year(1).NetWorth, 12345);

  program.Open(PageId::Personal);
  program.LeaveFor(PageId::PlanTable);
  EXPECT_EQ(program.session.table.Year(1).NetWorth, 0);
}

TEST_F(NavigationTest, OnASmallScreenEveryDataPageWindowTakesTheSmallScreenSize) {
  program.session.geometry.ScreenHeight = 500;
  program.session.geometry.SmallScreenHeight = 500;
  for (PageId number : {PageId::Personal, PageId::Income, PageId::Assets, PageId::HomeExpenses, PageId::Education, PageId::HomeStatus}) {
    program.Open(number);
    ASSERT_EQ(program.Current()->Id(), number);
    EXPECT_EQ(program.window->size(), QSize(536, 500)) << "page " << number;
  }
}

// The status line shows only while the forecast on screen saturated.
TEST_F(NavigationTest, ASaturatedForecastIsToldInTheStatusLine) {
  auto statusShown = [this] {
    const QStatusBar* line = program.window->findChild<QStatusBar*>();
    const QLabel* note = program.window->findChild<QLabel*>("SaturationNote");
    return line && !line->isHidden() && note && note->text().contains("largest figure");
  };
  EXPECT_FALSE(statusShown());
  program.session.plan.TaxableBalance = 1000000;
  program.session.plan.TaxableReturn = 1000.0L;
  program.Open(PageId::Assets);
  program.Open(PageId::PlanTable);
  EXPECT_TRUE(statusShown());
  program.Open(PageId::Assets);
  EXPECT_FALSE(statusShown());
  program.LeaveFor(PageId::Graph);
  EXPECT_TRUE(statusShown());
  program.session.plan.TaxableReturn = 1.5L;
  program.Open(PageId::Assets);
  program.LeaveFor(PageId::Graph);
  EXPECT_FALSE(statusShown());
}

}  // namespace
