#include <gtest/gtest.h>

#include "model/PlanFile.h"
#include "odds/MonteCarloModel.h"
#include "solve/Frontier.h"
#include "solve/Sensitivity.h"

namespace {

PlanRecord SamplePlan() {
  PlanRecord plan;
  const PlanFileResult read = ReadPlanFile(plan, std::string(PREVORA_TEST_DATA) + "/../../resources/Double.plan");
  EXPECT_TRUE(read.ok && !read.missing);
  return plan;
}

const SensitivityRow& RowOf(const SensitivityResult& result, const std::string& name) {
  for (const SensitivityRow& row : result.rows) {
    if (LeverKey(row.input) == "field:" + name) return row;
  }
  throw std::logic_error("no row " + name);
}

TEST(Sensitivity, KnownRelationsHaveTheirSignAndIdleInputsChangeNothing) {
  PlanRecord plan = SamplePlan();
  plan.Pension2 = 0;   // so the pension's start age is read by nothing
  plan.HomeMisc = 0;   // ten percent of nothing is no step
  const SensitivityResult result = RunSensitivity(plan, {});
  ASSERT_FALSE(result.cancelled);
  EXPECT_LT(RowOf(result, "Groceries").changeUp, 0);
  EXPECT_GT(RowOf(result, "Groceries").changeDown, 0);
  EXPECT_GT(RowOf(result, "TaxableReturn").changeUp, 0);
  EXPECT_GT(RowOf(result, "Salary1").changeUp, 0);
  for (const char* idle : {"PensionAge2", "HomeMisc"}) {
    EXPECT_EQ(RowOf(result, idle).changeDown, 0) << idle;
    EXPECT_EQ(RowOf(result, idle).changeUp, 0) << idle;
  }
  EXPECT_EQ(RowOf(result, "HomeMisc").down, RowOf(result, "HomeMisc").up);
  for (std::size_t i = 1; i < result.rows.size(); ++i) EXPECT_GE(result.rows[i - 1].Swing(), result.rows[i].Swing());
}

// Starting each point from the last answer is only a shortcut: every point
// answers as a solve of its own would.
TEST(Frontier, EachPointIsTheSolveOfItsOwnPlan) {
  const PlanRecord plan = SamplePlan();
  FrontierRequest request{RetireAgeLever(LeverPerson::First), 58, 68, 2,
                          SolveRequest{SpendingLever(), Target{TargetKind::NeverNewDebt}}};
  ASSERT_EQ(FrontierProblem(plan, request), "");
  // Each point starts its search where the earlier answers lead: it must still find its own answer.
  SolveOdds odds;
  odds.model = [](const PlanRecord& moved) {
    return std::make_unique<MonteCarloModel>(moved, MonteCarloSettings{300});
  };
  for (const std::optional<SolveOdds>& withOdds : {std::optional<SolveOdds>(), std::optional<SolveOdds>(odds)}) {
    request.solve.odds = withOdds;
    const FrontierResult frontier = RunFrontier(plan, request);
    ASSERT_EQ(frontier.points.size(), 6u);
    for (const FrontierPoint& point : frontier.points) {
      const SolveResult alone = Solve(WithLever(request.along, plan, point.value), request.solve);
      EXPECT_EQ(point.result.status, alone.status) << point.value;
      EXPECT_EQ(point.result.answer.value, alone.answer.value) << point.value;
    }
  }
  request.step = 0;
  EXPECT_NE(FrontierProblem(plan, request), "");
}

// Whatever lever the page steps along, its default range is at most sixteen
// values within the lever's bounds, with the plan's own value among them.
TEST(Frontier, DefaultRangesHoldThePlansOwnPoint) {
  const PlanRecord plan = SamplePlan();
  std::vector<Lever> levers = SensitivityInputs(plan);
  for (const LeverPerson person : {LeverPerson::First, LeverPerson::Second, LeverPerson::Both}) {
    levers.push_back(RetireAgeLever(person));
  }
  levers.push_back(SpendingLever());
  for (const Lever& lever : levers) {
    const FrontierRequest range = DefaultFrontierRange(lever, plan);
    const LeverBounds bounds = DefaultBounds(lever, plan);
    const std::int64_t value = LeverValue(lever, plan);
    ASSERT_GT(range.step, 0) << LeverKey(lever);
    EXPECT_LE((range.to - range.from) / range.step + 1, 16) << LeverKey(lever);
    EXPECT_GE(range.from, bounds.min) << LeverKey(lever);
    EXPECT_LE(range.to, bounds.max) << LeverKey(lever);
    if (value >= range.from && value <= range.to) {
      EXPECT_EQ((value - range.from) % range.step, 0) << LeverKey(lever);
    }
  }
  for (const auto& [from, to] : {std::pair<std::int64_t, std::int64_t>{55, 70}, {0, 1'000'000}, {5, 5}}) {
    EXPECT_LE((to - from) / FrontierStep(from, to) + 1, 16);
    EXPECT_GE(from + 15 * FrontierStep(from, to), to);
  }
  const FrontierRequest ages = DefaultFrontierRange(DefaultFrontierLever(levers.back()), plan);
  EXPECT_EQ(ages.along.kind, LeverKind::RetireAge);
  EXPECT_EQ(ages.to - ages.from, 15);
}

}  // namespace
