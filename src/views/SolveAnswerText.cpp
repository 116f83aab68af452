#include "views/SolveAnswerText.h"

#include "solve/SolveAdvice.h"
#include "solve/SolveSummary.h"

SolveAnswerText DescribeAnswer(const PlanRecord& plan, const SolveRequest& request, const SolveResult& result) {
  SolveAnswerText text;
  if (result.status == SolveStatus::Solved) {
    text.answer = AnswerLine(request, result);
    text.proof = "Target: " + TargetLine(request) + ".\nProof: " + ProofLine(request, result) + ".";
    // With odds too, the plan's own rates show where the answer leaves it.
    text.details.push_back(std::string("At the answer") + (request.odds ? ", on the plan's own rates" : "") + ": " +
                           ForecastSummary(request, plan, result.answer.value) + ".");
    const std::string warning = ContributionLimitWarning(plan, request.lever, result.answer.value);
    if (!warning.empty()) text.details.push_back(warning + ".");
  } else {
    text.answer = "No answer";
    text.proof = "Target: " + TargetLine(request) + ".\n" + result.reason + ".";
    const std::string proposal = MeaningfulTargetWords(plan, request, result);
    if (!proposal.empty()) text.details.push_back(proposal + ". The target boxes now ask for it: press Run.");
  }
  const std::string explanation = LeverExplanation(request.lever);
  if (!explanation.empty()) text.details.push_back(explanation);
  return text;
}
