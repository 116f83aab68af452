#include <gtest/gtest.h>

#include "OddsTestSupport.h"
#include "engine/Forecast.h"
#include "odds/ShortfallLevel.h"

namespace {

// Person 1 is 40 in 2005: year a is age 39 + a.
PlanRecord FortyYearOld() {
  PlanRecord plan;
  plan.Age1 = 40;
  plan.CurrentYear = 2005;
  return plan;
}

TEST(ShortfallLevelTest, AYearGradesByTheDeepestSourceThatCoveredIt) {
  const PlanRecord plan = FortyYearOld();
  ForecastTable table{};
  EXPECT_EQ(GradeTrial(plan, table, TaxRules::Curve).level, ShortfallLevel::None);

  // A surplus joins the savings as a negative withdrawal: no shortfall.
  table.Year(2).TaxableWithdrawal = -5000;
  table.Year(3).HomeEquityBorrowing = -200;  // a negative limit the home step ignores
  EXPECT_EQ(GradeTrial(plan, table, TaxRules::Curve).level, ShortfallLevel::None);

  table.Year(4).TaxableWithdrawal = 1;
  EXPECT_EQ(GradeTrial(plan, table, TaxRules::Curve).level, ShortfallLevel::TaxableSavings);

  // Age 75: the tax-deferred account is in its distribution years, not drawn early.
  table.Year(36).DeferredWithdrawal = 900;
  EXPECT_EQ(GradeTrial(plan, table, TaxRules::Curve).level, ShortfallLevel::TaxableSavings);
  // Age 70, the last year before the required distributions.
  table.Year(31).DeferredWithdrawal = 900;
  EXPECT_EQ(GradeTrial(plan, table, TaxRules::Curve).level, ShortfallLevel::DeferredEarly);

  table.Year(40).HomeEquityBorrowing = 10;
  EXPECT_EQ(GradeTrial(plan, table, TaxRules::Curve).level, ShortfallLevel::HomeEquity);
  EXPECT_FALSE(GradeTrial(plan, table, TaxRules::Curve).netWorthBelowZero);
}

TEST(ShortfallLevelTest, NewDebtRecordsItsFirstYear) {
  const PlanRecord plan = FortyYearOld();
  ForecastTable table{};
  table.Year(20).UnfundedShortfall = 3;
  table.Year(12).UnfundedShortfall = 7;
  table.Year(12).HomeEquityBorrowing = 50;
  const TrialGrade grade = GradeTrial(plan, table, TaxRules::Curve);
  EXPECT_EQ(grade.level, ShortfallLevel::NewDebt);
  EXPECT_EQ(grade.firstNewDebtYear, 2016);
}

TEST(ShortfallLevelTest, NetWorthBelowZeroCountsOnlyTheForecastsYears) {
  const PlanRecord plan = FortyYearOld();
  ForecastTable table{};
  table.Year(RowCount(plan) + 1).NetWorth = -1;  // beyond age 90: not part of the forecast
  EXPECT_FALSE(GradeTrial(plan, table, TaxRules::Curve).netWorthBelowZero);
  table.Year(RowCount(plan)).NetWorth = -1;
  EXPECT_TRUE(GradeTrial(plan, table, TaxRules::Curve).netWorthBelowZero);
}

TEST(ShortfallLevelTest, GradesRealForecasts) {
  PlanRecord rich = oddstest::RichPlan();
  ForecastTable table;
  RunForecast(rich, table);
  const TrialGrade grade = GradeTrial(rich, table, TaxRules::Curve);
  EXPECT_EQ(grade.level, ShortfallLevel::NewDebt);
  EXPECT_GE(grade.firstNewDebtYear, rich.CurrentYear);
}

TEST(ShortfallLevelTest, LevelsHaveTextsAndKeys) {
  EXPECT_STREQ(ShortfallLevelText(ShortfallLevel::None), "no shortfall");
  EXPECT_STREQ(ShortfallLevelText(ShortfallLevel::NewDebt), "took new debt");
  EXPECT_STREQ(ShortfallLevelKey(ShortfallLevel::DeferredEarly), "deferred-early");
}

}  // namespace
