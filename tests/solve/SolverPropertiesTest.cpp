#include <gtest/gtest.h>

#include "engine/GeneratedPlans.h"
#include "odds/MonteCarloModel.h"
#include "odds/OddsRunner.h"
#include "odds/TrialForecast.h"
#include "solve/Solver.h"

namespace {

Lever Field(const std::string& name) {
  std::string problem;
  return FieldLever(name, problem).value();
}

bool HoldsBySeparateRun(const SolveRequest& request, const PlanRecord& plan, std::int64_t value) {
  const PlanRecord moved = WithLever(request.lever, plan, value);
  return CheckTarget(request.target, moved, RunTrialForecast(moved, {}, request.past)).holds;
}

std::int64_t OneStepPast(const SolveResult& result) {
  return result.answer.value + (result.goal == LeverGoal::Smallest ? -1 : 1);
}

// Whatever the plan, a solved answer meets the target and one step past it
// does not, each judged by a forecast of its own; an end that decides
// (unreachable, always met) does what it says.
TEST(SolveProperties, DeterministicAnswersAreProvedByTheirNeighbour) {
  enginetest::SensiblePlans plans(2026);
  const std::vector<Lever> levers = {SpendingLever(),          RetireAgeLever(LeverPerson::First),
                                     RetireAgeLever(LeverPerson::Both), SavingsLever(),
                                     Field("TaxableReturn"),    Field("Salary1")};
  const std::vector<Target> targets = {Target{TargetKind::NeverNewDebt}, Target{TargetKind::NeverBorrow},
                                       Target{TargetKind::NetWorthAt, 0, 250000}};
  int solved = 0;
  int other = 0;
  for (int i = 0; i < 120; ++i) {
    PlanRecord plan = plans.Next();
    plan.Groceries = 4000 + i * 91;
    plan.Vacations = 1500;
    SolveRequest request{levers[static_cast<std::size_t>(i) % levers.size()],
                         targets[static_cast<std::size_t>(i / 6) % targets.size()]};
    request.target.age = plan.Age1 + (90 - plan.Age1) / 2;
    if (!SolveRequestProblem(plan, request).empty()) continue;
    const SolveResult result = Solve(plan, request);
    SCOPED_TRACE("plan " + std::to_string(i) + ", lever " + LeverKey(request.lever));
    switch (result.status) {
      case SolveStatus::Solved:
        ++solved;
        EXPECT_TRUE(HoldsBySeparateRun(request, plan, result.answer.value));
        EXPECT_EQ(result.neighbour.value, OneStepPast(result));
        EXPECT_FALSE(HoldsBySeparateRun(request, plan, result.neighbour.value));
        EXPECT_LE(result.forecasts, 80);
        break;
      case SolveStatus::Unreachable:
      case SolveStatus::AlwaysMet:
        ++other;
        EXPECT_EQ(HoldsBySeparateRun(request, plan, result.answer.value), result.status == SolveStatus::AlwaysMet);
        EXPECT_FALSE(result.reason.empty());
        break;
      case SolveStatus::NotMonotone:
        ++other;
        EXPECT_TRUE(HoldsBySeparateRun(request, plan, result.answer.value));
        EXPECT_FALSE(HoldsBySeparateRun(request, plan, result.neighbour.value));
        break;
      case SolveStatus::Cancelled:
        ADD_FAILURE() << "cancelled without a cancel";
    }
  }
  EXPECT_GT(solved, 20);
  EXPECT_GT(other, 5);
}

SolveOdds OddsOf(int trials, std::int64_t percentHundredths, int threads) {
  MonteCarloSettings settings;
  settings.trials = trials;
  settings.seed = 11;
  SolveOdds odds;
  odds.percentHundredths = percentHundredths;
  odds.threads = threads;
  odds.model = [settings](const PlanRecord& plan) { return std::make_unique<MonteCarloModel>(plan, settings); };
  return odds;
}

double NoNewDebtShare(const PlanRecord& plan, int trials) {
  MonteCarloSettings settings;
  settings.trials = trials;
  settings.seed = 11;
  return RunOdds(plan, MonteCarloModel(plan, settings), OddsRunControl{}).value().NoNewDebtShare();
}

// With odds, the odds runner itself agrees: at the answer at least P % of the
// trials never take new debt, one step past fewer do; and the answer is the
// same on one thread or three. The larger count runs its search on a sample
// of the trials first.
TEST(SolveProperties, OddsAnswersAgreeWithTheOddsRunnerOnAnyThreadCount) {
  enginetest::SensiblePlans plans(77);
  int solved = 0;
  for (int i = 0; i < 14; ++i) {
    PlanRecord plan = plans.Next();
    plan.Groceries = 9000;
    const int trials = i == 0 ? 2400 : 120;
    SolveRequest request{i % 2 == 0 ? SpendingLever() : RetireAgeLever(LeverPerson::First), Target{TargetKind::NeverNewDebt}};
    request.odds = OddsOf(trials, 8000, 1);
    if (!SolveRequestProblem(plan, request).empty()) continue;
    const SolveResult one = Solve(plan, request);
    request.odds = OddsOf(trials, 8000, 3);
    const SolveResult three = Solve(plan, request);
    SCOPED_TRACE("plan " + std::to_string(i));
    EXPECT_EQ(one.status, three.status);
    EXPECT_EQ(one.answer.value, three.answer.value);
    if (one.status != SolveStatus::Solved) continue;
    ++solved;
    EXPECT_GE(NoNewDebtShare(WithLever(request.lever, plan, one.answer.value), trials), 80.0);
    EXPECT_LT(NoNewDebtShare(WithLever(request.lever, plan, one.neighbour.value), trials), 80.0);
  }
  EXPECT_GE(solved, 3);
}

// A few trials of this plan meet the target again at a harder value, so the
// memory of the trials places the answer wrongly at first: what the proof's
// own runs show corrects it without searching on whole counts again.
TEST(SolveProperties, AMisledMemoryIsCorrectedFromTheProofRuns) {
  enginetest::SensiblePlans plans(77);
  for (int i = 0; i < 15; ++i) plans.Next();
  PlanRecord plan = plans.Next();
  plan.Groceries = 9000;
  const int trials = 2400;
  SolveRequest request{SpendingLever(), Target{TargetKind::NeverNewDebt}};
  request.odds = OddsOf(trials, 8000, 2);
  const SolveResult result = Solve(plan, request);
  ASSERT_EQ(result.status, SolveStatus::Solved);
  EXPECT_GE(NoNewDebtShare(WithLever(request.lever, plan, result.answer.value), trials), 80.0);
  EXPECT_LT(NoNewDebtShare(WithLever(request.lever, plan, result.neighbour.value), trials), 80.0);
  EXPECT_LE(result.forecasts, 10 * trials);
}

TEST(SolveControl, ACancelledSolveStopsAndSaysSo) {
  enginetest::SensiblePlans plans(5);
  PlanRecord plan = plans.Next();
  plan.Groceries = 9000;
  SolveRequest request{SpendingLever(), Target{TargetKind::NeverNewDebt}};
  request.odds = OddsOf(3000, 9000, 2);
  std::atomic<bool> cancel{false};
  SolveControl control;
  control.cancel = &cancel;
  control.progress = [&cancel](std::int64_t forecasts) {
    if (forecasts > 300) cancel = true;
  };
  const SolveResult result = Solve(plan, request, control);
  EXPECT_EQ(result.status, SolveStatus::Cancelled);
  EXPECT_LT(result.forecasts, 3000);
}

}  // namespace
