#pragma once

#include <optional>

#include "solve/Frontier.h"
#include "solve/Sensitivity.h"
#include "solve/Solver.h"
#include "views/ResultExport.h"

// What the Solve page shows: the answer, the frontier and the sensitivity,
// each when there is one, and the charts as the page draws them.
struct SolveShown {
  struct Answer {
    SolveRequest request;
    SolveResult result;
  };
  struct FrontierShown {
    FrontierRequest request;
    FrontierResult result;
    ReportDrawing chart;
  };
  struct SensitivityShown {
    SensitivityRequest request;
    SensitivityResult result;
    ReportDrawing chart;
  };
  std::optional<Answer> answer;
  std::optional<FrontierShown> frontier;
  std::optional<SensitivityShown> sensitivity;
};

// The Solve page on paper and as CSV: the answer, its proof and what the
// forecast does at it; the frontier chart with its points; the sensitivity
// bars with their amounts and steps. The CSV holds the same as solve,
// frontier and sensitivity --format csv, one after the other. Nothing when
// the page shows no result.
std::optional<ResultPrintout> SolvePrintout(const PlanRecord& plan, const SolveShown& shown);
