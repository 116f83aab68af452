#include <gtest/gtest.h>

#include <algorithm>

#include "engine/GeneratedPlans.h"
#include "odds/MonteCarloModel.h"
#include "solve/Lever.h"
#include "solve/TrialMemory.h"

namespace {

// Hardness grows to the right: met at 10, missed at 20, unknown between.
TEST(TrialMemory, ATrialThatTurnsBackIsRunAtEveryValueFromThenOn) {
  TrialMemory memory;
  memory.Record(3, 10, true);
  memory.Record(3, 20, false);
  memory.Record(4, 10, true);
  EXPECT_EQ(memory.Known(3, 5), 1);
  EXPECT_EQ(memory.Known(3, 15), -1);
  EXPECT_EQ(memory.Known(3, 25), 0);
  EXPECT_EQ(memory.Known(0, 5), -1);

  memory.Record(3, 8, false);  // missed at an easier value than one it met
  EXPECT_EQ(memory.Known(3, 5), -1);
  EXPECT_EQ(memory.Known(3, 25), -1);
  memory.Record(3, 30, true);
  EXPECT_EQ(memory.Known(3, 25), -1);
  EXPECT_EQ(memory.Known(4, 5), 1);
  EXPECT_EQ(memory.Unruly(), 1);
}

// A count that takes what the trials did at the same value from an earlier
// count, stopped early, shorter or in another order, says exactly what a
// fresh count says, and runs only the trials not yet run.
TEST(TrialMemory, ACountResumedFromEarlierRunsAtTheSameValueMatchesAFreshOne) {
  enginetest::SensiblePlans plans(77);
  PlanRecord plan = plans.Next();
  plan.Groceries = 9000;
  // With no spending at all, about a third of the trials meet the target.
  plan = WithLever(SpendingLever(), plan, 0);
  MonteCarloSettings settings;
  settings.trials = 900;
  settings.seed = 11;
  const MonteCarloModel model(plan, settings);
  for (const std::int64_t percent : {100, 3300, 9900}) {
    SCOPED_TRACE(percent);
    TrialCountRun fresh;
    const TrialCountOutcome whole = CountTrialsMeeting(plan, model, Target{TargetKind::NeverNewDebt}, {900, percent}, fresh);
    fresh.stopWhenDecided = true;
    const TrialCountOutcome decided = CountTrialsMeeting(plan, model, Target{TargetKind::NeverNewDebt}, {900, percent}, fresh);

    std::vector<signed char> exact;
    TrialCountRun resumed;
    resumed.exact = &exact;
    resumed.stopWhenDecided = true;
    // The trials taken from the last: the same verdict; those run count as run.
    std::vector<int> backwards(200);
    for (int trial = 0; trial < 200; ++trial) backwards[static_cast<std::size_t>(trial)] = 199 - trial;
    resumed.order = &backwards;
    const TrialCountOutcome sample = CountTrialsMeeting(plan, model, Target{TargetKind::NeverNewDebt}, {200, percent}, resumed);
    resumed.order = nullptr;
    EXPECT_EQ(sample.holds, CountTrialsMeeting(plan, model, Target{TargetKind::NeverNewDebt}, {200, percent}, fresh).holds);
    const TrialCountOutcome again = CountTrialsMeeting(plan, model, Target{TargetKind::NeverNewDebt}, {900, percent}, resumed);
    EXPECT_EQ(again.holds, decided.holds);
    EXPECT_EQ(again.met, decided.met);
    EXPECT_EQ(again.missed, decided.missed);
    EXPECT_EQ(sample.run + again.run, std::max(sample.run, decided.run));
    resumed.stopWhenDecided = false;
    const TrialCountOutcome completed = CountTrialsMeeting(plan, model, Target{TargetKind::NeverNewDebt}, {900, percent}, resumed);
    EXPECT_TRUE(completed.complete);
    EXPECT_EQ(completed.met, whole.met);
    EXPECT_EQ(sample.run + again.run + completed.run, 900);
    EXPECT_EQ(CountTrialsMeeting(plan, model, Target{TargetKind::NeverNewDebt}, {900, percent}, resumed).run, 0);
  }
}

}  // namespace
