#include "solve/Frontier.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace {

constexpr std::int64_t kFrontierValues = 16;

// Neighbouring points have neighbouring answers: the next search starts where
// the last two lead, one more such step on the harder side (after the first
// answer, a 64th of it past), and steps back by it. Its first count then
// usually fails, which with odds runs most trials once, and every count
// nearer the answer is mostly known from it.
void StartNextPoint(SolveRequest& solve, std::int64_t answer, std::optional<std::int64_t> previous) {
  const std::int64_t trend = previous ? answer - *previous : 0;
  const std::int64_t size = previous ? std::abs(trend) : std::max<std::int64_t>(1, std::abs(answer) / 64);
  const LeverGoal goal = GoalOf(solve.lever);
  const std::int64_t harder = goal == LeverGoal::Largest ? size : goal == LeverGoal::Smallest ? -size : 0;
  solve.start = answer + trend + harder;
  solve.startStep = size;
}

}  // namespace

Lever DefaultFrontierLever(const Lever& solved) {
  return solved.kind == LeverKind::RetireAge ? SpendingLever() : RetireAgeLever(LeverPerson::First);
}

FrontierRequest DefaultFrontierRange(const Lever& along, const PlanRecord& plan) {
  FrontierRequest request;
  request.along = along;
  const std::int64_t value = LeverValue(along, plan);
  const LeverBounds bounds = DefaultBounds(along, plan);
  switch (UnitOf(along)) {
    case LeverUnit::Dollars:
      request.step = std::max<std::int64_t>(1, value / 25);  // 4 %
      break;
    case LeverUnit::Years:
      request.step = 1;
      break;
    case LeverUnit::Percent:
      request.step = 100;
      break;
  }
  // The plan's own value stays one of the points, so the chart can mark it.
  request.from = value - (kFrontierValues / 2 - (UnitOf(along) == LeverUnit::Dollars ? 1 : 0)) * request.step;
  if (request.from < bounds.min) request.from += (bounds.min - request.from + request.step - 1) / request.step * request.step;
  request.to = std::min(bounds.max, request.from + (kFrontierValues - 1) * request.step);
  if (request.to < request.from) request.to = request.from;
  return request;
}

std::int64_t FrontierStep(std::int64_t from, std::int64_t to) {
  if (to <= from) return 1;
  return std::max<std::int64_t>(1, (to - from + kFrontierValues - 2) / (kFrontierValues - 1));
}

std::string FrontierProblem(const PlanRecord& plan, const FrontierRequest& request) {
  if (request.along == request.solve.lever) {
    return "the lever stepped along and the lever solved must differ";
  }
  if (request.step <= 0) return "the step must be above 0";
  if (request.from > request.to) return "the first value must not be above the last";
  if ((request.to - request.from) / request.step + 1 > kMaxFrontierPoints) {
    return "at most " + std::to_string(kMaxFrontierPoints) + " values; give a larger step";
  }
  if (std::string problem = LeverProblem(request.along, plan); !problem.empty()) return problem;
  for (const std::int64_t value : {request.from, request.to}) {
    const PlanRecord moved = WithLever(request.along, plan, value);
    if (std::string problem = SolveRequestProblem(moved, request.solve); !problem.empty()) {
      return "at " + LeverValueText(request.along, value) + ": " + problem;
    }
  }
  return {};
}

FrontierResult RunFrontier(const PlanRecord& plan, const FrontierRequest& request, const SolveControl& control) {
  FrontierResult frontier;
  frontier.planValue = LeverValue(request.along, plan);
  SolveRequest solve = request.solve;
  std::optional<std::int64_t> previous;  // the answer before the last
  SolveControl pointControl;
  pointControl.cancel = control.cancel;
  for (std::int64_t value = request.from; value <= request.to; value += request.step) {
    const PlanRecord moved = WithLever(request.along, plan, value);
    const std::int64_t before = frontier.forecasts;
    pointControl.progress = [&control, before](std::int64_t forecasts) {
      if (control.progress) control.progress(before + forecasts);
    };
    SolveResult result = Solve(moved, solve, pointControl);
    frontier.forecasts += result.forecasts;
    frontier.seconds += result.seconds;
    if (result.status == SolveStatus::Cancelled) {
      frontier.cancelled = true;
      break;
    }
    if (result.status == SolveStatus::Solved) {
      StartNextPoint(solve, result.answer.value, previous);
      previous = result.answer.value;
    } else {
      solve.startStep.reset();
      previous.reset();
    }
    frontier.points.push_back({value, std::move(result)});
    if (request.to - value < request.step) break;
  }
  return frontier;
}
