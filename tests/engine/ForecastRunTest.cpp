#include <gtest/gtest.h>

#include "engine/Forecast.h"
#include "EngineTestPlans.h"

namespace {

using enginetest::QuietPlan;
using enginetest::RunPlan;

// One person of 60, working until 62 on 50,000, renting at 12,000, food
// 20,000, 10,000 taxable and 100,000 tax-deferred. Every figure below was
// worked out by hand from the model's rules.
PlanRecord HandCheckedPlan() {
  PlanRecord plan = QuietPlan();
  plan.Age1 = 60;
  plan.Salary1 = 50000;
  plan.EmploymentStartAge1 = 60;
  plan.RetireAge1 = 62;
  plan.TaxableBalance = 10000;
  plan.TaxDeferredBalance = 100000;
  plan.FederalTax1 = 5000;
  plan.StateTax1 = 1000;
  plan.Groceries = plan.FoodTotal = 20000;
  plan.AnnualRent = plan.HomeMortgageOrRent = 12000;
  return plan;
}

void ExpectYear(const YearRecord& y, std::int64_t netWorth, std::int64_t deferred, std::int64_t taxable,
                std::int64_t expenses, std::int64_t taxes, std::int64_t income, std::int64_t salaries,
                std::int64_t investReturn, std::int64_t distribution) {
  EXPECT_EQ(y.NetWorth, netWorth);
  EXPECT_EQ(y.TaxDeferred, deferred);
  EXPECT_EQ(y.TaxableInvest, taxable);
  EXPECT_EQ(y.Expenses, expenses);
  EXPECT_EQ(y.IncomeTaxes, taxes);
  EXPECT_EQ(y.Income, income);
  EXPECT_EQ(y.Salaries, salaries);
  EXPECT_EQ(y.InvestReturn, investReturn);
  EXPECT_EQ(y.Distribution, distribution);
}

TEST(ForecastRunTest, HandCheckedYears) {
  PlanRecord plan = HandCheckedPlan();
  const ForecastTable table = RunPlan(plan);
  // Year 1: taxes from the taxes page's total, 5000 + 1000 + 3100 + 725.
  ExpectYear(table.Year(1), 110000, 100000, 10000, 41825, 9825, 50400, 50000, 400, 0);
  EXPECT_EQ(table.Year(1).TaxableWithdrawal, -8575);
  // Year 2: salary 51750; gross 52122 less 6047.5 and 3177.5 gives w = 42897,
  // federal 7240.55 x 1.2 = 8689, FICA 3208 + 750; living 1.025 x 32000.
  ExpectYear(table.Year(2), 124075, 105500, 18575, 45447, 12647, 52493, 51750, 743, 0);
  EXPECT_EQ(table.Year(2).TaxableWithdrawal, -7046);
  // Year 3: retired; 111302.5 rounds to even; the return alone is untaxed.
  ExpectYear(table.Year(3), 136923, 111302, 25621, 33620, 0, 1025, 0, 1025, 0);
  // Year 3's need of 32595 empties the taxable account; at 62 the rest, 6974,
  // comes from the tax-deferred account and is year 4's distribution.
  EXPECT_EQ(table.Year(3).TaxableWithdrawal, 25621);
  EXPECT_EQ(table.Year(3).DeferredWithdrawal, 6974);
  ExpectYear(table.Year(4), 110450, 110450, 0, 34460, 0, 6974, 0, 0, 6974);
  EXPECT_EQ(table.Year(31).TaxableWithdrawal, 0);  // the last row's need is never resolved
  EXPECT_EQ(table.Year(31).DeferredWithdrawal, 0);
}

TEST(ForecastRunTest, RowsRunFromAge1ToNinety) {
  PlanRecord plan = HandCheckedPlan();
  plan.Age1 = 90;
  EXPECT_EQ(RowCount(plan), 1);
  ForecastTable table = RunPlan(plan);
  EXPECT_EQ(table.Year(1).TaxableInvest, 10000);
  EXPECT_EQ(table.Year(2).TaxableInvest, 0);
  plan.Age1 = 15;
  EXPECT_EQ(RowCount(plan), 76);
  table = RunPlan(plan);
  EXPECT_NE(table.Year(76).NetWorth, 0);
  EXPECT_EQ(table.Year(77).NetWorth, 0);
}

TEST(ForecastRunTest, RowCountHeldToTheTable) {
  PlanRecord plan = QuietPlan();
  for (const std::int32_t age : {91, 1000, INT32_MAX}) {
    plan.Age1 = age;
    EXPECT_EQ(RowCount(plan), 0) << age;
  }
  for (const std::int32_t age : {10, 0, -5, INT32_MIN}) {
    plan.Age1 = age;
    EXPECT_EQ(RowCount(plan), 80) << age;
    plan.TaxableBalance = 1000;
    const ForecastTable table = RunPlan(plan);
    EXPECT_NE(table.Year(80).TaxableInvest, 0);
  }
}

TEST(ForecastRunTest, ContributionsFollowLastYearsSalary) {
  PlanRecord plan = QuietPlan();
  plan.TaxableBalance = 10000000;
  plan.Salary1 = 10000;
  plan.EmploymentStartAge1 = 41;
  plan.RetireAge1 = 43;
  plan.DeferredContribution1 = 1000;
  plan.TaxDeferredReturn = -2.5L;  // no growth: the balance shows the contributions alone
  const ForecastTable table = RunPlan(plan);
  EXPECT_EQ(table.Year(2).TaxDeferred, 0);     // last year's factor was 0
  EXPECT_EQ(table.Year(3).TaxDeferred, 1025);  // salary started in year 2
  EXPECT_EQ(table.Year(4).TaxDeferred, 1025);  // 43 is the retirement age
  EXPECT_EQ(table.Year(4).Salaries, 0);
}

TEST(ForecastRunTest, NoSalaryOrContributionWithoutFutureRetirementAge) {
  PlanRecord plan = QuietPlan();
  plan.Salary1 = 10000;
  plan.EmploymentStartAge1 = 40;
  plan.DeferredContribution1 = 1000;
  plan.TaxDeferredBalance = 5;
  for (const std::int32_t retire : {0, 40, 30}) {
    plan.RetireAge1 = retire;
    const ForecastTable table = RunPlan(plan);
    for (int a = 1; a <= 5; ++a) EXPECT_EQ(table.Year(a).Salaries, 0);
    EXPECT_LE(table.Year(3).TaxDeferred, 6);
  }
}

TEST(ForecastRunTest, PensionAndSocialSecurityEnterIncome) {
  PlanRecord plan = QuietPlan();
  plan.TaxableBalance = 10000000;
  plan.Pension1 = 10000;
  plan.PensionAge1 = 40;
  plan.PensionCola1 = 1.0L;
  plan.SocialSecurity2 = 8000;
  plan.SocialSecurityAge2 = 16;  // person 2 (15) draws from next year
  const ForecastTable table = RunPlan(plan);
  EXPECT_EQ(table.Year(1).Pensions, 10000);
  EXPECT_EQ(table.Year(2).Pensions, 10100);
  EXPECT_EQ(table.Year(1).SocialSecurity, 0);
  EXPECT_EQ(table.Year(2).SocialSecurity, 8200);
  const YearRecord& y = table.Year(2);
  EXPECT_EQ(y.Income, y.Salaries + y.Pensions + y.SocialSecurity + y.InvestReturn + y.Distribution);
  EXPECT_EQ(y.NetWorth, y.TaxDeferred + y.TaxableInvest + y.HomeEquity - y.OtherDebt);
}

TEST(ForecastRunTest, RunIsRepeatable) {
  PlanRecord plan = HandCheckedPlan();
  plan.HomeStatus = 2;
  plan.HomeValue = 100000;
  plan.MortgageBalance = 90000;
  plan.MortgageYears = 10;
  const ForecastTable first = RunPlan(plan);
  ForecastTable second;
  second.Year(5).NetWorth = 123;
  RunForecast(plan, second);
  for (int a = 1; a <= kForecastRows; ++a) {
    EXPECT_EQ(first.Year(a).NetWorth, second.Year(a).NetWorth);
    EXPECT_EQ(first.Year(a).Mortgage, second.Year(a).Mortgage);
  }
}

}  // namespace
