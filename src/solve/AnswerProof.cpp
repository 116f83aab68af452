#include "solve/AnswerProof.h"

#include <algorithm>
#include <chrono>
#include <map>
#include <vector>

#include "engine/Money.h"
#include "odds/TrialForecast.h"
#include "solve/Boundary.h"
#include "solve/TrialMemory.h"

namespace {

// Above this many trials, the boundary is first found on a sample of them.
constexpr int kSampleFrom = 2000;
constexpr int kSampleTrials = 1000;
// Searches on a corrected memory before the search runs on whole counts.
constexpr int kMemoryRounds = 2;

class AnswerProof {
 public:
  AnswerProof(const PlanRecord& plan, const SolveRequest& request, const SolveControl& control)
      : plan_(plan), request_(request), control_(control) {
    result_.planValue = LeverValue(request.lever, plan);
    result_.bounds = DefaultBounds(request.lever, plan);
    if (request.min) result_.bounds.min = *request.min;
    if (request.max) result_.bounds.max = *request.max;
    result_.goal = GoalOf(request.lever);
    if (request.odds) {
      allTrials_ = request.odds->model(plan)->TrialCount();
      sampleTrials_ = allTrials_ > kSampleFrom ? std::max(kSampleTrials, allTrials_ / 10) : allTrials_;
    }
  }

  SolveResult Run() {
    const auto start = std::chrono::steady_clock::now();
    Solve();
    if (cancelled_) result_.status = SolveStatus::Cancelled;
    result_.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return result_;
  }

 private:
  // How a value is judged: one forecast, or trials (how many, whether known
  // trials are taken from the memory, whether to stop once it is decided).
  // Trials run for themselves are kept by value and not run again; `learn`
  // also records them in the memory.
  struct Mode {
    int trials = 0;
    bool memory = false;
    bool stopWhenDecided = true;
    bool learn = false;
    bool missesFirst = false;  // the trials that missed one step past the answer run first
  };

  // Saturating: a plan may hold the lowest 64-bit value, which has no negation.
  std::int64_t Hardness(std::int64_t value) const {
    return result_.goal == LeverGoal::Smallest ? SubMoney(0, value) : value;
  }
  std::int64_t ValueOf(std::int64_t hardness) const { return Hardness(hardness); }

  Mode Deterministic() const { return {}; }
  Mode Sample() const { return {.trials = sampleTrials_, .memory = true}; }
  Mode Full() const { return {.trials = allTrials_, .memory = true}; }
  Mode Check() const { return {.trials = allTrials_}; }
  Mode Proof() const { return {.trials = allTrials_, .stopWhenDecided = false, .learn = true}; }

  std::optional<ValueOutcome> Evaluate(std::int64_t value, const Mode& mode) {
    if (cancelled_ || (control_.cancel && control_.cancel->load())) {
      cancelled_ = true;
      return std::nullopt;
    }
    ValueOutcome outcome;
    outcome.value = value;
    const PlanRecord moved = WithLever(request_.lever, plan_, value);
    if (mode.trials == 0) {
      outcome.check = CheckTarget(request_.target, moved, RunTrialForecast(moved, {}, request_.rules));
      outcome.holds = outcome.check.holds;
      Count(1);
      return outcome;
    }
    const std::shared_ptr<const PathModel> model = request_.odds->model(moved);
    TrialCountRun run;
    run.threads = request_.odds->threads;
    run.rules = request_.rules;
    run.cancel = control_.cancel;
    run.stopWhenDecided = mode.stopWhenDecided;
    run.memory = mode.memory || mode.learn ? &memory_ : nullptr;
    run.inferFromMemory = mode.memory;
    run.exact = mode.memory ? nullptr : &exact_[value];
    run.hardness = Hardness(value);
    std::vector<int> order;
    if (mode.missesFirst) {
      order = MissesFirst(mode.trials);
      run.order = &order;
    }
    const std::int64_t before = result_.forecasts;
    run.progress = [this, before](int done) {
      if (control_.progress) control_.progress(before + done);
    };
    const TrialCountOutcome odds =
        CountTrialsMeeting(moved, *model, request_.target, {mode.trials, request_.odds->percentHundredths}, run);
    Count(odds.run);
    if (odds.cancelled) {
      cancelled_ = true;
      return std::nullopt;
    }
    outcome.odds = odds;
    outcome.holds = odds.holds;
    return outcome;
  }

  // The first `trials` trials, those that missed at the answer's neighbour
  // first: a value past it is expected to fail, and these decide it soonest.
  std::vector<int> MissesFirst(int trials) const {
    const auto seen = exact_.find(result_.neighbour.value);
    std::vector<int> order(static_cast<std::size_t>(trials));
    for (int trial = 0; trial < trials; ++trial) order[static_cast<std::size_t>(trial)] = trial;
    if (seen == exact_.end()) return order;
    const std::vector<signed char>& met = seen->second;
    std::stable_partition(order.begin(), order.end(), [&met](int trial) {
      return static_cast<std::size_t>(trial) < met.size() && met[static_cast<std::size_t>(trial)] == 0;
    });
    return order;
  }

