#include "solve/Solver.h"

#include <cstdio>

#include "solve/AnswerProof.h"

std::string SolveRequestProblem(const PlanRecord& plan, const SolveRequest& request) {
  if (std::string problem = LeverProblem(request.lever, plan); !problem.empty()) return problem;
  if (std::string problem = TargetProblem(request.target, plan); !problem.empty()) return problem;
  const LeverBounds defaults = DefaultBounds(request.lever, plan);
  const std::int64_t min = request.min.value_or(defaults.min);
  const std::int64_t max = request.max.value_or(defaults.max);
  if (min >= max) {
    return "the lower bound " + LeverValueText(request.lever, min) + " must be below the upper bound " +
           LeverValueText(request.lever, max);
  }
  if (request.lever.kind == LeverKind::Spending || request.lever.kind == LeverKind::Savings) {
    if (min < 0) return "the " + LeverWords(request.lever) + " cannot go below $0";
  }
  if (request.odds && (request.odds->percentHundredths <= 0 || request.odds->percentHundredths > 10000)) {
    return "the share of trials must be above 0 % and at most 100 %";
  }
  return {};
}

SolveResult Solve(const PlanRecord& plan, const SolveRequest& request, const SolveControl& control) {
  return FindProvedAnswer(plan, request, control);
}

std::string OutcomeWords(const SolveRequest& request, const ValueOutcome& outcome) {
  if (!outcome.odds) return outcome.check.reason;
  const TrialCountOutcome& odds = *outcome.odds;
  char needed[32];
  std::snprintf(needed, sizeof needed, "%.2f %%", static_cast<double>(request.odds->percentHundredths) / 100.0);
  if (!odds.complete) {
    return std::string(odds.holds ? "meets the target in at least " : "meets the target in fewer than ") + needed +
           " of " + std::to_string(odds.trials) + " trials";
  }
  char share[32];
  std::snprintf(share, sizeof share, "%.2f %%", odds.Share());
  return "meets the target in " + std::to_string(odds.met) + " of " + std::to_string(odds.trials) + " trials (" +
         share + ", " + std::string(needed) + " needed)";
}
