#include <gtest/gtest.h>

#include <cmath>

#include "EngineTestPlans.h"
#include "engine/ClaimingAge.h"

namespace {

// Shares of the full benefit as the Social Security Administration publishes
// them ("Benefit reduction for early retirement", "Delayed retirement credits").
TEST(ClaimingAgeTest, SharesMatchPublishedFigures) {
  struct Pin {
    std::int32_t born, age;
    long double percent;
  };
  const Pin pins[] = {{1943, 62, 75.0L}, {1943, 70, 132.0L}, {1954, 66, 100.0L}, {1955, 62, 74.166666666666667L},
                      {1957, 62, 72.5L}, {1959, 67, 101.333333333333333L}, {1941, 70, 132.5L},
                      {1937, 62, 80.0L}, {1960, 64, 80.0L}, {1960, 68, 108.0L}};
  for (const Pin& pin : pins) {
    EXPECT_NEAR(ClaimingFactor(pin.born, pin.age) * 100.0L, pin.percent, 1e-12L) << pin.born << " at " << pin.age;
  }
  EXPECT_EQ(FullRetirementAgeMonths(1958), 66 * 12 + 8);
}

// For everyone born 1960 or later: 70 % at 62, the full benefit at 67, 124 %
// from 70 on, and the forecast pays that share from the claiming year.
TEST(ClaimingAgeTest, ForecastPaysTheClaimedShareFrom1960On) {
  for (std::int32_t age = 20; age <= 66; age += 3) {
    PlanRecord plan = enginetest::QuietPlan();
    plan.CurrentYear = 2026;
    plan.Age1 = age;
    plan.InflationRate = 0.0L;
    plan.FullRetirementBenefit1 = 30001;
    for (const auto& [claim, share] : {std::pair{60, 0.70L}, {62, 0.70L}, {67, 1.0L}, {70, 1.24L}, {72, 1.24L}}) {
      if (claim <= age) continue;
      plan.SocialSecurityAge1 = claim;
      const ForecastTable table = enginetest::RunPlan(plan);
      const int paid = std::max(claim, kEarliestClaimAge) - age + 1;
      EXPECT_EQ(table.Year(paid - 1).SocialSecurity, 0) << age << " claiming at " << claim;
      EXPECT_EQ(table.Year(paid).SocialSecurity, std::llround(30001 * share)) << age << " claiming at " << claim;
    }
  }
}

}  // namespace