  void Count(std::int64_t forecasts) {
    result_.forecasts += forecasts;
    if (control_.progress) control_.progress(result_.forecasts);
  }

  BoundaryFinder Finder(const Mode& mode) {
    BoundaryFinder finder;
    finder.easiest = std::min(Hardness(result_.bounds.min), Hardness(result_.bounds.max));
    finder.hardest = std::max(Hardness(result_.bounds.min), Hardness(result_.bounds.max));
    finder.judge = [this, mode](std::int64_t hardness) -> std::optional<ValueOutcome> {
      std::optional<ValueOutcome> outcome = Evaluate(ValueOf(hardness), mode);
      if (outcome && mode.trials == 0) judged_[hardness] = *outcome;
      return outcome;
    };
    return finder;
  }

  void Solve() {
    if (result_.goal == LeverGoal::Either && !ChooseGoal()) return;
    const std::int64_t planHardness = Hardness(request_.start.value_or(result_.planValue));
    const Mode first = request_.odds ? Sample() : Deterministic();
    const BoundaryFinder sampled = Finder(first);
    // Started near an earlier answer, every trial is counted at the start:
    // the values the search then tries nearer the answer are mostly known.
    const std::int64_t startValue = ValueOf(std::clamp(planHardness, sampled.easiest, sampled.hardest));
    if (request_.start && request_.odds && !Evaluate(startValue, {.trials = sampleTrials_, .memory = true, .stopWhenDecided = false})) return;
    std::optional<Boundary> boundary =
        sampled.Find(planHardness, request_.startStep.value_or(InitialStep(planHardness, 8)));
    if (boundary && request_.odds && sampleTrials_ < allTrials_) {
      const std::int64_t guess = boundary->found ? boundary->held : boundary->end.value;
      boundary = Finder(Full()).Find(Hardness(guess), InitialStep(Hardness(guess), 64));
    }
    if (boundary && boundary->found && request_.odds) boundary = Proved(*boundary);
    if (!boundary) return;
    if (!boundary->found) return ReportEnd(*boundary);
    result_.status = SolveStatus::Solved;
    result_.answer = boundary->heldOutcome;
    result_.neighbour = boundary->missedOutcome;
    CheckMonotone();
  }

  // The answer and its neighbour judged again on all trials, each trial run
  // for itself. If they disagree with what the memory said, the runs have
  // shown it the trials that do not follow the lever one way, and the search
  // runs again from the same place on the corrected memory; after a few such
  // rounds, it runs on whole counts alone.
  std::optional<Boundary> Proved(Boundary boundary) {
    std::optional<std::int64_t> restart;
    for (int round = 0; round <= kMemoryRounds; ++round) {
      std::optional<ValueOutcome> held = Evaluate(ValueOf(boundary.held), Proof());
      if (!held) return std::nullopt;
      if (held->holds) {
        std::optional<ValueOutcome> missed = Evaluate(ValueOf(boundary.missed), Proof());
        if (!missed) return std::nullopt;
        if (!missed->holds) return WithOutcomes(boundary, *held, *missed);
      }
      if (!restart) restart = held->holds ? boundary.missed : boundary.held;
      if (round == kMemoryRounds) break;
      std::optional<Boundary> again = Finder(Full()).Find(*restart, 1);
      if (!again) return std::nullopt;
      if (!again->found) break;
      boundary = *again;
    }
    std::optional<Boundary> exact = Finder(Check()).Find(*restart, 1);
    if (!exact || !exact->found) return exact;
    std::optional<ValueOutcome> held = Evaluate(ValueOf(exact->held), Proof());
    std::optional<ValueOutcome> missed = held ? Evaluate(ValueOf(exact->missed), Proof()) : std::nullopt;
    if (!missed) return std::nullopt;
    return WithOutcomes(*exact, *held, *missed);
  }

  static Boundary WithOutcomes(Boundary boundary, const ValueOutcome& held, const ValueOutcome& missed) {
    boundary.heldOutcome = held;
    boundary.missedOutcome = missed;
    return boundary;
  }

  std::int64_t InitialStep(std::int64_t hardness, std::int64_t fraction) const {
    const std::int64_t size = hardness < 0 ? -hardness : hardness;
    const std::int64_t divisor = UnitOf(request_.lever) == LeverUnit::Years ? fraction * 2 : fraction;
    return std::max<std::int64_t>(1, size / divisor);
  }

