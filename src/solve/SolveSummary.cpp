#include "solve/SolveSummary.h"

#include <cstdio>

#include "engine/DollarViews.h"
#include "engine/Money.h"
#include "model/NumberFormat.h"
#include "odds/ShortfallLevel.h"
#include "odds/TrialForecast.h"

std::string TargetLine(const SolveRequest& request) {
  std::string line = TargetWords(request.target);
  if (request.odds) line += ", in at least " + PercentNumber(request.odds->percentHundredths) + " % of the trials";
  return line;
}

std::string AnswerLine(const SolveRequest& request, const SolveResult& result) {
  const Lever& lever = request.lever;
  std::string line = LeverValueText(lever, result.answer.value);
  const bool scaled = lever.kind == LeverKind::Spending || lever.kind == LeverKind::Savings;
  if (scaled && result.planValue > 0) {
    char share[32];
    std::snprintf(share, sizeof share, "%.1f %%",
                  100.0 * static_cast<double>(result.answer.value) / static_cast<double>(result.planValue));
    line += std::string(" (") + share + " of the plan's " + LeverValueText(lever, result.planValue) + ")";
  } else {
    line += " (the plan has " + LeverValueText(lever, result.planValue) + ")";
  }
  return line;
}

std::string ProofLine(const SolveRequest& request, const SolveResult& result) {
  const Lever& lever = request.lever;
  return "at " + LeverValueText(lever, result.answer.value) + " the plan " + OutcomeWords(request, result.answer) +
         "; one step past, at " + LeverValueText(lever, result.neighbour.value) + ", it " +
         OutcomeWords(request, result.neighbour);
}

std::string ForecastSummary(const SolveRequest& request, const PlanRecord& plan, std::int64_t value) {
  const PlanRecord moved = WithLever(request.lever, plan, value);
  const Forecast forecast = RunTrialForecast(moved, {}, request.rules);
  const int rows = RowCount(moved);
  const ForecastTable current = InCurrentDollars(moved, forecast);
  const TrialGrade grade = GradeTrial(moved, forecast.table, request.rules.taxes);
  return "net worth " + FormatDollars(current.Year(rows).NetWorth) + " in " +
         std::to_string(static_cast<std::int64_t>(moved.CurrentYear) + rows - 1) +
         " (today's dollars); deepest shortfall: " + ShortfallLevelText(grade.level);
}

std::string UnitKey(const Lever& lever) {
  switch (UnitOf(lever)) {
    case LeverUnit::Years:
      return "years";
    case LeverUnit::Percent:
      return "percent";
    case LeverUnit::Dollars:
      break;
  }
  return "dollars";
}

std::string StatusKey(SolveStatus status) {
  switch (status) {
    case SolveStatus::Solved:
      return "solved";
    case SolveStatus::Unreachable:
      return "unreachable";
    case SolveStatus::AlwaysMet:
      return "always-met";
    case SolveStatus::NotMonotone:
      return "not-monotone";
    case SolveStatus::Cancelled:
      break;
  }
  return "cancelled";
}

std::string PercentNumber(std::int64_t hundredths) {
  char text[32];
  std::snprintf(text, sizeof text, "%s%lld.%02lld", hundredths < 0 ? "-" : "",
                static_cast<long long>((hundredths < 0 ? -hundredths : hundredths) / 100),
                static_cast<long long>((hundredths < 0 ? -hundredths : hundredths) % 100));
  return text;
}
