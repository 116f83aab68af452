#include "views/SolvePrinting.h"

#include <cmath>

#include "model/NumberFormat.h"
#include "report/ReportPages.h"
#include "solve/SolveCsv.h"
#include "solve/SolveSummary.h"
#include "views/SolveAnswerText.h"

namespace {

constexpr std::size_t kPrintedInputs = 15;
constexpr const char* kOddsCaution = "These odds come from a model of markets, not from the future: they are not a promise.";

void AddAnswer(ReportPage& page, const PlanRecord& plan, const SolveShown::Answer& answer) {
  const SolveAnswerText text = DescribeAnswer(plan, answer.request, answer.result);
  page.blocks.push_back(HeadingBlock("Answer: " + LeverWords(answer.request.lever)));
  page.blocks.push_back(ParagraphBlock(text.answer + "\n" + text.proof));
  std::string details;
  for (const std::string& line : text.details) details += (details.empty() ? "" : "\n") + line;
  if (!details.empty()) page.blocks.push_back(ParagraphBlock(details));
}

// Each point's answer and what one step past it does, or why it has none.
ReportTable FrontierTable(const FrontierRequest& request, const FrontierResult& frontier) {
  const SolveRequest& solve = request.solve;
  ReportTable table{{LeverWords(request.along), LeverWords(solve.lever), "One step past the answer"},
                    {false, true, false},
                    {},
                    0};
  for (const FrontierPoint& point : frontier.points) {
    const bool solved = point.result.status == SolveStatus::Solved;
    table.rows.push_back({LeverValueText(request.along, point.value) +
                              (point.value == frontier.planValue ? " (the plan)" : ""),
                          solved ? LeverValueText(solve.lever, point.result.answer.value) : "no answer",
                          solved ? OutcomeWords(solve, point.result.neighbour) : point.result.reason});
  }
  return table;
}

void AddFrontier(ReportPage& page, const SolveShown::FrontierShown& frontier, std::size_t drawing) {
  const SolveRequest& solve = frontier.request.solve;
  page.blocks.push_back(HeadingBlock("Frontier"));
  page.blocks.push_back(ParagraphBlock("For each " + LeverWords(frontier.request.along) + ", the " +
                                       LeverWords(solve.lever) + " solved for: " + TargetLine(solve) +
                                       ". The plan's own point is ringed."));
  page.blocks.push_back(DrawingBlock(drawing));
  page.blocks.push_back(TableBlock(FrontierTable(frontier.request, frontier.result)));
}

void AddSensitivity(ReportPage& page, const SolveShown::SensitivityShown& sensitivity, std::size_t drawing) {
  const SensitivityRequest& request = sensitivity.request;
  const std::string base = request.odds ? FormatDecimal(static_cast<long double>(sensitivity.result.base), 1) + " %"
                                        : FormatDollars(std::llround(sensitivity.result.base)) + " (today's dollars)";
  page.blocks.push_back(HeadingBlock("Sensitivity: the inputs that matter most"));
  page.blocks.push_back(ParagraphBlock(
      "Each input moved one step down (orange) and up (blue): amounts 10 %, ages and years 1, rates 1 point. The "
      "figure, " + SensitivityFigureKey(request) + ", is " + base + " in the plan."));
  page.blocks.push_back(DrawingBlock(drawing));
  page.blocks.push_back(TableBlock(SensitivityTable(sensitivity.result, kPrintedInputs, request.odds.has_value())));
}

}  // namespace

std::optional<ResultPrintout> SolvePrintout(const PlanRecord& plan, const SolveShown& shown) {
  if (!shown.answer && !shown.frontier && !shown.sensitivity) return std::nullopt;
  ResultPrintout printout;
  ReportPage page{"Solve", {}};
  std::vector<std::string> csv;
  bool odds = false;
  if (shown.answer) {
    AddAnswer(page, plan, *shown.answer);
    csv.push_back(SolveAnswerCsv(shown.answer->request, shown.answer->result));
    odds = odds || shown.answer->request.odds;
  }
  if (shown.frontier) {
    AddFrontier(page, *shown.frontier, printout.drawings.size());
    printout.drawings.push_back(shown.frontier->chart);
    csv.push_back(FrontierCsv(shown.frontier->request, shown.frontier->result));
    odds = odds || shown.frontier->request.solve.odds;
  }
  if (shown.sensitivity) {
    AddSensitivity(page, *shown.sensitivity, printout.drawings.size());
    printout.drawings.push_back(shown.sensitivity->chart);
    csv.push_back(SensitivityCsv(shown.sensitivity->request, shown.sensitivity->result));
    odds = odds || shown.sensitivity->request.odds;
  }
  if (odds) page.blocks.push_back(ParagraphBlock(kOddsCaution));
  for (const std::string& part : csv) printout.csv += (printout.csv.empty() ? "" : "\n") + part;
  printout.document.planName = CaptionPlanName(plan.PlanFileName);
  printout.document.planFile = plan.PlanFileName;
  printout.document.pages.push_back(std::move(page));
  printout.plan = plan;
  return printout;
}
