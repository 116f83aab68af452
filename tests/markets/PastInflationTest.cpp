#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "engine/Forecast.h"
#include "engine/RunFactors.h"
#include "markets/RecordedInflation.h"
#include "model/PlanFile.h"

namespace {

PlanRecord SamplePlan(std::int32_t currentYear) {
  PlanRecord plan;
  ReadPlanFile(plan, PREVORA_TEST_DATA "/../../resources/Double.plan");
  plan.CurrentYear = currentYear;
  return plan;
}

RatePath RecordedPath(const PlanRecord& plan) {
  return WithPastInflation(RatePath::FromPlan(plan), PastInflationRule::Recorded, plan);
}

// The documented formula: the floored price factors of 2005 .. CurrentYear - 1,
// multiplied in year order from 1.
long double RecordedRatioSince2005(std::int32_t currentYear) {
  const PastInflation& past = *RecordedInflation();
  long double ratio = 1.0L;
  for (std::int64_t year = 2005; year < currentYear; ++year) {
    const long double inflation = *past.Of(year);
    ratio *= inflation > 0.0L ? 1.0L + inflation / 100.0L : 1.0L;
  }
  return ratio;
}

TEST(PastInflationTest, TaxIndexRunsOnTheRecordedPriceRatio) {
  for (const std::int32_t year : {2006, 2015, 2026}) {
    const PlanRecord plan = SamplePlan(year);
    const RunFactors run(plan, RecordedPath(plan));
    const long double ratio = RecordedRatioSince2005(year);
    EXPECT_EQ(run.TaxIndex(1), ratio) << year;
    EXPECT_EQ(run.WageBaseIndex(), ratio) << year;
    for (int a = 2; a <= run.rows; ++a)
      EXPECT_EQ(run.TaxIndex(a), ratio * run.InflationIndex(a - 1)) << year << " " << a;
  }
}

// Years the record does not hold yet take the plan's rate, after the recorded ones.
TEST(PastInflationTest, YearsPastTheRecordTakeThePlansRate) {
  PlanRecord plan = SamplePlan(2030);
  plan.InflationRate = 4.0L;
  const RunFactors run(plan, RecordedPath(plan));
  const std::int64_t unrecorded = 2030 - RecordedInflation()->EndYear();
  EXPECT_EQ(run.TaxIndex(1), RecordedRatioSince2005(static_cast<std::int32_t>(RecordedInflation()->EndYear())) *
                                 std::pow(1.04L, static_cast<long double>(unrecorded)));
}

// An assumption about the future no longer rewrites the years that happened:
// the first year (its payroll taxes follow the wage base) stays as it is.
TEST(PastInflationTest, PlansInflationLeavesTheFirstYearAlone) {
  PlanRecord plan = SamplePlan(2026);
  plan.Salary1 = 250000;
  const auto firstYear = [](PlanRecord changed, PastInflationRule rule) {
    return RunForecast(changed, WithPastInflation(RatePath::FromPlan(changed), rule, changed))
        .table.Year(1)
        .IncomeTaxes;
  };
  PlanRecord raised = plan;
  raised.InflationRate = 5.0L;
  EXPECT_EQ(firstYear(plan, PastInflationRule::Recorded), firstYear(raised, PastInflationRule::Recorded));
  // The first design's rule moves it, which is what the test would catch.
  EXPECT_NE(firstYear(plan, PastInflationRule::Plan), firstYear(raised, PastInflationRule::Plan));
}

// Amounts entered as of a past age are deflated over those years' recorded
// inflation; a salary is escalated over them the same way.
TEST(PastInflationTest, PastStartAgesUseTheRecord) {
  PlanRecord plan = SamplePlan(2026);
  plan.PensionAge1 = plan.Age1 - 10;
  plan.EmploymentStartAge1 = plan.Age1 - 10;
  plan.InflationRate = 9.0L;
  long double prices = 1.0L;
  for (std::int64_t year = 2016; year < 2026; ++year) prices *= 1.0L + *RecordedInflation()->Of(year) / 100.0L;
  EXPECT_EQ(RunFactors(plan, RecordedPath(plan)).Pension(0, 1), 1.0L / prices);
  plan.SalaryGrowth1 = 0.0L;
  EXPECT_NEAR(RunFactors(plan, RecordedPath(plan)).Salary(0, 1), 1.0L, 1e-15L);
  plan.SalaryGrowth1 = 1.0L;
  const RunFactors grown(plan, RecordedPath(plan));
  const RunFactors first(plan, RatePath::FromPlan(plan));
  EXPECT_GT(grown.Salary(0, 1), 1.0L);
  EXPECT_NE(grown.Salary(0, 1), first.Salary(0, 1));
}

// Under the plan's rule the years before the forecast take the plan's own
// rate whatever a replayed or filed path holds in its first year (a 1946
// start once made every trial's past 18 % a year and its income tax $0).
TEST(PastInflationTest, PlansRuleKeepsThePlansRateUnderAnyPath) {
  PlanRecord plan = SamplePlan(2026);
  plan.PensionAge1 = plan.Age1 - 10;
  plan.EmploymentStartAge1 = plan.Age1 - 10;
  RatePath replayed = RatePath::FromPlan(plan);
  YearRates first = replayed.Year(1);
  first.Inflation = 18.1L;
  replayed.SetYear(1, first);
  const RunFactors own(plan, PlanRatePath(plan, PastInflationRule::Plan));
  const RunFactors other(plan, WithPastInflation(replayed, PastInflationRule::Plan, plan));
  EXPECT_EQ(other.TaxIndex(1), own.TaxIndex(1));
  EXPECT_EQ(other.Pension(0, 1), own.Pension(0, 1));
  EXPECT_EQ(other.Salary(0, 1), own.Salary(0, 1));
}

}  // namespace
