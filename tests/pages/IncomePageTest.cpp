#include <gtest/gtest.h>

#include <QLabel>

#include "support/DataPageFixture.h"

namespace {

const QString kNotice =
    "You have entered an income item\r\nwhich required the program to\r\nautomatically update an age on\r\n"
    "on the personal page. You may\r\nwant to check the personal page\r\nto see if you agree with the\r\n"
    "default ages selected.";

class IncomePage : public DataPageFixture {
 protected:
  void SetUp() override { OpenPage(PageId::Income); }

  bool Visible(const char* name) const { return program.Current()->findChild<QWidget*>(name)->isVisible(); }
};

TEST_F(IncomePage, FillShowsAmountsAsMoneyAndNamesAsHeadings) {
  plan.Salary1 = 45000;
  plan.SocialSecurity2 = 1234567;
  Refill();
  EXPECT_EQ(program.Edit("Salary1")->text(), "$45,000");
  EXPECT_EQ(program.Edit("SocialSecurity2")->text(), "$1,234,567");
  EXPECT_EQ(program.Current()->findChild<QLabel*>("FirstPersonHeading")->text(), "John Smith");
  EXPECT_EQ(program.Current()->findChild<QLabel*>("SecondPersonHeading")->text(), "Mary Smith");
  EXPECT_EQ(program.CaptionText(), "Income Page [ JohnSmith ]");
}

// The sample's first person is 30 in the clock year, so born 1960 or later: 70 % at 62.
TEST_F(IncomePage, TypedFullBenefitShowsTheClaimedBenefitAndIsStored) {
  plan.SocialSecurityAge1 = 62;
  Refill();
  const QLabel* claimed = program.Current()->findChild<QLabel*>("ClaimedBenefit1");
  EXPECT_TRUE(claimed->text().isEmpty());
  program.Type(&PlanRecord::FullRetirementBenefit1, "30000");
  EXPECT_TRUE(claimed->text().startsWith("Claimed at 62: $21,000 a year")) << claimed->text().toStdString();
  program.LeaveFor(PageId::Assets);
  EXPECT_EQ(plan.FullRetirementBenefit1, 30000);
}

TEST_F(IncomePage, SalaryWithZeroAgesSetsDefaultsAndLeadsOnceToThePersonalPage) {
  program.Type(&PlanRecord::Salary1, "45000");
  program.LeaveFor(PageId::Assets);
  EXPECT_EQ(plan.Salary1, 45000);
  EXPECT_EQ(plan.EmploymentStartAge1, 30);
  EXPECT_EQ(plan.RetireAge1, 65);
  ASSERT_EQ(program.scripted.prompts.shown.size(), 1u);
  EXPECT_EQ(program.scripted.prompts.shown[0].kind, ShownPrompt::Information);
  EXPECT_EQ(program.scripted.prompts.shown[0].text, kNotice);
  EXPECT_EQ(CurrentPage(), PageId::Personal);
  EXPECT_EQ(program.session.LastPageLeft, PageId::Income);

  program.Open(PageId::Income);
  program.scripted.prompts.Clear();
  program.LeaveFor(PageId::Assets);
  EXPECT_EQ(CurrentPage(), PageId::Assets);
  EXPECT_TRUE(program.scripted.prompts.shown.empty());
}

TEST_F(IncomePage, PensionWithZeroAgeSetsItAndClearsTheDetourOnArrival) {
  program.Type(&PlanRecord::Pension1, "12000");
  program.LeaveFor(PageId::Assets);
  ASSERT_EQ(CurrentPage(), PageId::Personal);
  EXPECT_EQ(plan.PensionAge1, 65);
  // The detour is taken once: the next leave goes where it is asked to.
  program.Open(PageId::Income);
  program.LeaveFor(PageId::Assets);
  EXPECT_EQ(CurrentPage(), PageId::Assets);
}

TEST_F(IncomePage, AmountsWithAgesAlreadySetChangeNothing) {
  plan.SocialSecurityAge1 = 67;
  program.Type(&PlanRecord::SocialSecurity1, "$1,200");
  program.LeaveFor(PageId::Assets);
  EXPECT_EQ(plan.SocialSecurity1, 1200);
  EXPECT_EQ(plan.SocialSecurityAge1, 67);
  EXPECT_TRUE(program.scripted.prompts.shown.empty());
  EXPECT_EQ(CurrentPage(), PageId::Assets);
}

TEST_F(IncomePage, MalformedAmountKeepsThePageAndAdjustsNoAge) {
  program.Type(&PlanRecord::Salary1, "45000");
  program.Type(&PlanRecord::DeferredContribution1, "1200.50");
  program.LeaveFor(PageId::Assets);
  EXPECT_EQ(CurrentPage(), PageId::Income);
  EXPECT_EQ(program.scripted.prompts.FirstLines(), QStringList{"Data entry error please correct."});
  EXPECT_EQ(plan.Salary1, 45000);
  EXPECT_EQ(plan.EmploymentStartAge1, 0);
}

TEST_F(IncomePage, OnePersonHidesTheSecondBlockButStillStoresIt) {
  plan.SecondPerson = false;
  Refill();
  for (const char* name : {"SecondPersonHeading", "Salary2Label", "DeferredContribution2Label", "Pension2Label",
                           "SocialSecurity2Label", "Salary2", "DeferredContribution2", "Pension2", "SocialSecurity2"})
    EXPECT_FALSE(Visible(name)) << name;
  EXPECT_TRUE(Visible("Salary1"));
  program.Type(&PlanRecord::Salary2, "30000");
  program.LeaveFor(PageId::Assets);
  EXPECT_EQ(plan.Salary2, 30000);
  EXPECT_EQ(plan.EmploymentStartAge2, 0);
  EXPECT_EQ(plan.RetireAge2, 0);
  EXPECT_EQ(CurrentPage(), PageId::Assets);
}

TEST_F(IncomePage, SecondPersonAgesAreRepairedWhenThePlanHasTwoPersons) {
  program.Type(&PlanRecord::DeferredContribution2, "5000");
  program.Type(&PlanRecord::SocialSecurity2, "9000");
  program.LeaveFor(PageId::Taxes);
  EXPECT_EQ(plan.EmploymentStartAge2, 28);
  EXPECT_EQ(plan.RetireAge2, 65);
  EXPECT_EQ(plan.SocialSecurityAge2, 65);
  EXPECT_EQ(plan.EmploymentStartAge1, 0);
  EXPECT_EQ(CurrentPage(), PageId::Personal);
}

TEST_F(IncomePage, CloseBoxAlsoTakesTheDetour) {
  program.Type(&PlanRecord::Pension2, "7000");
  program.Current()->CloseRequested();
  EXPECT_EQ(program.Current()->Id(), PageId::Personal);
  EXPECT_EQ(plan.PensionAge2, 65);
  program.LeaveFor(PageId::Income);
  program.Current()->CloseRequested();
  EXPECT_EQ(program.Current()->Id(), PageId::Graph);
}

TEST_F(IncomePage, PersonalDataItemClearsThePendingDetour) {
  program.Type(&PlanRecord::Salary1, "45000");
  program.LeaveFor(PageId::Personal);
  EXPECT_EQ(CurrentPage(), PageId::Personal);
  program.LeaveFor(PageId::Income);
  program.scripted.prompts.Clear();
  program.LeaveFor(PageId::Assets);
  EXPECT_EQ(CurrentPage(), PageId::Assets);
}

}  // namespace
