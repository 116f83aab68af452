#include <gtest/gtest.h>

#include "support/TestProgram.h"

namespace {

constexpr const char* kDataEntryError = "Data entry error please correct.";
constexpr const char* kYearTooEarly = "Calendar year can not be less then 2005.";
constexpr const char* kYearChanged =
    "You have changed the current year. This\r\nmay have affected the current ages on\r\nthe personal page. Would "
    "you like revise\r\nthem now?";

class AssumptionsPage : public ::testing::Test {
 protected:
  AssumptionsPage() {
    plan.CurrentYear = 2005;
    program.Open(kAssumptionsPage);
    EXPECT_EQ(CurrentPage(), kAssumptionsPage);
    program.scripted.prompts.Clear();
  }

  // Leaves and comes back, so the boxes show the plan again.
  void Reopen() {
    program.Trigger("axes1");
    ASSERT_EQ(CurrentPage(), kTaxesPage);
    program.Open(kAssumptionsPage);
    ASSERT_EQ(CurrentPage(), kAssumptionsPage);
  }

  QString Text(const char* edit) const { return program.Edit(edit)->text(); }
  int CurrentPage() const { return program.Current() ? program.Current()->PageNumber() : 0; }
  QStringList Messages() const { return program.scripted.prompts.Texts(); }

