#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "model/PlanRecord.h"
#include "odds/PathModel.h"
#include "solve/Lever.h"
#include "solve/Target.h"
#include "solve/TrialMemory.h"

// The odds a solve asks for: the target must hold in at least this share of
// the trials. Every value is judged on the same trials (the same seed), so
// two values differ by the lever alone.
struct SolveOdds {
  std::int64_t percentHundredths = 9000;
  // The model for a plan as the lever set it (a rate lever moves the model's means).
  std::function<std::shared_ptr<const PathModel>(const PlanRecord&)> model;
  int threads = 1;
};

struct SolveRequest {
  SolveRequest() = default;
  SolveRequest(Lever lever, Target target) : lever(std::move(lever)), target(target) {}

  Lever lever;
  Target target;
  std::optional<SolveOdds> odds;
  std::optional<std::int64_t> min;
  std::optional<std::int64_t> max;
  // Where the search starts instead of the plan's own value, and its first
  // step (a frontier starts each point just past where the answers lead).
  std::optional<std::int64_t> start;
  std::optional<std::int64_t> startStep;
  // What the years before the plan's current year take, in every forecast.
  PastInflationRule past = PastInflationRule::Recorded;
};

struct SolveControl {
  const std::atomic<bool>* cancel = nullptr;
  std::function<void(std::int64_t forecasts)> progress;  // forecasts run so far
};

// The target at one lever value: a forecast's check, or the trials' count.
struct ValueOutcome {
  std::int64_t value = 0;
  bool holds = false;
  TargetCheck check;
  std::optional<TrialCountOutcome> odds;
};

enum class SolveStatus { Solved, Unreachable, AlwaysMet, NotMonotone, Cancelled };

struct SolveResult {
  SolveStatus status = SolveStatus::Cancelled;
  LeverGoal goal = LeverGoal::Largest;  // the way the answer was sought
  std::int64_t planValue = 0;
  LeverBounds bounds;
  // Solved: the answer and the value one step past it. NotMonotone: a value
  // that fails and a harder one that holds again. Unreachable and AlwaysMet:
  // the bound that decides it, in `answer`.
  ValueOutcome answer;
  ValueOutcome neighbour;
  std::string reason;  // for every status but Solved
  std::int64_t forecasts = 0;
  double seconds = 0.0;
};

// Why the request cannot run on the plan (bad bounds, an age the forecast
// does not reach, nothing to scale), or empty.
std::string SolveRequestProblem(const PlanRecord& plan, const SolveRequest& request);

// The best lever value for which the target holds, to the lever's step. The
// request must have no problem.
SolveResult Solve(const PlanRecord& plan, const SolveRequest& request, const SolveControl& control = {});

// "takes new debt in 2031 ($4,985)" or "91.3 % of 10,000 trials meet the target".
std::string OutcomeWords(const SolveRequest& request, const ValueOutcome& outcome);
