#include <gtest/gtest.h>

#include <QRadioButton>
#include <cstring>

#include "engine/Forecast.h"
#include "model/PlanFile.h"
#include "shell/RuleSettings.h"
#include "support/DataPageFixture.h"

namespace {

constexpr const char* kDataEntryError = "Data entry error please correct.";
constexpr const char* kYearTooEarly = "Calendar year can not be less than 2005.";
constexpr const char* kYearChanged =
    "You have changed the current year. This\r\nmay have affected the current ages on\r\nthe personal page. Would "
    "you like to revise\r\nthem now?";

class AssumptionsPage : public DataPageFixture {
 protected:
  AssumptionsPage() {
    plan.CurrentYear = 2005;
    OpenPage(PageId::Assumptions);
  }

  // Leaves and comes back, so the boxes show the plan again.
  void Reopen() {
    program.LeaveFor(PageId::Taxes);
    ASSERT_EQ(CurrentPage(), PageId::Taxes);
    program.Open(PageId::Assumptions);
    ASSERT_EQ(CurrentPage(), PageId::Assumptions);
  }
};

TEST_F(AssumptionsPage, FillShowsYearAndRatesInTheirFormats) {
  EXPECT_EQ(Text("CurrentYear"), "2005");
  EXPECT_EQ(Text("InflationRate"), "2.50");
  EXPECT_EQ(Text("TaxDeferredReturn"), "3.00");
  EXPECT_EQ(Text("RetirementReduction"), "10.0");
  EXPECT_EQ(program.CaptionText(), "Assumptions Page [ JohnSmith ]");
  EXPECT_EQ(program.session.working.PreviousYear, 2005);
}

TEST_F(AssumptionsPage, YearChecks) {
  program.Type(&PlanRecord::CurrentYear, "2004");
  program.LeaveFor(PageId::Graph);
  EXPECT_EQ(CurrentPage(), PageId::Assumptions);
  EXPECT_EQ(Messages(), QStringList{kYearTooEarly});

  program.scripted.prompts.Clear();
  program.Type(&PlanRecord::CurrentYear, "");
  program.LeaveFor(PageId::Graph);
  EXPECT_EQ(Messages(), QStringList{kYearTooEarly});

  program.scripted.prompts.Clear();
  program.Type(&PlanRecord::CurrentYear, "2005");
  program.LeaveFor(PageId::Graph);
  EXPECT_EQ(CurrentPage(), PageId::Graph);
  EXPECT_TRUE(Messages().isEmpty());
  EXPECT_EQ(plan.CurrentYear, 2005);
}

TEST_F(AssumptionsPage, GroupedYearIsReadAsAWholeNumber) {
  program.scripted.prompts.answers = {PromptButton::No};
  program.Type(&PlanRecord::CurrentYear, "2,006");
  program.LeaveFor(PageId::Graph);
  EXPECT_EQ(plan.CurrentYear, 2006);
  EXPECT_EQ(CurrentPage(), PageId::Graph);
}

TEST_F(AssumptionsPage, YearChangeAnsweredNoGoesWhereChosen) {
  program.scripted.prompts.answers = {PromptButton::No};
  program.Type(&PlanRecord::CurrentYear, "2007");
  program.LeaveFor(PageId::Graph);
  ASSERT_EQ(program.scripted.prompts.shown.size(), 1u);
  EXPECT_EQ(program.scripted.prompts.shown[0].kind, ShownPrompt::Question);
  EXPECT_EQ(program.scripted.prompts.shown[0].text, kYearChanged);
  EXPECT_EQ(CurrentPage(), PageId::Graph);
  EXPECT_EQ(plan.CurrentYear, 2007);
}

TEST_F(AssumptionsPage, YearChangeAnsweredYesGoesToThePersonalPage) {
  const std::int32_t age1 = plan.Age1;
  program.scripted.prompts.answers = {PromptButton::Yes};
  program.Type(&PlanRecord::CurrentYear, "2007");
  program.Type(&PlanRecord::InflationRate, "3.25");
  program.LeaveFor(PageId::Graph);
  EXPECT_EQ(Messages(), QStringList{kYearChanged});
  EXPECT_EQ(CurrentPage(), PageId::Personal);
  EXPECT_EQ(program.session.LastPageLeft, PageId::Assumptions);
  // Everything parsed is stored; the ages are the personal page's business.
  EXPECT_EQ(plan.CurrentYear, 2007);
  EXPECT_EQ(plan.InflationRate, 3.25L);
  EXPECT_EQ(plan.Age1, age1);

  // The detour is not remembered: a later failure keeps the page.
  program.Open(PageId::Assumptions);
  program.Type(&PlanRecord::MortgageRate, "abc");
  program.LeaveFor(PageId::PlanTable);
  EXPECT_EQ(CurrentPage(), PageId::Assumptions);
}

TEST_F(AssumptionsPage, NegativeRatesInBothFormsAndTheirDisplay) {
  program.Type(&PlanRecord::InflationRate, "(1.0)");
  program.Type(&PlanRecord::SalaryGrowth1, "-1");
  program.Type(&PlanRecord::RetirementReduction, "-0.35");
  Reopen();
  EXPECT_EQ(plan.InflationRate, -1.0L);
  EXPECT_EQ(plan.SalaryGrowth1, -1.0L);
  EXPECT_EQ(Text("InflationRate"), "(-1.00)");
  EXPECT_EQ(Text("SalaryGrowth1"), "(-1.00)");
  EXPECT_EQ(Text("RetirementReduction"), "(-0.3)");
  EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(AssumptionsPage, PercentSignIsAnEntryError) {
  program.Type(&PlanRecord::InflationRate, "2.5%");
  program.Type(&PlanRecord::MortgageRate, "7.5");
  program.LeaveFor(PageId::Graph);
  EXPECT_EQ(CurrentPage(), PageId::Assumptions);
  EXPECT_EQ(MessageFirstLines(), QStringList{kDataEntryError});
  EXPECT_EQ(plan.InflationRate, 2.5L);
  EXPECT_EQ(plan.MortgageRate, 7.5L);  // what parsed is stored all the same
}

TEST_F(AssumptionsPage, DefaultFillsTheBoxesButStoresNothingUntilValidated) {
  program.LeaveFor(PageId::Taxes);
  plan.InflationRate = 4.0L;
  plan.RetirementReduction = 20.0L;
  plan.PensionCola2 = 1.25L;
  program.Open(PageId::Assumptions);
  ASSERT_EQ(Text("InflationRate"), "4.00");
  program.Type(&PlanRecord::CurrentYear, "2009");
  program.Type(&PlanRecord::InflationRate, "3.75");
  // Every rate goes at once: a No keeps what was typed.
  program.scripted.prompts.answers = {PromptButton::No};
  program.Run(Command::Default);
  ASSERT_EQ(program.scripted.prompts.shown.size(), 1u);
  EXPECT_EQ(program.scripted.prompts.shown[0].kind, ShownPrompt::Question);
  EXPECT_EQ(Text("InflationRate"), "3.75");
  program.scripted.prompts.answers = {PromptButton::Yes};
  program.Run(Command::Default);
  program.scripted.prompts.Clear();
  const QStringList expected = {"2005", "2.50", "6.00", "1.50", "1.50", "3.00", "1.00", "1.00", "0.00", "0.00", "10.0"};
  const QStringList boxes = {"CurrentYear",   "InflationRate",     "MortgageRate",       "RealEstateGrowth",
                             "TaxableReturn", "TaxDeferredReturn", "SalaryGrowth1",      "SalaryGrowth2",
                             "PensionCola1",  "PensionCola2",      "RetirementReduction"};
  for (int i = 0; i < expected.size(); ++i)
    EXPECT_EQ(program.Edit(boxes[i])->text(), expected[i]) << boxes[i].toStdString();
  EXPECT_EQ(plan.InflationRate, 4.0L);

  // Through the about box and back: the boxes are unchanged, the plan too.
  program.Run(Command::About);
  ASSERT_EQ(CurrentPage(), PageId::About);
  program.window->ShowPageAsLeft(program.session.LastPageLeft);
  ASSERT_EQ(CurrentPage(), PageId::Assumptions);
  EXPECT_EQ(Text("InflationRate"), "2.50");
  EXPECT_EQ(plan.InflationRate, 4.0L);
  EXPECT_EQ(plan.PensionCola2, 1.25L);

  program.LeaveFor(PageId::Graph);
  EXPECT_TRUE(Messages().isEmpty());
  EXPECT_EQ(plan.InflationRate, 2.5L);
  EXPECT_EQ(plan.RetirementReduction, 10.0L);
  EXPECT_EQ(plan.PensionCola2, 0.0L);
}

// Rates with more decimals than the boxes show survive a visit untouched and
// unmarked; a box typed over is stored as typed.
TEST_F(AssumptionsPage, VisitWithoutTypingChangesNothing) {
  program.LeaveFor(PageId::Taxes);
  plan.RetirementReduction = 14.87L;
  plan.InflationRate = 2.175L;
  program.session.saved.Remember(plan);
  program.Open(PageId::Assumptions);
  ASSERT_EQ(Text("RetirementReduction"), "14.9");
  program.LeaveFor(PageId::Graph);
  ASSERT_EQ(CurrentPage(), PageId::Graph);
  EXPECT_EQ(plan.RetirementReduction, 14.87L);
  EXPECT_EQ(plan.InflationRate, 2.175L);
  EXPECT_FALSE(program.session.IsModified());
  program.Open(PageId::Assumptions);
  program.Type(&PlanRecord::RetirementReduction, "14.8");
  program.LeaveFor(PageId::Graph);
  EXPECT_EQ(plan.RetirementReduction, 14.8L);
}

TEST_F(AssumptionsPage, YesWhileClosingKeepsThePageAndForgetsTheRequest) {
  program.scripted.prompts.answers = {PromptButton::Yes};
  program.Type(&PlanRecord::CurrentYear, "2008");
  program.window->close();
  EXPECT_EQ(CurrentPage(), PageId::Assumptions);

  // A later, unrelated failure stays here rather than jumping to the personal page.
  program.Type(&PlanRecord::MortgageRate, "abc");
  program.LeaveFor(PageId::PlanTable);
  EXPECT_EQ(CurrentPage(), PageId::Assumptions);
  EXPECT_EQ(program.scripted.prompts.shown.back().text.section('\n', 0, 0), kDataEntryError);
}

TEST_F(AssumptionsPage, ClosingWithValidEntriesShowsTheGraphPage) {
  program.Type(&PlanRecord::RealEstateGrowth, "2");
  program.window->close();
  EXPECT_EQ(CurrentPage(), PageId::Graph);
  EXPECT_EQ(program.session.LastPageLeft, PageId::Assumptions);
  EXPECT_EQ(plan.RealEstateGrowth, 2.0L);
}

TEST_F(AssumptionsPage, MenuOfThePage) {
  auto* self = program.Current()->findChild<QAction*>("Assumptions");
  ASSERT_NE(self, nullptr);
  EXPECT_EQ(self->text(), "&Assumptions");
  EXPECT_FALSE(self->isEnabled());
  auto* html = program.Current()->findChild<QAction*>("UserGuide");
  ASSERT_NE(html, nullptr);
  EXPECT_EQ(html->text(), "&User Guide");
  program.Trigger("HelpTopics");
  EXPECT_EQ(program.scripted.desktop.helpTopics, std::vector<int>{1400});
}

// What the years before the current year take is a program setting beside the
// rates: choosing it reruns the forecast at once, is remembered for the next
// start, and leaves the plan (and so its file) as it was.
TEST(AssumptionsPastInflation, ChoiceRerunsTheForecastIsRememberedAndLeavesThePlanAlone) {
  TestProgram program;
  Session& session = program.session;
  ASSERT_TRUE(ReadPlanFile(session.plan, PREVORA_TEST_DATA "/../../resources/Double.plan").ok);
  // The first design's tax curve indexes from 2005, so the past shows in every year.
  session.Rules.taxes = TaxRules::Curve;
  session.RunForecastForView();
  session.saved.Remember(session.plan);
  const ForecastTable recordedTable = session.table;
  program.Open(PageId::Assumptions);
  auto* recorded = program.Current()->findChild<QRadioButton*>("PastInflationRecorded");
  auto* planRate = program.Current()->findChild<QRadioButton*>("PastInflationPlan");
  ASSERT_TRUE(recorded && planRate);
  EXPECT_TRUE(recorded->isChecked());
  EXPECT_EQ(planRate->accessibleName(), "Years before 2026: this plan's inflation rate");
  EXPECT_FALSE(planRate->toolTip().isEmpty());
  EXPECT_TRUE(recorded->focusPolicy() & Qt::TabFocus);

  session.odds.Store(session.plan, {YearBands{}});
  planRate->click();
  EXPECT_EQ(session.Rules.past, PastInflationRule::Plan);
  EXPECT_FALSE(session.odds.HasResult());
  EXPECT_EQ(program.scripted.settings.Text(kPastInflationKey), "plan");
  EXPECT_NE(std::memcmp(&session.table.rows, &recordedTable.rows, sizeof recordedTable.rows), 0);
  const ForecastTable planTable =
      ForecastInView(session.plan, PlanRatePath(session.plan, {PastInflationRule::Plan, TaxRules::Curve}), session.CurrentDollars).table;
  EXPECT_EQ(std::memcmp(&session.table.rows, &planTable.rows, sizeof planTable.rows), 0);
  EXPECT_FALSE(session.IsModified());
  EXPECT_FALSE(program.window->isWindowModified());

  recorded->click();
  EXPECT_EQ(LoadForecastRules(program.scripted.settings).past, PastInflationRule::Recorded);
  EXPECT_EQ(std::memcmp(&session.table.rows, &recordedTable.rows, sizeof recordedTable.rows), 0);
}

}  // namespace
