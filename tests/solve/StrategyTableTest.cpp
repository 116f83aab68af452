#include <gtest/gtest.h>

#include "compare/ComparisonMetric.h"
#include "model/PlanFile.h"
#include "odds/MonteCarloModel.h"
#include "solve/StrategyTable.h"

namespace {

// The sample plan with both persons' statements typed, so claiming ages vary.
PlanRecord PlanWithBenefits() {
  PlanRecord plan;
  const PlanFileResult read = ReadPlanFile(plan, std::string(PREVORA_TEST_DATA) + "/../../resources/Double.plan");
  EXPECT_TRUE(read.ok && !read.missing);
  plan.FullRetirementBenefit1 = 31200;
  plan.FullRetirementBenefit2 = 18000;
  return plan;
}

const StrategyRow& OwnRow(const StrategyTableResult& result) {
  for (const StrategyRow& row : result.rows) {
    if (row.planOwn) return row;
  }
  throw std::logic_error("no row of the plan");
}

// Whether two rows show the same figures.
void ExpectSameFigures(const StrategyRow& a, const StrategyRow& b) {
  EXPECT_EQ(a.lifetimeTaxes, b.lifetimeTaxes);
  EXPECT_EQ(a.afterTaxNetWorth, b.afterTaxNetWorth);
  EXPECT_EQ(a.firstBorrowYear, b.firstBorrowYear);
  EXPECT_EQ(a.spending, b.spending);
  EXPECT_EQ(a.savingsLastedPercent, b.savingsLastedPercent);
}

TEST(StrategySet, VariesClaimingOnlyForTypedBenefitsAndAgesNotPassed) {
  PlanRecord plan = PlanWithBenefits();
  EXPECT_EQ(StrategySet(plan).size(), 3u * 7u * 3u * 3u);
  plan.FullRetirementBenefit2 = 0;
  plan.Age1 = 68;  // 62 and 67 are past
  const std::vector<Strategy> set = StrategySet(plan);
  ASSERT_EQ(set.size(), 3u * 7u);
  for (const Strategy& strategy : set) {
    EXPECT_EQ(strategy.claimAge[0], 70);
    EXPECT_EQ(strategy.claimAge[1], plan.SocialSecurityAge2);
  }
}

// Under every measure the best row is at least as good as the plan's own,
// and the plan's strategy is one row, added when the set lacks it.
TEST(StrategyTable, BestRowIsAtLeastThePlansOwnUnderEveryMeasure) {
  PlanRecord plan = PlanWithBenefits();
  plan.FullRetirementBenefit2 = 0;  // fewer rows: the property holds row by row
  plan.FillBracket = 32;            // outside the set
  plan.FillInto = "roth";
  StrategyRequest request;
  request.odds = std::make_shared<MonteCarloModel>(plan, MonteCarloSettings{20});
  request.threads = 2;
  for (const StrategyMeasure measure : {StrategyMeasure::AfterTaxNetWorth, StrategyMeasure::LifetimeTaxes,
                                        StrategyMeasure::Spending, StrategyMeasure::Odds}) {
    request.measure = measure;
    const StrategyTableResult result = RunStrategyTable(plan, request);
    ASSERT_EQ(result.rows.size(), StrategySet(plan).size() + 1) << StrategyMeasureKey(measure);
    EXPECT_EQ(std::count_if(result.rows.begin(), result.rows.end(), [](const StrategyRow& r) { return r.planOwn; }),
              1);
    const StrategyRow& own = OwnRow(result);
    EXPECT_EQ(own.strategy, StrategyOf(plan));
    EXPECT_FALSE(RanksBefore(own, result.rows.front(), measure)) << StrategyMeasureKey(measure);
    for (std::size_t i = 1; i < result.rows.size(); ++i) {
      EXPECT_FALSE(RanksBefore(result.rows[i], result.rows[i - 1], measure)) << i;
      EXPECT_EQ(result.rows[i].rank, static_cast<int>(i) + 1);
    }
  }
  // A tie puts the plan's own strategy first: when nothing differs, nothing is gained by a change.
  StrategyRow own;
  own.planOwn = true;
  EXPECT_TRUE(RanksBefore(own, StrategyRow{}, StrategyMeasure::AfterTaxNetWorth));
  EXPECT_FALSE(RanksBefore(StrategyRow{}, own, StrategyMeasure::AfterTaxNetWorth));
}

// Applying any row and running the plan again gives that row's figures as the
// plan's own, within the set; Apply touches no other input.
TEST(StrategyTable, AppliedRowReproducesItsFigures) {
  PlanRecord plan = PlanWithBenefits();
  plan.FullRetirementBenefit1 = 0;
  StrategyRequest request;
  request.odds = std::make_shared<MonteCarloModel>(plan, MonteCarloSettings{20});
  const StrategyTableResult result = RunStrategyTable(plan, request);
  ASSERT_FALSE(result.cancelled);
  for (const std::size_t i : {std::size_t{0}, result.rows.size() / 2, result.rows.size() - 1}) {
    const StrategyRow& row = result.rows[i];
    PlanRecord applied = plan;
    ApplyStrategy(row.strategy, applied);
    const StrategyTableResult again = RunStrategyTable(applied, request);
    EXPECT_EQ(again.rows.size(), result.rows.size());
    EXPECT_TRUE(SameChoices(OwnRow(again).strategy, row.strategy));
    ExpectSameFigures(OwnRow(again), row);
    ApplyStrategy(StrategyOf(plan), applied);
    EXPECT_EQ(PlanFileText(applied), PlanFileText(plan));
  }
}

TEST(StrategyTable, FiguresAreTodaysDollarsAndIndependentOfThreads) {
  PlanRecord plan = PlanWithBenefits();
  plan.FullRetirementBenefit2 = 0;
  StrategyRequest request;
  request.spending = true;
  request.threads = 1;
  const StrategyTableResult one = RunStrategyTable(plan, request);
  request.threads = 3;
  const StrategyTableResult three = RunStrategyTable(plan, request);
  ASSERT_EQ(one.rows.size(), three.rows.size());
  for (std::size_t i = 0; i < one.rows.size(); ++i) {
    EXPECT_EQ(one.rows[i].strategy, three.rows[i].strategy);
    ExpectSameFigures(one.rows[i], three.rows[i]);
  }
  const StrategyRow& own = OwnRow(one);
  EXPECT_EQ(own.lifetimeTaxes, MetricOf(*ParseMetric("IncomeTaxes:sum"), plan));
  EXPECT_TRUE(own.spending.has_value());
}

TEST(StrategyTable, CancelStopsWithoutRows) {
  std::atomic<bool> cancel{true};
  StrategyControl control;
  control.cancel = &cancel;
  const StrategyTableResult result = RunStrategyTable(PlanWithBenefits(), {}, control);
  EXPECT_TRUE(result.cancelled);
  EXPECT_TRUE(result.rows.empty());
}

}  // namespace
