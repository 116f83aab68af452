#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "engine/DollarViews.h"
#include "engine/Forecast.h"
#include "engine/PageTotals.h"
#include "EngineTestPlans.h"
#include "GeneratedPlans.h"

namespace {

using enginetest::ExtremePlans;
using enginetest::kMax64;

// Absurd plans give absurd figures, but never a crash, undefined behaviour
// (the sanitizer build runs this) or an out-of-range row.
TEST(EngineStressTest, ExtremePlansRunToTheEnd) {
  ExtremePlans plans(20240611);
  for (int i = 0; i < 400; ++i) {
    PlanRecord plan = plans.Next();
    ForecastTable table;
    RunForecast(plan, table);
    ToCurrentDollars(plan, table);
    ToInflatedDollars(plan, table);
    RecomputeAutoTotal(plan);
    RecomputeOtherTotal(plan);
    RecomputeCurrentNetWorth(plan);
    const int rows = RowCount(plan);
    ASSERT_GE(rows, 0);
    ASSERT_LE(rows, kForecastRows);
    // Year 1 is built even when Age1 leaves no row to show.
    for (int a = std::max(rows, 1) + 1; a <= kForecastRows; ++a) ASSERT_EQ(table.Year(a).NetWorth, 0) << i;
  }
}

TEST(EngineStressTest, HugeBalancesSaturateInsteadOfFlippingSign) {
  PlanRecord plan = enginetest::QuietPlan();
  plan.Age1 = 15;
  plan.TaxableBalance = kMax64;
  plan.TaxDeferredBalance = kMax64;
  plan.HomeStatus = 2;
  plan.HomeValue = kMax64;
  plan.Salary1 = kMax64;
  plan.EmploymentStartAge1 = 15;
  plan.RetireAge1 = 65;
  plan.DeferredContribution1 = kMax64;
  ForecastTable table;
  RunForecast(plan, table);
  for (int a = 1; a <= RowCount(plan); ++a) {
    const YearRecord& year = table.Year(a);
    EXPECT_GT(year.TaxableInvest, 0) << a;
    EXPECT_GT(year.Property, 0) << a;
    EXPECT_GT(year.NetWorth, 0) << a;
    EXPECT_GE(year.TaxDeferred, 0) << a;
  }
  EXPECT_EQ(table.Year(2).TaxableInvest, kMax64);
}

TEST(EngineStressTest, HugeDebtStaysNegativeNetWorth) {
  PlanRecord plan = enginetest::QuietPlan();
  plan.CurrentDebt = kMax64;
  plan.DebtYears = 30;
  plan.FoodTotal = kMax64;
  ForecastTable table;
  RunForecast(plan, table);
  for (int a = 1; a <= RowCount(plan); ++a) {
    EXPECT_LT(table.Year(a).NetWorth, 0) << a;
    EXPECT_GT(table.Year(a).OtherDebt, 0) << a;
  }
}

}  // namespace
