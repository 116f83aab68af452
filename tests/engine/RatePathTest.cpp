#include <gtest/gtest.h>

#include <bit>
#include <limits>

#include "GeneratedPlans.h"
#include "engine/Forecast.h"
#include "engine/Money.h"
#include "model/PlanFile.h"

namespace {

using Fields = std::array<std::int64_t, kYearFieldCount>;

Fields FieldsOf(const ForecastTable& table, int a) { return std::bit_cast<Fields>(table.Year(a)); }

void ExpectSameTables(const ForecastTable& actual, const ForecastTable& expected, const std::string& what) {
  for (int a = 1; a <= kForecastRows; ++a)
    ASSERT_EQ(FieldsOf(actual, a), FieldsOf(expected, a)) << what << ", row " << a;
}

YearRates RatesOf(const PlanRecord& plan) {
  return {plan.InflationRate, plan.TaxableReturn, plan.TaxDeferredReturn, plan.RealEstateGrowth};
}

// Paths that hold the plan's own rates, however they were built, give the
// forecast of the plan alone.
TEST(RatePathTest, PlansOwnRatesGiveTodaysForecast) {
  enginetest::SensiblePlans plans(11);
  for (int i = 0; i < 200; ++i) {
    const PlanRecord plan = plans.Next();
    const Forecast expected = RunForecast(plan, RatePath::FromPlan(plan));
    const std::vector<YearRates> years(static_cast<std::size_t>(RowCount(plan)), RatesOf(plan));
    ExpectSameTables(RunForecast(plan, RatePath(years)).table, expected.table, "listed years " + std::to_string(i));
    ExpectSameTables(RunForecast(plan, RatePath(std::vector<YearRates>{RatesOf(plan)})).table, expected.table,
                     "one year repeated " + std::to_string(i));
  }
}

// A constant path from other rates is the plan with those rates typed in,
// field for field, the recomputed plan values too.
TEST(RatePathTest, ConstantPathEqualsRetypedPlan) {
  enginetest::SensiblePlans plans(12);
  for (int i = 0; i < 200; ++i) {
    const PlanRecord plan = plans.Next();
    const PlanRecord other = plans.Next();
    PlanRecord retyped = plan;
    retyped.InflationRate = other.InflationRate;
    retyped.TaxableReturn = other.TaxableReturn;
    retyped.TaxDeferredReturn = other.TaxDeferredReturn;
    retyped.RealEstateGrowth = other.RealEstateGrowth;
    const Forecast onPath = ForecastInView(plan, RatePath::Constant(RatesOf(other)), i % 2 == 0);
    const Forecast typed = ForecastInView(retyped, RatePath::FromPlan(retyped), i % 2 == 0);
    ExpectSameTables(onPath.table, typed.table, "plan " + std::to_string(i));
    EXPECT_EQ(onPath.updates, typed.updates) << i;
  }
}

// Changing year y's rates leaves every row before y as it was, and each
// kind of rate reaches the rows it should.
TEST(RatePathTest, YearsChangeNothingBeforeThem) {
  enginetest::SensiblePlans plans(13);
  for (int i = 0; i < 200; ++i) {
    PlanRecord plan = plans.Next();
    plan.Age1 = 40;
    const RatePath path = plans.NextPath(plan, kForecastRows);
    const Forecast before = RunForecast(plan, path);
    const int changed = 2 + i % 40;
    RatePath bumped = path;
    YearRates rates = path.Year(changed);
    rates.Inflation += 3.0L;
    rates.TaxableReturn += 5.0L;
    rates.TaxDeferredReturn -= 4.0L;
    rates.RealEstateGrowth += 2.0L;
    bumped.SetYear(changed, rates);
    const Forecast after = RunForecast(plan, bumped);
    for (int a = 1; a < changed; ++a)
      ASSERT_EQ(FieldsOf(after.table, a), FieldsOf(before.table, a)) << i << ", row " << a;
    EXPECT_EQ(after.updates, before.updates) << i;
    EXPECT_EQ(after.inflation[static_cast<std::size_t>(changed - 1)],
              before.inflation[static_cast<std::size_t>(changed - 1)]);
    EXPECT_NE(after.inflation[static_cast<std::size_t>(changed)], before.inflation[static_cast<std::size_t>(changed)]);
  }
}

TEST(RatePathTest, EachRateMovesItsOwnStep) {
  PlanRecord plan = enginetest::QuietPlan();
  plan.TaxableBalance = 100000;
  plan.TaxDeferredBalance = 100000;
  plan.HomeStatus = 2;
  plan.HomeValue = 200000;
  plan.InflationRate = 0.0L;
  plan.TaxableReturn = 0.0L;
  plan.TaxDeferredReturn = 0.0L;
  plan.RealEstateGrowth = 0.0L;
  RatePath path = RatePath::FromPlan(plan);
  // Year 3's rates: its own investment return, growth into year 4.
  path.SetYear(3, {0.0L, 10.0L, 20.0L, 30.0L});
  const ForecastTable table = RunForecast(plan, path).table;
  EXPECT_EQ(table.Year(2).InvestReturn, 0);
  EXPECT_EQ(table.Year(3).InvestReturn, RoundMoney(0.1L * table.Year(3).TaxableInvest));
  EXPECT_EQ(table.Year(4).InvestReturn, 0);
  EXPECT_EQ(table.Year(3).TaxDeferred, 100000);
  EXPECT_EQ(table.Year(4).TaxDeferred, 120000);
  EXPECT_EQ(table.Year(3).Property, 200000);
  EXPECT_EQ(table.Year(4).Property, 260000);
  EXPECT_EQ(table.Year(5).Property, 260000);
}

TEST(RatePathTest, RunLeavesItsInputAlone) {
  PlanRecord plan;
  plan.MortgageRate = 0.0L;
  plan.DebtYears = 3;
  plan.CurrentDebt = 9000;
  const std::string before = PlanFileText(plan);
  const Forecast forecast = RunForecast(plan, RatePath::FromPlan(plan));
  EXPECT_EQ(PlanFileText(plan), before);
  EXPECT_EQ(forecast.updates.MortgageRate, 0.0001L);
  EXPECT_GT(forecast.updates.DebtPayment, 0);
}

TEST(RatePathTest, YearsPastThePathRepeatItsLast) {
  const RatePath path(std::vector<YearRates>{{1.0L, 2.0L, 3.0L, 4.0L}, {5.0L, 6.0L, 7.0L, 8.0L}});
  EXPECT_EQ(path.Years(), 2);
  EXPECT_EQ(path.Year(80).Inflation, 5.0L);
  EXPECT_EQ(path.Year(0).Inflation, 1.0L);
  RatePath longer = path;
  longer.SetYear(5, {9.0L, 9.0L, 9.0L, 9.0L});
  EXPECT_EQ(longer.Year(4).TaxableReturn, 6.0L);
  EXPECT_EQ(longer.Year(5).TaxableReturn, 9.0L);
  EXPECT_EQ(RatePath(std::vector<YearRates>(200)).Years(), kForecastRows);
  EXPECT_EQ(RatePath(std::vector<YearRates>{}).Year(1).Inflation, PlanRecord{}.InflationRate);
}

// A scenario of the first years continues with the plan's own rates, not with its last year.
TEST(RatePathTest, PlanRatesFollowAShortScenario) {
  PlanRecord plan;
  plan.InflationRate = 2.5L;
  plan.TaxableReturn = 3.5L;
  const RatePath path = RatePath(std::vector<YearRates>{{9.0L, 1.0L, 1.0L, 1.0L}, {8.0L, 1.0L, 1.0L, 1.0L}})
                            .WithPlanRatesFrom(3, plan);
  EXPECT_EQ(path.Year(2).Inflation, 8.0L);
  EXPECT_EQ(path.Year(3).Inflation, 2.5L);
  EXPECT_EQ(path.Year(kForecastRows).TaxableReturn, 3.5L);
  EXPECT_EQ(path.Years(), kForecastRows);
}

}  // namespace
