#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "engine/Forecast.h"
#include "engine/PageTotals.h"
#include "model/NumberFormat.h"
#include "model/SamplePlan.h"
#include "support/DataPageFixture.h"

namespace {

constexpr const char* kDataEntryError = "Data entry error please correct.";

class ExpenseSummaryPage : public DataPageFixture {
 protected:
  ExpenseSummaryPage() { ResetPlan(plan, 2010); }

  void OpenSummary() {
    OpenPage(PageId::ExpenseSummary);
  }
  void Click(const char* button) {
    auto* widget = program.Current()->findChild<QPushButton*>(button);
    ASSERT_NE(widget, nullptr) << button;
    QTest::mouseClick(widget, Qt::LeftButton);
  }

};

TEST_F(ExpenseSummaryPage, SamplePlanShowsNothingButZeros) {
  OpenSummary();
  for (const char* box :
       {"SummaryHome", "SummaryAuto", "SummaryMedical", "SummaryCommunication", "SummaryEntertainment", "SummaryFood",
        "SummaryEducation", "SummaryOther", "DebtPayment", "ExpenseTotal", "TaxTotal"})
    EXPECT_EQ(program.Edit(box)->text(), "$0") << box;
  EXPECT_EQ(program.CaptionText(), "Expense Summary Page [ JohnSmith ]");
}

TEST_F(ExpenseSummaryPage, EventOfThisYearReachesTheOtherLine) {
  plan.EventYear1 = 2010;
  plan.EventAmount1 = 1'000;
  plan.EventYear2 = 2011;
  plan.EventAmount2 = 5'000;
  RecomputeOtherTotal(plan);  // as the special events page stores it
  OpenSummary();
  EXPECT_EQ(Text("SummaryOther"), "$1,000");
  EXPECT_EQ(Text("ExpenseTotal"), "$1,000");
}

TEST_F(ExpenseSummaryPage, StudentStartingThisYearReachesTheEducationLine) {
  plan.EduStartYear1 = 2010;
  plan.EduCost1 = 12'000;
  plan.EduStartYear2 = 2011;
  plan.EduCost2 = 9'000;
  OpenSummary();
  EXPECT_EQ(Text("SummaryEducation"), "$12,000");
  EXPECT_EQ(Text("ExpenseTotal"), "$12,000");
  EXPECT_EQ(plan.SummaryEducation, 12'000);
}

TEST_F(ExpenseSummaryPage, DebtWithNoYearsLeftIsPaidWhole) {
  plan.CurrentDebt = 10'000;
  plan.DebtYears = 0;
  OpenSummary();
  EXPECT_EQ(Text("DebtPayment"), "$10,000");
  EXPECT_EQ(Text("ExpenseTotal"), "$10,000");
}

TEST_F(ExpenseSummaryPage, TotalsAgreeWithTheForecastsFirstYear) {
  plan.CurrentYear = 2005;
  plan.Salary1 = 60'000;
  plan.EmploymentStartAge1 = plan.Age1;
  plan.FederalTax1 = 7'000;
  plan.StateTax1 = 1'200;
  plan.HomeTaxes = 2'500;
  plan.HomeUtilities = 3'000;
  plan.MedicalTotal = 4'000;
  plan.AutoTotal = 2'200;
  plan.CurrentDebt = 20'000;
  plan.DebtYears = 5;
  OpenSummary();

  PlanRecord forecastPlan = plan;
  ForecastTable table;
  RunForecast(forecastPlan, table);
  EXPECT_EQ(Text("TaxTotal"), QString::fromStdString(FormatDollars(table.Year(1).IncomeTaxes)));
  EXPECT_EQ(forecastPlan.ExpenseTotal, plan.ExpenseTotal);
  EXPECT_EQ(forecastPlan.DebtPayment, plan.DebtPayment);
  EXPECT_EQ(forecastPlan.SummaryHome, plan.SummaryHome);
  EXPECT_EQ(Text("SummaryHome"), "$5,500");
  EXPECT_EQ(Text("SummaryMedical"), "$4,000");
  EXPECT_EQ(Text("SummaryAuto"), "$2,200");
  // 7,000 + 1,200 + 3,720 Social Security + 870 Medicare.
  EXPECT_EQ(Text("TaxTotal"), "$12,790");
  EXPECT_EQ(Text("ExpenseTotal"),
            QString::fromStdString(FormatDollars(5'500 + 4'000 + 2'200 + 12'790 + plan.DebtPayment)));
}

TEST_F(ExpenseSummaryPage, ExplanationButtons) {
  OpenSummary();
  Click("DebtPaymentButton");
  Click("TaxTotalButton");
  EXPECT_EQ(Messages(), (QStringList{"The debt expense is taken\r\nfrom the assets page. If you\r\nwish to revise "
                                     "it click on\r\nthe Setup menu item and \r\nthen select Assets page.",
                                     "The FICA and income tax expenses \r\nare taken from the taxes page "
                                     "and\r\ncalculations using the income page.\r\nIf wish to revise them click "
                                     "on \r\nthe Setup menu item and then\r\nselect the desired page."}));
  EXPECT_EQ(program.scripted.prompts.shown[0].kind, ShownPrompt::Information);
  EXPECT_EQ(CurrentPage(), PageId::ExpenseSummary);
}

TEST_F(ExpenseSummaryPage, CategoryButtonsOpenTheirPagesWithoutValidating) {
  const std::pair<const char*, PageId> buttons[] = {
      {"SummaryHomeButton", PageId::HomeExpenses},
      {"SummaryAutoButton", PageId::AutoExpenses},
      {"SummaryMedicalButton", PageId::MedicalExpenses},
      {"SummaryCommunicationButton", PageId::CommunicationExpenses},
      {"SummaryEntertainmentButton", PageId::EntertainmentExpenses},
      {"SummaryFoodButton", PageId::FoodExpenses},
      {"SummaryEducationButton", PageId::Education},
      {"SummaryOtherButton", PageId::SpecialEvents},
  };
  for (const auto& [button, page] : buttons) {
    OpenSummary();
    program.Type(&PlanRecord::SummaryHome, "not a number");
    program.session.LastPageLeft = PageId::Graph;
    Click(button);
    EXPECT_TRUE(Messages().isEmpty()) << button;
    if (!program.PageAt(page)) continue;  // a page not yet in the program: the button does nothing
    EXPECT_EQ(CurrentPage(), page) << button;
    EXPECT_EQ(program.session.LastPageLeft, PageId::ExpenseSummary) << button;
  }
}

TEST_F(ExpenseSummaryPage, ReturningFromACategoryPageRefills) {
  OpenSummary();
  Click("SummaryMedicalButton");
  if (CurrentPage() != PageId::MedicalExpenses) GTEST_SKIP() << "medical page not in the program";
  program.Type(&PlanRecord::MedPremiums1, "1,500");
  program.window->close();
  ASSERT_EQ(CurrentPage(), PageId::ExpenseSummary);
  EXPECT_EQ(Text(&PlanRecord::SummaryMedical), "$1,500");
  EXPECT_EQ(Text(&PlanRecord::ExpenseTotal), "$1,500");
}

TEST_F(ExpenseSummaryPage, ValidationReadsTheCategoryBoxesBack) {
  OpenSummary();
  program.Type(&PlanRecord::SummaryCommunication, "$250");
  program.LeaveFor(PageId::Assumptions);
  EXPECT_EQ(CurrentPage(), PageId::Assumptions);
  EXPECT_EQ(plan.SummaryCommunication, 250);

  OpenSummary();
  program.Type(&PlanRecord::SummaryFood, "12.5");
  program.LeaveFor(PageId::Assumptions);
  EXPECT_EQ(CurrentPage(), PageId::ExpenseSummary);
  ASSERT_EQ(Messages().size(), 1);
  EXPECT_EQ(MessageFirstLines(), QStringList{kDataEntryError});
  EXPECT_TRUE(Messages()[0].endsWith("\nWhole dollars only.")) << Messages()[0].toStdString();
  program.window->close();
  EXPECT_EQ(CurrentPage(), PageId::ExpenseSummary);
}

TEST_F(ExpenseSummaryPage, NegativeTotalFromAPlanFileDoesNotTrapTheUser) {
  plan.FoodTotal = -300;
  OpenSummary();
  EXPECT_EQ(Text("SummaryFood"), "(-$300)");
  program.LeaveFor(PageId::Assumptions);
  EXPECT_TRUE(Messages().isEmpty());
  EXPECT_EQ(CurrentPage(), PageId::Assumptions);
  EXPECT_EQ(plan.SummaryFood, -300);
}

}  // namespace
