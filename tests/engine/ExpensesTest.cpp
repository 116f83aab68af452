#include <gtest/gtest.h>

#include <vector>

#include "engine/Expenses.h"
#include "engine/Money.h"
#include "EngineTestPlans.h"

namespace {

using enginetest::QuietPlan;
using enginetest::RunPlan;

TEST(CarReplacementTest, CyclesFollowYearsHadAndLeft) {
  PlanRecord plan = QuietPlan();
  plan.CarYearsHad1 = 3;
  plan.CarYearsLeft1 = 2;
  plan.CarReplaceCost1 = 100;
  plan.CarYearsHad2 = 0;
  plan.CarYearsLeft2 = 4;
  plan.CarReplaceCost2 = 10;
  std::vector<std::int64_t> costs;
  for (std::int64_t k = 1; k <= 12; ++k) costs.push_back(CarReplacementCost(plan, k));
  EXPECT_EQ(costs, (std::vector<std::int64_t>{0, 100, 10, 0, 0, 0, 110, 0, 0, 0, 10, 100}));
}

TEST(CarReplacementTest, CarWithBothPeriodsZeroIsNeverReplaced) {
  PlanRecord plan = QuietPlan();
  plan.CarReplaceCost1 = 100;
  for (std::int64_t k = 1; k <= 20; ++k) EXPECT_EQ(CarReplacementCost(plan, k), 0);
}

TEST(EducationCostTest, PaidFromStartYearUntilBeforeEndYear) {
  PlanRecord plan = QuietPlan();
  plan.EduStartYear1 = 2006;
  plan.EduEndYear1 = 2010;
  plan.EduCost1 = 10000;
  EXPECT_EQ(EducationCost(enginetest::FactorsOf(plan), 0), 0);
  EXPECT_EQ(EducationCost(enginetest::FactorsOf(plan), 1), 10250);
  EXPECT_EQ(EducationCost(enginetest::FactorsOf(plan), 4), RoundMoney(1.025L * 1.025L * 1.025L * 1.025L * 10000));
  EXPECT_EQ(EducationCost(enginetest::FactorsOf(plan), 5), 0);
}

TEST(RetirementReductionTest, SharesOfBothPersonsRetiringLater) {
  PlanRecord plan = QuietPlan();
  plan.Age2 = 38;
  plan.RetireAge1 = 45;
  plan.RetireAge2 = 48;
  EXPECT_EQ(RetirementExpenseFactor(plan, 4), 1.0L);
  EXPECT_EQ(RetirementExpenseFactor(plan, 5), 1.0L - 10.0L / 200.0L);
  EXPECT_EQ(RetirementExpenseFactor(plan, 10), 1.0L - 20.0L / 200.0L);
}

TEST(RetirementReductionTest, OneRetiredNowHalvedByTheirPension) {
  PlanRecord plan = QuietPlan();
  plan.Age2 = 38;
  plan.RetireAge1 = 40;
  plan.RetireAge2 = 45;
  EXPECT_EQ(RetirementExpenseFactor(plan, 6), 1.0L);
  EXPECT_EQ(RetirementExpenseFactor(plan, 7), 1.0L - 20.0L / 200.0L);
  plan.Pension1 = 1;
  EXPECT_EQ(RetirementExpenseFactor(plan, 7), 1.0L - 10.0L / 200.0L);
  // The mirror case: person 2 retired now, person 1 later.
  plan.RetireAge1 = 50;
  plan.RetireAge2 = 38;
  EXPECT_EQ(RetirementExpenseFactor(plan, 10), 1.0L - 20.0L / 200.0L);
  plan.Pension2 = 5;
  EXPECT_EQ(RetirementExpenseFactor(plan, 10), 1.0L - 10.0L / 200.0L);
}

TEST(RetirementReductionTest, NoReductionForRetiredHouseholdsOrOnePersonPlans) {
  PlanRecord plan = QuietPlan();  // Age2 15, RetireAge2 0
  plan.RetireAge1 = 45;
  EXPECT_EQ(RetirementExpenseFactor(plan, 30), 1.0L);
  plan.RetireAge1 = 40;
  plan.Age2 = 38;
  plan.RetireAge2 = 38;
  EXPECT_EQ(RetirementExpenseFactor(plan, 30), 1.0L);
  // A plan file with Age2 and RetireAge2 both 0 gets the full reduction.
  plan.RetireAge1 = 45;
  plan.Age2 = 0;
  plan.RetireAge2 = 0;
  EXPECT_EQ(RetirementExpenseFactor(plan, 5), 0.9L);
}

TEST(HomeCostsTest, ScaledFromTheMoveYear) {
  PlanRecord plan = QuietPlan();
  plan.HomeInsurance = 1000;
  plan.HomeUtilities = 2000;
  plan.HomeRepair = 500;
  plan.HomeSupplies = 300;
  plan.HomeMisc = 201;
  plan.YearsToMove = 3;
  ForecastTable table;
  plan.HomeStatus = 3;
  AdjustHomeCosts(plan, table, 2);
  EXPECT_EQ(table.work.HomeCostsA, 3000);
  EXPECT_EQ(table.work.HomeCostsB, 1001);
  AdjustHomeCosts(plan, table, 3);
  EXPECT_EQ(table.work.HomeCostsA, 3900);
  EXPECT_EQ(table.work.HomeCostsB, 1301);  // 1301.3
  plan.HomeStatus = 4;
  plan.HomeValue = 200000;
  plan.NewHomePrice = 400000;
  AdjustHomeCosts(plan, table, 3);
  EXPECT_EQ(table.work.HomeCostsA, 6000);
  EXPECT_EQ(table.work.HomeCostsB, 2002);
  plan.NewHomePrice = 300000;
  AdjustHomeCosts(plan, table, 3);
  EXPECT_EQ(table.work.HomeCostsB, 1502);  // 1501.5 rounds to even
  plan.HomeStatus = 5;
  plan.AnnualRent = 0;
  AdjustHomeCosts(plan, table, 3);
  EXPECT_EQ(table.work.HomeCostsA, 3000);
  plan.AnnualRent = 9000;
  AdjustHomeCosts(plan, table, 3);
  EXPECT_EQ(table.work.HomeCostsA, 2308);  // 2307.69
  EXPECT_EQ(table.work.HomeCostsB, 770);
}

TEST(HomeCostsTest, HugeNewPriceSaturatesInsteadOfWrapping) {
  PlanRecord plan = QuietPlan();
  plan.HomeStatus = 4;
  plan.HomeValue = 1;
  plan.NewHomePrice = INT64_MAX / 2;
  plan.HomeInsurance = 1000;
  ForecastTable table;
  AdjustHomeCosts(plan, table, 1);
  EXPECT_EQ(table.work.HomeCostsA, INT64_MAX);
}

// A household with every kind of expense; year 2 is checked term by term.
TEST(ComputeExpensesTest, YearTwoTermByTerm) {
  PlanRecord plan = QuietPlan();
  plan.TaxableBalance = 10000000;
  plan.AnnualRent = 12000;
  plan.HomeUtilities = 1000;
  plan.HomeRepair = 400;
  plan.MedicalTotal = 3000;
  plan.FoodTotal = 5000;
  plan.OtherAnnualTotal = 600;
  plan.OtherTotal = 5600;
  plan.AutoFuel = 1000;
  plan.CarYearsHad1 = 4;
  plan.CarYearsLeft1 = 1;
  plan.CarReplaceCost1 = 20000;
  plan.EventYear1 = 2005;
  plan.EventAmount1 = 5000;
  plan.EventYear2 = 2006;
  plan.EventAmount2 = 7000;
  plan.EduStartYear1 = 2005;
  plan.EduEndYear1 = 2007;
  plan.EduCost1 = 8000;
  const ForecastTable table = RunPlan(plan);
  const YearRecord& first = table.Year(1);
  // Year 1: cars only when years left is 0; events through OtherTotal.
  EXPECT_EQ(first.Expenses, 8000 + 12000 + 1000 + 1000 + 400 + 5000 + 5600 + 3000);
  const YearRecord& year = table.Year(2);
  const std::int64_t reducible = 5000 + 600 + 1000 + 20000 + 400;
  const std::int64_t living = RoundMoney(1.025L * (reducible + 3000 + 12000 + 1000 + 7000));
  EXPECT_EQ(year.Expenses, year.IncomeTaxes + 8200 + living);
  // The event of the current year never counts again.
  const std::int64_t living3 = RoundMoney(1.025L * 1.025L * (5000 + 600 + 1000 + 400 + 3000 + 12000 + 1000));
  EXPECT_EQ(table.Year(3).Expenses, table.Year(3).IncomeTaxes + living3);
}

TEST(ComputeExpensesTest, FirstYearCarsTwoAndThreeNeedYearsHad) {
  PlanRecord plan = QuietPlan();
  plan.TaxableBalance = 1000000;
  plan.CarReplaceCost1 = 100;
  plan.CarReplaceCost2 = 20;
  plan.CarReplaceCost3 = 3;
  plan.CarYearsHad3 = 5;
  EXPECT_EQ(RunPlan(plan).Year(1).Expenses, 103);
}

TEST(ComputeExpensesTest, RetirementLowersOnlyDiscretionaryCosts) {
  PlanRecord plan = QuietPlan();
  plan.TaxableBalance = 10000000;
  plan.RetireAge1 = 41;
  plan.Age2 = 0;
  plan.RetireAge2 = 0;
  plan.FoodTotal = 10000;
  plan.MedicalTotal = 4000;
  const ForecastTable table = RunPlan(plan);
  EXPECT_EQ(table.Year(2).Expenses - table.Year(2).IncomeTaxes, RoundMoney(1.025L * (9000 + 4000)));
}

}  // namespace
