#include "solve/SolveCsv.h"

#include <cmath>
#include <cstdio>

#include "model/CsvFields.h"
#include "model/PlanFieldLabels.h"
#include "solve/SolveSummary.h"

namespace {

constexpr const char* kResultColumns = "Status,Answer,AtAnswer,Neighbour,AtNeighbour,Reason";

std::string Row(std::initializer_list<std::string> cells) {
  std::string out;
  for (const std::string& cell : cells) out += (out.empty() ? "" : ",") + CsvCell(cell);
  return out;
}

std::string OddsCell(const SolveRequest& request) {
  return request.odds ? PercentNumber(request.odds->percentHundredths) : std::string();
}

// The columns of kResultColumns for one result.
std::string ResultCells(const SolveRequest& request, const SolveResult& result) {
  const bool solved = result.status == SolveStatus::Solved;
  const bool pair = solved || result.status == SolveStatus::NotMonotone;
  const Lever& lever = request.lever;
  return Row({StatusKey(result.status), solved ? LeverValueNumber(lever, result.answer.value) : "",
              OutcomeWords(request, result.answer), pair ? LeverValueNumber(lever, result.neighbour.value) : "",
              pair ? OutcomeWords(request, result.neighbour) : "", solved ? "" : result.reason});
}

// A change of the figure: whole dollars, or points of the share with two decimals.
std::string Change(const SensitivityRequest& request, double change) {
  if (!request.odds) return std::to_string(std::llround(change));
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", change);
  return text;
}

}  // namespace

std::string SolveAnswerCsv(const SolveRequest& request, const SolveResult& result) {
  return std::string("Lever,Plan,Target,Odds,") + kResultColumns + "\n" +
         Row({LeverKey(request.lever), LeverValueNumber(request.lever, result.planValue), TargetKey(request.target),
              OddsCell(request)}) +
         "," + ResultCells(request, result) + "\n";
}

std::string FrontierCsv(const FrontierRequest& request, const FrontierResult& frontier) {
  std::string out = std::string("Along,Value,ThePlan,Lever,Target,Odds,") + kResultColumns + "\n";
  const SolveRequest& solve = request.solve;
  for (const FrontierPoint& point : frontier.points) {
    out += Row({LeverKey(request.along), LeverValueNumber(request.along, point.value),
                point.value == frontier.planValue ? "yes" : "no", LeverKey(solve.lever), TargetKey(solve.target),
                OddsCell(solve)}) +
           "," + ResultCells(solve, point.result) + "\n";
  }
  return out;
}

std::string SensitivityCsv(const SensitivityRequest& request, const SensitivityResult& result) {
  std::string out = "Figure,Base,Name,Page,Words,Value,Down,Up,ChangeDown,ChangeUp\n";
  for (const SensitivityRow& row : result.rows) {
    const PlanFieldLabel& label = PlanFieldLabels()[static_cast<std::size_t>(row.input.line)];
    out += Row({SensitivityFigureKey(request), Change(request, result.base), label.name, label.page, label.words,
                LeverValueNumber(row.input, row.value), LeverValueNumber(row.input, row.down),
                LeverValueNumber(row.input, row.up), Change(request, row.changeDown), Change(request, row.changeUp)}) +
           "\n";
  }
  return out;
}

std::string SensitivityFigureKey(const SensitivityRequest& request) {
  if (!request.odds) return MetricName(request.metric);
  return request.target.kind == TargetKind::NeverNewDebt ? "noNewDebtShare" : "savingsLastedShare";
}
