#include <gtest/gtest.h>

#include "model/PlanWorkingValues.h"
#include "model/SamplePlan.h"
#include "PlanTestSupport.h"

namespace {

TEST(SamplePlanTest, ResetGivesTheTwoPersonSample) {
  PlanRecord plan = plantest::EveryFieldSet();
  ResetPlan(plan, 2031);
  EXPECT_EQ(plan.PlanFileName, "JohnSmith.plan");
  EXPECT_TRUE(plan.SecondPerson);
  EXPECT_EQ(plan.Name1, "John Smith");
  EXPECT_EQ(plan.Age1, 30);
  EXPECT_EQ(plan.Name2, "Mary Smith");
  EXPECT_EQ(plan.Age2, 28);
  EXPECT_EQ(plan.FilingStatus, 2);
  EXPECT_EQ(plan.HomeStatus, 1);
  EXPECT_EQ(plan.YearsToMove, 1);
  EXPECT_EQ(plan.RetireAge1, 0);
  EXPECT_EQ(plan.HomeValue, 0);
  EXPECT_EQ(plan.ExpenseTotal, 0);
  EXPECT_EQ(plan.OtherAnnualTotal, 0);
  for (std::int32_t year : {plan.CurrentYear, plan.EduStartYear1, plan.EduEndYear1, plan.EduStartYear2,
                            plan.EduEndYear2, plan.EduStartYear3, plan.EduEndYear3}) {
    EXPECT_EQ(year, 2031);
  }
  for (std::int64_t year : {plan.EventYear1, plan.EventYear2, plan.EventYear3, plan.EventYear4, plan.EventYear5}) {
    EXPECT_EQ(year, 2031);
  }
  EXPECT_EQ(plan.InflationRate, 2.5L);
  EXPECT_EQ(plan.MortgageRate, 6.0L);
  EXPECT_EQ(plan.TaxDeferredReturn, 3.0L);
  EXPECT_EQ(plan.PensionCola2, 0.0L);
  EXPECT_EQ(plan.RetirementReduction, 10.0L);
  EXPECT_EQ(plan.OtherTitle5, "Other Annual Expense #5");
  EXPECT_EQ(plan.EventTitle1, "One Time Special Event #1");
  EXPECT_EQ(plan.EventTitle5, "One Time Special Event #5");
}

TEST(SamplePlanTest, StartRecordDiffersFromResetOnlyInYearsAndEventTitles) {
  PlanRecord start;
  EXPECT_EQ(start.CurrentYear, 2005);
  EXPECT_EQ(start.EduEndYear3, 2005);
  EXPECT_EQ(start.EventYear1, 0);
  EXPECT_EQ(start.EventTitle2, "One Time Event #2");

  PlanRecord reset;
  ResetPlan(reset, 2005);
  reset.EventYear1 = reset.EventYear2 = reset.EventYear3 = reset.EventYear4 = reset.EventYear5 = 0;
  reset.EventTitle2 = "One Time Event #2";
  reset.EventTitle3 = "One Time Event #3";
  reset.EventTitle4 = "One Time Event #4";
  reset.EventTitle5 = "One Time Event #5";
  EXPECT_TRUE(reset == start) << plantest::FirstDifference(reset, start);
}

TEST(SamplePlanTest, ClockYearIsPlausible) {
  EXPECT_GE(ClockYear(), 2024);
  EXPECT_LT(ClockYear(), 2200);
}

TEST(SamplePlanTest, WorkingValuesResetOnlyTheHomeTexts) {
  PlanWorkingValues values;
  values.PlanFolder = "/opt/prevora/";
  values.PreviousYear = 2030;
  values.HomeEditTexts[0] = "$250,000";
  values.HomeEditTexts[4] = "3";
  ResetWorkingValues(values);
  EXPECT_EQ(values.PlanFolder, "/opt/prevora/");
  EXPECT_EQ(values.PreviousYear, 2030);
  const std::array<std::string, 9> expected = {"$0", "$0", "$0", "0", "1", "$0", "$0", "$0", "$0"};
  EXPECT_EQ(values.HomeEditTexts, expected);
}

}  // namespace