  // A field lever may make the target easier either way: the bounds tell.
  bool ChooseGoal() {
    const Mode mode = request_.odds ? Check() : Deterministic();
    const std::optional<ValueOutcome> low = Evaluate(result_.bounds.min, mode);
    const std::optional<ValueOutcome> high = low ? Evaluate(result_.bounds.max, mode) : std::nullopt;
    if (!high) return false;
    if (low->holds != high->holds) {
      result_.goal = low->holds ? LeverGoal::Largest : LeverGoal::Smallest;
      return true;
    }
    result_.status = low->holds ? SolveStatus::AlwaysMet : SolveStatus::Unreachable;
    result_.answer = *low;
    result_.neighbour = *high;
    result_.reason = std::string(low->holds ? "the target holds" : "the target fails") + " at both bounds: at " +
                     LeverValueText(request_.lever, low->value) + " the plan " + OutcomeWords(request_, *low) +
                     ", at " + LeverValueText(request_.lever, high->value) + " it " + OutcomeWords(request_, *high);
    return false;
  }

  void ReportEnd(const Boundary& boundary) {
    ValueOutcome end = boundary.end;
    if (end.odds && !end.odds->complete) {
      const std::optional<ValueOutcome> exact = Evaluate(end.value, Proof());
      if (!exact) return;
      end = *exact;
    }
    result_.status = end.holds ? SolveStatus::AlwaysMet : SolveStatus::Unreachable;
    result_.answer = end;
    const std::string value = LeverValueText(request_.lever, end.value);
    result_.reason = end.holds ? "every value up to the bound meets the target: even at " + value + " the plan " +
                                     OutcomeWords(request_, end)
                               : "no value within the bounds meets the target: even at " + value + " the plan " +
                                     OutcomeWords(request_, end);
  }

  // The search trusts that the outcome only gets worse past the answer; it
  // looks a few steps and a few sizes further to catch a lever that does not.
  void CheckMonotone() {
    const std::int64_t held = Hardness(result_.answer.value);
    const std::int64_t size = std::max<std::int64_t>(1, held < 0 ? -held : held);
    const BoundaryFinder easyHard = Finder(Deterministic());
    std::vector<std::int64_t> probes;
    // Two steps past, the odds differ from the neighbour's by chance more than by the lever: they start at 1 %.
    const std::int64_t firstDistance = request_.odds ? 3 : 2;
    for (const std::int64_t distance : {firstDistance, std::max<std::int64_t>(3, size / 100),
                                        std::max<std::int64_t>(4, size / 10), std::max<std::int64_t>(5, size)}) {
      const std::int64_t probe = std::min(easyHard.hardest, held + distance);
      if (std::find(probes.begin(), probes.end(), probe) == probes.end()) probes.push_back(probe);
    }
    if (!request_.odds) {
      probes.push_back(std::max(easyHard.easiest, held - std::max<std::int64_t>(1, size / 10)));
      probes.push_back(easyHard.easiest);
    }
    for (const std::int64_t probe : probes) {
      if (probe == held || probe == held + 1) continue;
      const std::optional<ValueOutcome> outcome = Judge(probe);
      if (!outcome) return;
      const bool expected = probe < held;
      if (outcome->holds == expected) continue;
      result_.status = SolveStatus::NotMonotone;
      const ValueOutcome& failing = expected ? *outcome : result_.neighbour;
      const ValueOutcome& holding = expected ? result_.answer : *outcome;
      result_.reason = "the outcome is not monotone in the lever: the plan " + OutcomeWords(request_, failing) +
                       " at " + LeverValueText(request_.lever, failing.value) + " but " +
                       OutcomeWords(request_, holding) + " at " + LeverValueText(request_.lever, holding.value) +
                       ", so no single boundary answers the question";
      result_.answer = holding;
      result_.neighbour = failing;
      return;
    }
  }

  // A probe: a forecast, or a sample of the trials first and all of them
  // only when the sample surprises.
  std::optional<ValueOutcome> Judge(std::int64_t hardness) {
    const std::int64_t value = ValueOf(hardness);
    if (!request_.odds) {
      const auto seen = judged_.find(hardness);
      if (seen != judged_.end()) return seen->second;
      return Evaluate(value, Deterministic());
    }
    std::optional<ValueOutcome> sample = Evaluate(value, {.trials = sampleTrials_, .missesFirst = true});
    if (!sample || !sample->holds) return sample;
    return Evaluate(value, Check());
  }

  const PlanRecord& plan_;
  const SolveRequest& request_;
  const SolveControl& control_;
  SolveResult result_;
  TrialMemory memory_;
  std::map<std::int64_t, std::vector<signed char>> exact_;  // by value: what each trial did
  std::map<std::int64_t, ValueOutcome> judged_;
  int allTrials_ = 0;
  int sampleTrials_ = 0;
  bool cancelled_ = false;
};

}  // namespace

SolveResult FindProvedAnswer(const PlanRecord& plan, const SolveRequest& request, const SolveControl& control) {
  return AnswerProof(plan, request, control).Run();
}
