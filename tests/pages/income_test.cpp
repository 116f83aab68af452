#include <gtest/gtest.h>

#include <QLabel>

#include "support/TestProgram.h"

namespace {

const QString kNotice =
    "You have entered an income item\r\nwhich required the program to\r\nautomatically update an age on\r\n"
    "on the personal page. You may\r\nwant to check the personal page\r\nto see if you agree with the\r\n"
    "default ages selected.";

class IncomePage : public ::testing::Test {
 protected:
  void SetUp() override {
    program.Open(kIncomePage);
    ASSERT_EQ(program.Current()->PageNumber(), kIncomePage);
    program.scripted.prompts.Clear();
  }

  // Fills the page again from the plan, as its next activation would.
  void Refill() { program.Current()->FormActivate(); }
  int Shown() const { return program.Current()->PageNumber(); }
  bool Visible(const char* name) const { return program.Current()->findChild<QWidget*>(name)->isVisible(); }

  TestProgram program;
  PlanRecord& plan = program.session.plan;
};

TEST_F(IncomePage, FillShowsAmountsAsMoneyAndNamesAsHeadings) {
  plan.Salary1 = 45000;
  plan.SocialSecurity2 = 1234567;
  Refill();
  EXPECT_EQ(program.Edit("Edit2")->text(), "$45,000");
  EXPECT_EQ(program.Edit("Edit10")->text(), "$1,234,567");
  EXPECT_EQ(program.Current()->findChild<QLabel*>("Label10")->text(), "John Smith");
  EXPECT_EQ(program.Current()->findChild<QLabel*>("Label9")->text(), "Mary Smith");
  EXPECT_EQ(program.window->windowTitle(), "Income Page [ JohnSmith ]");
}

TEST_F(IncomePage, SalaryWithZeroAgesSetsDefaultsAndLeadsOnceToThePersonalPage) {
  program.Type("Edit2", "45000");
  program.Trigger("Assets1");
  EXPECT_EQ(plan.Salary1, 45000);
  EXPECT_EQ(plan.EmploymentStartAge1, 30);
  EXPECT_EQ(plan.RetireAge1, 65);
  ASSERT_EQ(program.scripted.prompts.shown.size(), 1u);
  EXPECT_EQ(program.scripted.prompts.shown[0].kind, ShownPrompt::Information);
  EXPECT_EQ(program.scripted.prompts.shown[0].text, kNotice);
  EXPECT_EQ(Shown(), kPersonalPage);
  EXPECT_EQ(program.session.LastPageLeft, kIncomePage);

  program.Open(kIncomePage);
  program.scripted.prompts.Clear();
  program.Trigger("Assets1");
  EXPECT_EQ(Shown(), kAssetsPage);
  EXPECT_TRUE(program.scripted.prompts.shown.empty());
}

TEST_F(IncomePage, PensionWithZeroAgeSetsItAndClearsTheDetourOnArrival) {
  program.Type("Edit4", "12000");
  program.Trigger("Assets1");
  ASSERT_EQ(Shown(), kPersonalPage);
  EXPECT_EQ(plan.PensionAge1, 65);
  EXPECT_FALSE(program.session.PersonalPageDue);
}

TEST_F(IncomePage, AmountsWithAgesAlreadySetChangeNothing) {
  plan.SocialSecurityAge1 = 67;
  program.Type("Edit5", "$1,200");
  program.Trigger("Assets1");
  EXPECT_EQ(plan.SocialSecurity1, 1200);
  EXPECT_EQ(plan.SocialSecurityAge1, 67);
  EXPECT_TRUE(program.scripted.prompts.shown.empty());
  EXPECT_EQ(Shown(), kAssetsPage);
}

TEST_F(IncomePage, MalformedAmountKeepsThePageAndAdjustsNoAge) {
  program.Type("Edit2", "45000");
  program.Type("Edit3", "1200.50");
  program.Trigger("Assets1");
  EXPECT_EQ(Shown(), kIncomePage);
  EXPECT_EQ(program.scripted.prompts.Texts(), QStringList{"Data entry error please correct."});
  EXPECT_EQ(plan.Salary1, 45000);
  EXPECT_EQ(plan.EmploymentStartAge1, 0);
  EXPECT_FALSE(program.session.PersonalPageDue);
}

TEST_F(IncomePage, OnePersonHidesTheSecondBlockButStillStoresIt) {
  plan.SecondPerson = false;
  Refill();
  for (const char* name : {"Label9", "Label6", "Label7", "Label8", "Label12", "Edit7", "Edit8", "Edit9", "Edit10"})
    EXPECT_FALSE(Visible(name)) << name;
  EXPECT_TRUE(Visible("Edit2"));
  program.Type("Edit7", "30000");
  program.Trigger("Assets1");
  EXPECT_EQ(plan.Salary2, 30000);
  EXPECT_EQ(plan.EmploymentStartAge2, 0);
  EXPECT_EQ(plan.RetireAge2, 0);
  EXPECT_EQ(Shown(), kAssetsPage);
}

TEST_F(IncomePage, SecondPersonAgesAreRepairedWhenThePlanHasTwoPersons) {
  program.Type("Edit8", "5000");
  program.Type("Edit10", "9000");
  program.Trigger("axes1");
  EXPECT_EQ(plan.EmploymentStartAge2, 28);
  EXPECT_EQ(plan.RetireAge2, 65);
  EXPECT_EQ(plan.SocialSecurityAge2, 65);
  EXPECT_EQ(plan.EmploymentStartAge1, 0);
  EXPECT_EQ(Shown(), kPersonalPage);
}

TEST_F(IncomePage, CloseBoxAlsoTakesTheDetour) {
  program.Type("Edit9", "7000");
  program.Current()->FormCloseQuery();
  EXPECT_EQ(program.Current()->PageNumber(), kPersonalPage);
  EXPECT_EQ(plan.PensionAge2, 65);
  program.Trigger("Income1");
  program.Current()->FormCloseQuery();
  EXPECT_EQ(program.Current()->PageNumber(), kGraphPage);
}

TEST_F(IncomePage, PersonalDataItemClearsThePendingDetour) {
  program.Type("Edit2", "45000");
  program.Trigger("PersonalData1");
  EXPECT_EQ(Shown(), kPersonalPage);
  EXPECT_FALSE(program.session.PersonalPageDue);
  program.Trigger("Income1");
  program.scripted.prompts.Clear();
  program.Trigger("Assets1");
  EXPECT_EQ(Shown(), kAssetsPage);
}

}  // namespace
