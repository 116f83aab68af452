#include <QPlainTextEdit>
#include <QScrollBar>

#include "support/ExpensePageFixture.h"

namespace {

using EducationPageTest = ExpensePageTest;

TEST_F(EducationPageTest, YearsBeforeANewCurrentYearMoveUpAtTheNextVisit) {
  Plan().EduStartYear1 = 2010;
  Plan().EduEndYear1 = 2011;
  Plan().EduStartYear2 = 2015;
  Plan().EduEndYear2 = 2019;
  Plan().EduDebtYears3 = -3;
  Plan().CurrentYear = 2012;
  program.Open(PageId::Education);
  EXPECT_EQ(program.Current()->windowTitle(), "Education Expense Page [ JohnSmith ]");
  EXPECT_EQ(program.Edit("EduStartYear1")->text(), "2012");
  EXPECT_EQ(program.Edit("EduEndYear1")->text(), "2012");
  EXPECT_EQ(program.Edit("EduStartYear2")->text(), "2015");
  EXPECT_EQ(program.Edit("EduEndYear2")->text(), "2019");
  EXPECT_EQ(program.Edit("EduDebtYears3")->text(), "0");
  // The corrections are made in the plan, not only on screen.
  EXPECT_EQ(Plan().EduStartYear1, 2012);
  EXPECT_EQ(Plan().EduEndYear1, 2012);
  EXPECT_EQ(Plan().EduDebtYears3, 0);
}

TEST_F(EducationPageTest, ReadsEveryStudentAndReportsABadEntry) {
  program.Open(PageId::Education);
  program.Type(&PlanRecord::EduStartYear1, "2,011");
  program.Type(&PlanRecord::EduEndYear1, "2,009");  // an end before the start is the user's business
  program.Type(&PlanRecord::EduCost1, "12,000.50");
  program.Type(&PlanRecord::EduCost2, "$30,000");
  program.Type(&PlanRecord::EduDebtYears3, "10");
  program.Trigger("Return");
  EXPECT_EQ(CurrentPage(), PageId::Education);
  EXPECT_EQ(MessageFirstLines(), QStringList{"Data entry error please correct."});
  EXPECT_EQ(Plan().EduStartYear1, 2011);
  EXPECT_EQ(Plan().EduEndYear1, 2009);
  EXPECT_EQ(Plan().EduCost1, 0);
  EXPECT_EQ(Plan().EduCost2, 30000);
  EXPECT_EQ(Plan().EduDebtYears3, 10);

  program.Type(&PlanRecord::EduCost1, "12,000");
  program.window->close();
  EXPECT_EQ(CurrentPage(), PageId::ExpenseSummary);
  EXPECT_EQ(Plan().EduCost1, 12000);
}

TEST_F(EducationPageTest, InstructionsAreReloadedEvenWhenTheBoxesAreNot) {
  program.Open(PageId::Education);
  auto* memo = program.Current()->findChild<QPlainTextEdit*>("Instructions");
  ASSERT_NE(memo, nullptr);
  const QString instructions = memo->toPlainText();
  EXPECT_TRUE(instructions.startsWith("INSTRUCTIONS\nThis page is used to enter current or future"));
  EXPECT_GT(instructions.indexOf("NUMBER FORMAT"), instructions.indexOf("TOTAL DEBT"));
  EXPECT_TRUE(instructions.endsWith("to go back to the previous page."));
  EXPECT_EQ(program.Current()->findChild<QAction*>("Update"), nullptr);

  memo->setPlainText("scrolled away");
  program.Type(&PlanRecord::EduCost1, "4,000");
  program.Run(Command::About);
  program.window->ShowPageAsLeft(PageId::Education);
  EXPECT_EQ(memo->toPlainText(), instructions);
  EXPECT_EQ(program.Edit("EduCost1")->text(), "4,000");
}

TEST_F(EducationPageTest, StudentsCostInTheirSchoolYearsOnly) {
  program.Open(PageId::Education);
  program.Type(&PlanRecord::EduStartYear1, "2010");
  program.Type(&PlanRecord::EduEndYear1, "2012");
  program.Type(&PlanRecord::EduCost1, "5,000");
  program.Type(&PlanRecord::EduStartYear2, "2011");
  program.Type(&PlanRecord::EduEndYear2, "2015");
  program.Type(&PlanRecord::EduCost2, "10,000");
  program.Trigger("Return");
  ASSERT_EQ(CurrentPage(), PageId::ExpenseSummary);
  // Only a student starting this year is on the summary.
  EXPECT_EQ(Plan().SummaryEducation, 5000);

  program.session.RunForecastForView();
  EXPECT_EQ(Expenses(1), 5000);
  EXPECT_EQ(Expenses(2), Inflated(5000, 2) + Inflated(10000, 2));
  EXPECT_EQ(Expenses(3), Inflated(10000, 3));  // the end year itself costs nothing
  EXPECT_EQ(Expenses(5), Inflated(10000, 5));
  EXPECT_EQ(Expenses(6), 0);
}

}  // namespace
