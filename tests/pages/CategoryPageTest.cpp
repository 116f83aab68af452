#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include "support/ExpensePageFixture.h"

namespace {

using CategoryPageTest = ExpensePageTest;

const QString kDataEntryError = "Data entry error please correct.";

TEST_F(CategoryPageTest, HomeUpdateShowsTotalAndReturnCarriesItToTheSummary) {
  Plan().HomeMortgageOrRent = 12000;
  Plan().HomeTaxes = 3000;
  program.Open(PageId::HomeExpenses);
  const PageId lastPageLeft = program.session.LastPageLeft;
  EXPECT_EQ(program.Current()->windowTitle(), "Home Expense Page [ JohnSmith ]");
  EXPECT_EQ(program.Edit("HomeMortgageOrRent")->text(), "$12,000");

  QTest::keyClicks(program.Edit("HomeInsurance"), "1,200");
  program.Run(Command::Update);
  // The real estate tax is refreshed from the assets page's figure before the total.
  EXPECT_EQ(program.Edit("HomeTotal")->text(), "$16,200");
  EXPECT_TRUE(Messages().isEmpty());

  program.Run(Command::Return);
  EXPECT_EQ(CurrentPage(), PageId::ExpenseSummary);
  EXPECT_EQ(program.session.LastPageLeft, lastPageLeft);
  EXPECT_EQ(Plan().HomeInsurance, 1200);
  EXPECT_EQ(Plan().SummaryHome, 16200);
}

TEST_F(CategoryPageTest, BlankBoxIsReadAsZero) {
  Plan().HomeUtilities = 500;
  program.Open(PageId::HomeExpenses);
  EXPECT_EQ(program.Edit("HomeUtilities")->text(), "$500");
  program.Type(&PlanRecord::HomeUtilities, "  ");
  program.Run(Command::Return);
  EXPECT_EQ(CurrentPage(), PageId::ExpenseSummary);
  EXPECT_EQ(Plan().HomeUtilities, 0);
  EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(CategoryPageTest, HomeComputedBoxesCannotBeTypedInto) {
  Plan().HomeMortgageOrRent = 9000;
  program.Open(PageId::HomeExpenses);
  for (const char* name : {"HomeMortgageOrRent", "HomeRealEstateTax", "HomeTotal"}) {
    QLineEdit* box = program.Edit(name);
    EXPECT_TRUE(box->isReadOnly()) << name;
    EXPECT_EQ(box->focusPolicy(), Qt::NoFocus) << name;
    EXPECT_EQ(box->palette().color(QPalette::Base), QColor(0, 255, 255)) << name;
  }
  QTest::keyClicks(program.Edit("HomeMortgageOrRent"), "5");
  program.Run(Command::Return);
  EXPECT_EQ(Plan().HomeMortgageOrRent, 9000);
}

TEST_F(CategoryPageTest, BadEntryKeepsThePageButStoresTheOthersAndTheirTotal) {
  program.Open(PageId::FoodExpenses);
  program.Type(&PlanRecord::Groceries, "100");
  program.Type(&PlanRecord::DryCleaning, "12.5");
  program.Type(&PlanRecord::Clothes, "300");
  program.Trigger("Return");
  EXPECT_EQ(CurrentPage(), PageId::FoodExpenses);
  EXPECT_EQ(MessageFirstLines(), QStringList{kDataEntryError});
  EXPECT_EQ(Plan().Groceries, 100);
  EXPECT_EQ(Plan().Clothes, 300);
  EXPECT_EQ(Plan().FoodTotal, 400);

  program.Type(&PlanRecord::Grooming, "(-$5)");
  program.Run(Command::Update);
  EXPECT_EQ(Messages().size(), 2);
  EXPECT_EQ(program.Edit("FoodTotal")->text(), "$400");

  // The close box refuses too, and returns to the summary once the entries parse.
  program.window->close();
  EXPECT_EQ(CurrentPage(), PageId::FoodExpenses);
  program.Type(&PlanRecord::DryCleaning, "");
  program.Type(&PlanRecord::Grooming, "5");
  program.window->close();
  EXPECT_EQ(CurrentPage(), PageId::ExpenseSummary);
  EXPECT_EQ(Plan().FoodTotal, 405);
}

TEST_F(CategoryPageTest, MedicalPageOfAOnePersonPlanStoresNothingForPersonTwo) {
  Plan().SecondPerson = false;
  Plan().Name1 = "Ann Lee";
  Plan().MedPremiums2 = 999;
  Plan().MedOther2 = 50;
  program.Open(PageId::MedicalExpenses);
  Page* page = program.Current();
  EXPECT_EQ(page->findChild<QLabel*>("Name1Heading")->text(), "Ann Lee");
  for (const char* name :
       {"MedPremiums2Label", "MedCopays2Label", "MedDrugs2Label", "MedOther2Label", "Name2Heading"}) {
    EXPECT_FALSE(page->findChild<QLabel*>(name)->isVisibleTo(page)) << name;
  }
  for (const char* name : {"MedPremiums2", "MedCopays2", "MedDrugs2", "MedOther2"}) {
    EXPECT_FALSE(program.Edit(name)->isVisibleTo(page)) << name;
  }
  program.Type(&PlanRecord::MedPremiums1, "2,000");
  program.Type(&PlanRecord::MedPremiums2, "700");
  program.Trigger("Return");
  EXPECT_EQ(CurrentPage(), PageId::ExpenseSummary);
  EXPECT_EQ(Plan().MedPremiums1, 2000);
  EXPECT_EQ(Plan().MedPremiums2, 0);
  EXPECT_EQ(Plan().MedOther2, 0);
  EXPECT_EQ(Plan().MedicalTotal, 2000);
}

TEST_F(CategoryPageTest, MedicalPageOfATwoPersonPlanReadsBothBlocks) {
  program.Open(PageId::MedicalExpenses);
  Page* page = program.Current();
  EXPECT_EQ(page->findChild<QLabel*>("Name2Heading")->text(), "Mary Smith");
  EXPECT_TRUE(program.Edit("MedOther2")->isVisibleTo(page));
  program.Type(&PlanRecord::MedCopays1, "300");
  program.Type(&PlanRecord::MedOther2, "1,250");
  program.Run(Command::Update);
  EXPECT_EQ(program.Edit("MedicalTotal")->text(), "$1,550");
  EXPECT_EQ(Plan().MedOther2, 1250);
}

TEST_F(CategoryPageTest, SecondCarWithNoPeriodsLosesItsCostWhileTheFirstKeepsIt) {
  program.Open(PageId::AutoExpenses);
  EXPECT_EQ(program.Current()->findChild<QAction*>("Update"), nullptr);
  program.Type(&PlanRecord::AutoMaintenance, "800");
  for (const char* years : {"CarYearsHad1", "CarYearsLeft1", "CarYearsHad2", "CarYearsLeft2"}) program.Type(years, "0");
  program.Type(&PlanRecord::CarReplaceCost1, "20,000");
  program.Type(&PlanRecord::CarReplaceCost2, "20,000");
  program.Trigger("Return");
  EXPECT_EQ(CurrentPage(), PageId::ExpenseSummary);
  EXPECT_EQ(Plan().CarReplaceCost1, 20000);
  EXPECT_EQ(Plan().CarReplaceCost2, 0);
  EXPECT_EQ(Plan().AutoTotal, 20800);
  EXPECT_EQ(Plan().SummaryAuto, 20800);

  program.Open(PageId::AutoExpenses);
  EXPECT_EQ(program.Edit("CarReplaceCost2")->text(), "$0");
  EXPECT_EQ(program.Edit("CarReplaceCost1")->text(), "$20,000");
}

TEST_F(CategoryPageTest, AutomobileYearsAreWholeNumbers) {
  program.Open(PageId::AutoExpenses);
  program.Type(&PlanRecord::CarYearsLeft3, "2.5");
  program.Type(&PlanRecord::CarYearsHad3, "4");
  program.Trigger("Return");
  EXPECT_EQ(CurrentPage(), PageId::AutoExpenses);
  EXPECT_EQ(MessageFirstLines(), QStringList{kDataEntryError});
  EXPECT_EQ(Plan().CarYearsHad3, 4);
}

TEST_F(CategoryPageTest, AboutLeavesWithoutValidatingAndComesBackUnchanged) {
  program.Open(PageId::CommunicationExpenses);
  program.Type(&PlanRecord::HomePhone, "oops");
  program.Run(Command::About);
  EXPECT_TRUE(Messages().isEmpty());
  EXPECT_EQ(program.session.LastPageLeft, PageId::CommunicationExpenses);
  program.window->ShowPageAsLeft(PageId::CommunicationExpenses);
  EXPECT_EQ(program.Edit("HomePhone")->text(), "oops");
}

struct PageFacts {
  PageId number;
  QString caption;
  int helpContext;
  bool update;
  QString returnItem;
  QString totalBox;
  QString ownTextStart;
};

TEST_F(CategoryPageTest, EachPageHasItsCaptionMenuHelpAndInstructions) {
  const PageFacts pages[] = {
      {PageId::HomeExpenses, "Home Expense Page [ JohnSmith ]", 1500, true, "Return", "HomeTotal",
       "INSTRUCTIONS\r\nYou may need your check book"},
      {PageId::AutoExpenses, "Automobile Expense Page [ JohnSmith ]", 2100, false, "Return", "",
       "INSTRUCTIONS\r\nUse this page to enter all automobile expenses."},
      {PageId::MedicalExpenses, "Medical Expense Page [ JohnSmith ]", 1600, true, "Return", "MedicalTotal",
       "INSTRUCTIONS\r\nYou may need your check book"},
      {PageId::CommunicationExpenses, "Communication Expense Page [ JohnSmith ]", 1700, true, "Return",
       "CommunicationTotal", "INSTRUCTIONS\r\nYou may need your check book"},
      {PageId::EntertainmentExpenses, "Entertainment Gift Expense Page [ JohnSmith ]", 1800, true, "Return",
       "EntertainmentTotal", "INSTRUCTIONS\r\nYou may need your check book"},
      {PageId::FoodExpenses, "Food Personal Expense Page [ JohnSmith ]", 1900, true, "Return", "FoodTotal",
       "INSTRUCTIONS\r\nYou may need your check book"},
  };
  for (const PageFacts& facts : pages) {
    SCOPED_TRACE(facts.caption.toStdString());
    program.Open(facts.number);
    Page* page = program.Current();
    ASSERT_EQ(page->Id(), facts.number);
    EXPECT_EQ(page->windowTitle(), facts.caption);
    EXPECT_EQ(page->PageSize(), QSize(500, 518));
    EXPECT_EQ(page->findChild<QAction*>("Update") != nullptr, facts.update);
    EXPECT_NE(page->findChild<QAction*>(facts.returnItem), nullptr);
    if (!facts.totalBox.isEmpty()) {
      EXPECT_TRUE(program.Edit(facts.totalBox)->isReadOnly());
    }

    program.Trigger("HelpTopics");
    EXPECT_EQ(program.scripted.desktop.helpTopics.back(), facts.helpContext);

    auto* memo = page->findChild<QPlainTextEdit*>("Instructions");
    ASSERT_NE(memo, nullptr);
    QString text = memo->toPlainText();
    text.replace('\n', "\r\n");
    EXPECT_TRUE(text.startsWith(facts.ownTextStart));
    EXPECT_TRUE(text.endsWith("click RETURN on the menu above or the [X] on the top right to go back to the "
                              "previous page."));
    const qsizetype update = text.indexOf("\r\n\r\nUPDATE COMMAND\r\n");
    const qsizetype format = text.indexOf("\r\n\r\nNUMBER FORMAT\r\nEnter only whole numbers");
    ASSERT_GE(format, 0);
    if (facts.number == PageId::AutoExpenses) {
      EXPECT_EQ(update, -1);
    } else if (facts.number == PageId::HomeExpenses) {
      EXPECT_TRUE(update >= 0 && update < format);
      EXPECT_TRUE(memo->toolTip().isEmpty());
    } else {
      EXPECT_GT(update, format);
      EXPECT_EQ(memo->toolTip(), "Scroll for more instructions");
    }
    program.Trigger(facts.returnItem);
    EXPECT_EQ(CurrentPage(), PageId::ExpenseSummary);
  }
}

TEST_F(CategoryPageTest, InstructionMemosScrollOnlyUpAndDown) {
  for (PageId number : {PageId::ExpenseSummary, PageId::Taxes, PageId::Assumptions, PageId::HomeExpenses, PageId::AutoExpenses,
                     PageId::MedicalExpenses, PageId::CommunicationExpenses, PageId::EntertainmentExpenses, PageId::FoodExpenses,
                     PageId::Education, PageId::SpecialEvents}) {
    SCOPED_TRACE(number);
    program.Open(number);
    ASSERT_EQ(CurrentPage(), number);
    program.window->grab();
    auto* memo = program.Current()->findChild<QPlainTextEdit*>("Instructions");
    ASSERT_NE(memo, nullptr);
    EXPECT_TRUE(memo->verticalScrollBar()->isVisible());
    EXPECT_FALSE(memo->horizontalScrollBar()->isVisible());
    program.scripted.prompts.Clear();
  }
}

// Entries reach the forecast: year 1 as entered, later years inflated, the
// discretionary part reduced after retirement while medical costs are not.

TEST_F(CategoryPageTest, HomeEntriesReachEveryForecastYear) {
  program.Open(PageId::HomeExpenses);
  program.Type(&PlanRecord::HomeInsurance, "1,000");
  program.Type(&PlanRecord::HomeRepair, "500");
  program.Run(Command::Return);
  program.session.RunForecastForView();
  EXPECT_EQ(Expenses(1), 1500);
  EXPECT_EQ(Expenses(2), Inflated(1500, 2));
  EXPECT_EQ(Expenses(20), Inflated(1500, 20));
}

TEST_F(CategoryPageTest, CarReplacementsComeBackEveryPeriod) {
  program.Open(PageId::AutoExpenses);
  program.Type(&PlanRecord::AutoMaintenance, "1,000");
  program.Type(&PlanRecord::CarYearsHad1, "3");
  program.Type(&PlanRecord::CarYearsLeft1, "2");
  program.Type(&PlanRecord::CarReplaceCost1, "20,000");
  program.Trigger("Return");
  program.session.RunForecastForView();
  EXPECT_EQ(Expenses(1), 1000);
  EXPECT_EQ(Expenses(2), Inflated(1000, 2));
  EXPECT_EQ(Expenses(3), Inflated(21000, 3));
  EXPECT_EQ(Expenses(8), Inflated(21000, 8));
  EXPECT_EQ(Expenses(9), Inflated(1000, 9));
}

TEST_F(CategoryPageTest, MedicalCostsAreNotReducedAtRetirement) {
  Plan().RetireAge1 = Plan().Age1 + 2;
  Plan().RetireAge2 = Plan().Age2 + 2;
  program.Open(PageId::MedicalExpenses);
  program.Type(&PlanRecord::MedPremiums1, "1,000");
  program.Type(&PlanRecord::MedPremiums2, "2,000");
  program.Trigger("Return");
  program.session.RunForecastForView();
  EXPECT_EQ(Expenses(1), 3000);
  EXPECT_EQ(Expenses(10), Inflated(3000, 10));
}

TEST_F(CategoryPageTest, DiscretionaryPagesAreReducedAfterRetirement) {
  Plan().RetireAge1 = Plan().Age1 + 2;
  Plan().RetireAge2 = Plan().Age2 + 4;
  const struct {
    PageId page;
    const char* box;
  } entries[] = {{PageId::CommunicationExpenses, "CellPhone"},
                 {PageId::EntertainmentExpenses, "GiftsFamily"},
                 {PageId::FoodExpenses, "FoodMisc"}};
  for (const auto& entry : entries) {
    program.Open(entry.page);
    program.Type(entry.box, "1,000");
    program.Trigger("Return");
  }
  program.session.RunForecastForView();
  EXPECT_EQ(Expenses(1), 3000);
  EXPECT_EQ(Expenses(2), Inflated(3000, 2));
  // One of the two has retired (a 5 percent cut), then both (10 percent).
  EXPECT_EQ(Expenses(3), Inflated(2850, 3));
  EXPECT_EQ(Expenses(6), Inflated(2700, 6));
}

}  // namespace