  TestProgram program;
  PlanRecord& plan = program.session.plan;
};

TEST_F(AssumptionsPage, FillShowsYearAndRatesInTheirFormats) {
  EXPECT_EQ(Text("Edit1"), "2005");
  EXPECT_EQ(Text("Edit2"), "2.50");
  EXPECT_EQ(Text("Edit6"), "3.00");
  EXPECT_EQ(Text("Edit11"), "10.0");
  EXPECT_EQ(program.window->windowTitle(), "Assumptions Page [ JohnSmith ]");
  EXPECT_EQ(program.session.working.PreviousYear, 2005);
}

TEST_F(AssumptionsPage, YearChecks) {
  program.Type("Edit1", "2004");
  program.Trigger("Graph1");
  EXPECT_EQ(CurrentPage(), kAssumptionsPage);
  EXPECT_EQ(Messages(), QStringList{kYearTooEarly});

  program.scripted.prompts.Clear();
  program.Type("Edit1", "");
  program.Trigger("Graph1");
  EXPECT_EQ(Messages(), QStringList{kYearTooEarly});

  program.scripted.prompts.Clear();
  program.Type("Edit1", "2005");
  program.Trigger("Graph1");
  EXPECT_EQ(CurrentPage(), kGraphPage);
  EXPECT_TRUE(Messages().isEmpty());
  EXPECT_EQ(plan.CurrentYear, 2005);
}

TEST_F(AssumptionsPage, GroupedYearIsReadAsAWholeNumber) {
  program.scripted.prompts.answers = {PromptButton::No};
  program.Type("Edit1", "2,006");
  program.Trigger("Graph1");
  EXPECT_EQ(plan.CurrentYear, 2006);
  EXPECT_EQ(CurrentPage(), kGraphPage);
}

TEST_F(AssumptionsPage, YearChangeAnsweredNoGoesWhereChosen) {
  program.scripted.prompts.answers = {PromptButton::No};
  program.Type("Edit1", "2007");
  program.Trigger("Graph1");
  ASSERT_EQ(program.scripted.prompts.shown.size(), 1u);
  EXPECT_EQ(program.scripted.prompts.shown[0].kind, ShownPrompt::Question);
  EXPECT_EQ(program.scripted.prompts.shown[0].text, kYearChanged);
  EXPECT_EQ(CurrentPage(), kGraphPage);
  EXPECT_EQ(plan.CurrentYear, 2007);
}

TEST_F(AssumptionsPage, YearChangeAnsweredYesGoesToThePersonalPage) {
  const std::int32_t age1 = plan.Age1;
  program.scripted.prompts.answers = {PromptButton::Yes};
  program.Type("Edit1", "2007");
  program.Type("Edit2", "3.25");
  program.Trigger("Graph1");
  EXPECT_EQ(Messages(), QStringList{kYearChanged});
  EXPECT_EQ(CurrentPage(), kPersonalPage);
  EXPECT_EQ(program.session.LastPageLeft, kAssumptionsPage);
  EXPECT_FALSE(program.session.PersonalPageRequested);
  // Everything parsed is stored; the ages are the personal page's business.
  EXPECT_EQ(plan.CurrentYear, 2007);
  EXPECT_EQ(plan.InflationRate, 3.25L);
  EXPECT_EQ(plan.Age1, age1);
}

TEST_F(AssumptionsPage, NegativeRatesInBothFormsAndTheirDisplay) {
  program.Type("Edit2", "(1.0)");
  program.Type("Edit7", "-1");
  program.Type("Edit11", "-0.35");
  Reopen();
  EXPECT_EQ(plan.InflationRate, -1.0L);
  EXPECT_EQ(plan.SalaryGrowth1, -1.0L);
  EXPECT_EQ(Text("Edit2"), "(-1.00)");
  EXPECT_EQ(Text("Edit7"), "(-1.00)");
  EXPECT_EQ(Text("Edit11"), "(-0.3)");
  EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(AssumptionsPage, PercentSignIsAnEntryError) {
  program.Type("Edit2", "2.5%");
  program.Type("Edit3", "7.5");
  program.Trigger("Graph1");
  EXPECT_EQ(CurrentPage(), kAssumptionsPage);
  EXPECT_EQ(Messages(), QStringList{kDataEntryError});
  EXPECT_EQ(plan.InflationRate, 2.5L);
  EXPECT_EQ(plan.MortgageRate, 7.5L);  // what parsed is stored all the same
}

TEST_F(AssumptionsPage, DefaultFillsTheBoxesButStoresNothingUntilValidated) {
  program.Trigger("axes1");
  plan.InflationRate = 4.0L;
  plan.RetirementReduction = 20.0L;
  plan.PensionCola2 = 1.25L;
  program.Open(kAssumptionsPage);
  ASSERT_EQ(Text("Edit2"), "4.00");
  program.Type("Edit1", "2009");
  program.Trigger("Default1");
  const QStringList expected = {"2005", "2.50", "6.00", "1.50", "1.50", "3.00",
                                "1.00", "1.00", "0.00", "0.00", "10.0"};
  for (int i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(program.Edit(QString("Edit%1").arg(i + 1))->text(), expected[i]) << i + 1;
  }
  EXPECT_EQ(plan.InflationRate, 4.0L);

  // Through the about box and back: the boxes are unchanged, the plan too.
  program.Trigger("About1");
  ASSERT_EQ(CurrentPage(), kAboutPage);
  program.window->ShowPageByNumber(program.session.LastPageLeft);
  ASSERT_EQ(CurrentPage(), kAssumptionsPage);
  EXPECT_EQ(Text("Edit2"), "2.50");
  EXPECT_EQ(plan.InflationRate, 4.0L);
  EXPECT_EQ(plan.PensionCola2, 1.25L);

  program.Trigger("Graph1");
  EXPECT_TRUE(Messages().isEmpty());
  EXPECT_EQ(plan.InflationRate, 2.5L);
  EXPECT_EQ(plan.RetirementReduction, 10.0L);
  EXPECT_EQ(plan.PensionCola2, 0.0L);
}

TEST_F(AssumptionsPage, YesWhileClosingKeepsThePageAndForgetsTheRequest) {
  program.scripted.prompts.answers = {PromptButton::Yes};
  program.Type("Edit1", "2008");
  program.window->close();
  EXPECT_EQ(CurrentPage(), kAssumptionsPage);
  EXPECT_FALSE(program.session.PersonalPageRequested);

  // A later, unrelated failure stays here rather than jumping to the personal page.
  program.Type("Edit3", "abc");
  program.Trigger("Plan1");
  EXPECT_EQ(CurrentPage(), kAssumptionsPage);
  EXPECT_EQ(program.scripted.prompts.shown.back().text, kDataEntryError);
}

TEST_F(AssumptionsPage, ClosingWithValidEntriesShowsTheGraphPage) {
  program.Type("Edit4", "2");
  program.window->close();
  EXPECT_EQ(CurrentPage(), kGraphPage);
  EXPECT_EQ(program.session.LastPageLeft, kAssumptionsPage);
  EXPECT_EQ(plan.RealEstateGrowth, 2.0L);
}

TEST_F(AssumptionsPage, MenuOfThePage) {
  auto* self = program.Current()->findChild<QAction*>("Assumptions1");
  ASSERT_NE(self, nullptr);
  EXPECT_EQ(self->text(), "&Assumptions");
  EXPECT_FALSE(self->isEnabled());
  auto* html = program.Current()->findChild<QAction*>("HelpHTM1");
  ASSERT_NE(html, nullptr);
  EXPECT_EQ(html->text(), "Help HT&M  (Vista)");
  program.Trigger("Help1");
  EXPECT_EQ(program.scripted.desktop.helpTopics, std::vector<int>{1400});
}

}  // namespace
