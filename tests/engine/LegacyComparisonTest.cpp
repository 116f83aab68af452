#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>

#include "GeneratedPlans.h"
#include "engine/Forecast.h"
#include "engine/ForecastColumns.h"
#include "legacy/DollarViews.h"
#include "legacy/Forecast.h"

// The engine against the copy of itself kept from before its rework: every
// field of every row in both dollar views, and the plan values a run writes
// back, must match bit for bit.
namespace {

// The fields the kept copy has: the curve's, as it predates the law's.
using Fields = std::array<std::int64_t, kCurveFieldCount>;

template <typename Table>
Fields FieldsOf(const Table& table, int a) {
  Fields fields;
  std::memcpy(fields.data(), &table.Year(a), sizeof fields);
  return fields;
}

bool SameRate(long double a, long double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

// One plan through both engines; `what` names it in failures.
void ExpectSameForecast(const PlanRecord& plan, const std::string& what) {
  for (const bool currentDollars : {false, true}) {
    legacy::PlanRecord old;
    static_cast<PlanRecord&>(old) = plan;
    legacy::ForecastTable oldTable;
    legacy::RunForecast(old, oldTable);
    if (currentDollars) legacy::ToCurrentDollars(old, oldTable);

    const Forecast now = ForecastInView(plan, RatePath::FromPlan(plan), currentDollars);
    for (int a = 1; a <= kForecastRows; ++a) {
      ASSERT_EQ(FieldsOf(now.table, a), FieldsOf(oldTable, a))
          << what << ", row " << a << (currentDollars ? ", today's dollars" : "");
    }
    PlanUpdates expected = PlanUpdatesOf(old);
    PlanUpdates actual = now.updates;
    ASSERT_TRUE(SameRate(actual.MortgageRate, expected.MortgageRate)) << what;
    actual.MortgageRate = expected.MortgageRate = 0.0L;  // NaN equals nothing
    ASSERT_TRUE(actual == expected) << what;
  }
}

TEST(LegacyComparisonTest, SensiblePlansMatchInBothViews) {
  enginetest::SensiblePlans plans(77);
  for (int i = 0; i < 1000; ++i) ExpectSameForecast(plans.Next(), "sensible plan " + std::to_string(i));
}

TEST(LegacyComparisonTest, ExtremePlansMatchInBothViews) {
  enginetest::ExtremePlans plans(4242);
  for (int i = 0; i < 300; ++i) ExpectSameForecast(plans.Next(), "extreme plan " + std::to_string(i));
}

// The plan a run leaves behind, as the pages and saved files see it.
TEST(LegacyComparisonTest, PlanWrittenBackMatches) {
  enginetest::SensiblePlans plans(5);
  for (int i = 0; i < 50; ++i) {
    PlanRecord plan = plans.Next();
    plan.MortgageRate = i % 2 == 0 ? 0.0L : plan.MortgageRate;
    legacy::PlanRecord old;
    static_cast<PlanRecord&>(old) = plan;
    legacy::ForecastTable oldTable;
    legacy::RunForecast(old, oldTable);
    ForecastTable table;
    RunForecast(plan, table);
    EXPECT_EQ(PlanUpdatesOf(plan), PlanUpdatesOf(old)) << i;
    EXPECT_EQ(plan.MortgageRate, old.MortgageRate) << i;
  }
}

}  // namespace
