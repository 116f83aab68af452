#include <gtest/gtest.h>

#include <cmath>

#include "engine/Factors.h"
#include "engine/Money.h"
#include "engine/PageTotals.h"
#include "EngineTestPlans.h"

namespace {

using enginetest::QuietPlan;

TEST(InflationTest, IndexIsOneWithoutPositiveInflationOrYears) {
  PlanRecord plan = QuietPlan();
  EXPECT_EQ(InflationIndex(plan, 0), 1.0L);
  EXPECT_EQ(InflationIndex(plan, -3), 1.0L);
  EXPECT_EQ(InflationIndex(plan, 2), 1.025L * 1.025L);
  plan.InflationRate = -2.0L;
  EXPECT_EQ(InflationIndex(plan, 10), 1.0L);
  EXPECT_EQ(InflationFactor(plan), 0.98L);
  // Growth factors still add a negative inflation rate.
  EXPECT_EQ(DeferredGrowthFactor(plan), 1.0L + 1.0L / 100.0L);
  plan.InflationRate = 0.0L;
  EXPECT_EQ(InflationIndex(plan, 10), 1.0L);
}

TEST(AnnuityTest, LevelPaymentsOfKnownLoans) {
  PlanRecord plan = QuietPlan();
  EXPECT_EQ(RoundMoney(AnnuityFactor(plan, 5) * 10000), 2374);
  EXPECT_EQ(RoundMoney(AnnuityFactor(plan, 30) * 200000), 14530);
  EXPECT_EQ(AnnuityFactor(plan, 0), 1.0L);
  EXPECT_EQ(AnnuityFactor(plan, -4), 1.0L);
  EXPECT_EQ(plan.MortgageRate, 6.0L);
}

TEST(AnnuityTest, RateThatIsNotPositiveIsRaisedInThePlan) {
  for (const long double rate : {0.0L, -3.0L}) {
    PlanRecord plan = QuietPlan();
    plan.MortgageRate = rate;
    // The floor applies even when the whole balance is due at once.
    EXPECT_EQ(AnnuityFactor(plan, 0), 1.0L);
    EXPECT_EQ(plan.MortgageRate, 0.0001L);
    // Almost interest-free: about a tenth of the loan per year over 10 years.
    EXPECT_EQ(RoundMoney(AnnuityFactor(plan, 10) * 100000), 10000);
  }
}

TEST(AnnuityTest, ForecastRunRaisesZeroMortgageRate) {
  PlanRecord plan = QuietPlan();
  plan.MortgageRate = 0.0L;
  enginetest::RunPlan(plan);
  EXPECT_EQ(plan.MortgageRate, 0.0001L);
}

TEST(PersonFactorTest, SalaryPaidFromStartUntilRetirement) {
  PlanRecord plan = QuietPlan();
  plan.EmploymentStartAge1 = 40;
  plan.RetireAge1 = 43;
  EXPECT_EQ(enginetest::FactorsOf(plan).Salary(0, 1), 1.0L);
  EXPECT_EQ(enginetest::FactorsOf(plan).Salary(0, 2), 1.035L);
  EXPECT_EQ(enginetest::FactorsOf(plan).Salary(0, 3), std::pow(1.035L, 2.0L));
  EXPECT_EQ(enginetest::FactorsOf(plan).Salary(0, 4), 0.0L);
  // A later start keeps the entered salary's current-dollar value until then.
  plan.EmploymentStartAge1 = 42;
  EXPECT_EQ(enginetest::FactorsOf(plan).Salary(0, 2), 0.0L);
  EXPECT_EQ(enginetest::FactorsOf(plan).Salary(0, 3), std::pow(1.025L, 2.0L));
  // A start in the past gives a negative exponent.
  plan.EmploymentStartAge1 = 38;
  EXPECT_EQ(enginetest::FactorsOf(plan).Salary(0, 1), std::pow(1.025L, -2.0L) * std::pow(1.035L, 2.0L));
  plan.RetireAge1 = 0;
  EXPECT_EQ(enginetest::FactorsOf(plan).Salary(0, 1), 0.0L);
}

TEST(PersonFactorTest, SecondPersonUsesOwnAgesAndGrowth) {
  PlanRecord plan = QuietPlan();
  plan.Age2 = 30;
  plan.EmploymentStartAge2 = 30;
  plan.RetireAge2 = 65;
  plan.SalaryGrowth2 = 2.0L;
  EXPECT_EQ(enginetest::FactorsOf(plan).Salary(1, 3), std::pow(1.045L, 2.0L));
  EXPECT_EQ(enginetest::FactorsOf(plan).Salary(0, 3), 0.0L);
}

TEST(PersonFactorTest, PensionGrowsByColaOnlyAfterStart) {
  PlanRecord plan = QuietPlan();
  plan.PensionAge1 = 40;
  plan.PensionCola1 = 2.0L;
  EXPECT_EQ(enginetest::FactorsOf(plan).Pension(0, 1), 1.0L);
  EXPECT_EQ(enginetest::FactorsOf(plan).Pension(0, 3), std::pow(1.02L, 2.0L));
  plan.PensionAge1 = 45;
  plan.PensionCola1 = 0.0L;
  EXPECT_EQ(enginetest::FactorsOf(plan).Pension(0, 5), 0.0L);
  EXPECT_EQ(enginetest::FactorsOf(plan).Pension(0, 6), std::pow(1.025L, 5.0L));
  EXPECT_EQ(enginetest::FactorsOf(plan).Pension(0, 9), std::pow(1.025L, 5.0L));
  plan.Age2 = 50;
  plan.PensionAge2 = 52;
  EXPECT_EQ(enginetest::FactorsOf(plan).Pension(1, 3), std::pow(1.025L, 2.0L));
}

TEST(PersonFactorTest, SocialSecurityKeepsFullIndexingFromToday) {
  PlanRecord plan = QuietPlan();
  plan.SocialSecurityAge1 = 42;
  EXPECT_EQ(enginetest::FactorsOf(plan).Benefit(0, 2), 0.0L);
  EXPECT_EQ(enginetest::FactorsOf(plan).Benefit(0, 3), std::pow(1.025L, 2.0L));
  plan.SocialSecurityAge2 = 0;
  EXPECT_EQ(enginetest::FactorsOf(plan).Benefit(1, 1), 1.0L);
  // Negative inflation deflates benefits (the factor, unlike the index, has any sign).
  plan.InflationRate = -1.0L;
  EXPECT_EQ(enginetest::FactorsOf(plan).Benefit(1, 3), std::pow(0.99L, 2.0L));
}

TEST(RequiredDistributionTest, StartsAtSeventyOneOnLastYearsBalance) {
  PlanRecord plan = QuietPlan();
  plan.Age1 = 69;
  ForecastTable table;
  table.Year(1).TaxDeferred = 256000;
  table.Year(2).TaxDeferred = 100000;
  table.Year(3).TaxDeferred = 200000;
  EXPECT_EQ(RequiredDistribution(plan, TaxRules::Curve, table, 1), 0);
  EXPECT_EQ(RequiredDistribution(plan, TaxRules::Curve, table, 2), 0);
  EXPECT_EQ(RequiredDistribution(plan, TaxRules::Curve, table, 3), 3906);  // 100000 / 25.6 at 71
  EXPECT_EQ(RequiredDistribution(plan, TaxRules::Curve, table, 4), 8097);  // 200000 / 24.7 at 72
  plan.Age1 = 71;
  EXPECT_EQ(RequiredDistribution(plan, TaxRules::Curve, table, 1), 10000);  // the opening balance
}

TEST(RequiredDistributionTest, DivisorTableAndAgesBeyondIt) {
  EXPECT_EQ(DistributionDivisor(70), 26.5L);
  EXPECT_EQ(DistributionDivisor(80), 17.9L);
  EXPECT_EQ(DistributionDivisor(85), 14.1L);
  EXPECT_EQ(DistributionDivisor(90), 11.0L);
  EXPECT_EQ(DistributionDivisor(140), 11.0L);
}

TEST(RequiredDistributionTest, OnlyPersonOnesAgeCounts) {
  PlanRecord plan = QuietPlan();
  plan.Age2 = 80;
  ForecastTable table;
  table.Year(1).TaxDeferred = 100000;
  EXPECT_EQ(RequiredDistribution(plan, TaxRules::Curve, table, 2), 0);
}

TEST(MoneyTest, RoundsHalvesToEvenAndSaturates) {
  EXPECT_EQ(RoundMoney(2.5L), 2);
  EXPECT_EQ(RoundMoney(3.5L), 4);
  EXPECT_EQ(RoundMoney(-2.5L), -2);
  // 1.025 x 5900 is exactly 6047.5 in extended precision.
  EXPECT_EQ(RoundMoney(1.025L * 5900), 6048);
  EXPECT_EQ(RoundMoney(1e30L), INT64_MAX);
  EXPECT_EQ(RoundMoney(-1e30L), INT64_MIN);
  EXPECT_EQ(RoundMoney(NAN), 0);
  EXPECT_EQ(AddMoney(INT64_MAX, 1), INT64_MAX);
  EXPECT_EQ(SubMoney(INT64_MIN, 1), INT64_MIN);
  EXPECT_EQ(SubMoney(0, INT64_MIN), INT64_MAX);
  EXPECT_EQ(SumMoney({INT64_MAX, 5, -10}), INT64_MAX - 10);
  EXPECT_EQ(MulMoney(INT64_MAX, -2), INT64_MIN);
  EXPECT_EQ(MulMoney(-3, -4), 12);
}

}  // namespace

namespace {

TEST(AnnuityTest, RateTooSmallToCompoundSpreadsTheLoanEvenly) {
  PlanRecord plan = enginetest::QuietPlan();
  plan.MortgageRate = 1e-30L;
  EXPECT_EQ(AnnuityFactor(plan, 4), 0.25L);
}

}  // namespace
