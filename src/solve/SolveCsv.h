#pragma once

#include <string>

#include "solve/Frontier.h"
#include "solve/Sensitivity.h"
#include "solve/Solver.h"

// Answers, frontiers and sensitivities as CSV, for spreadsheets: the same text
// wherever it is written (solve, frontier and sensitivity --format csv, the
// Solve page's Copy and Save as CSV). Values are numbers in the lever's unit
// (dollars, years, percent with two decimals), outcomes in words.

// A header and one row: the lever, target and odds asked for, and the answer with its proof.
std::string SolveAnswerCsv(const SolveRequest& request, const SolveResult& result);

// A header and a row per point of the lever stepped along, with the answer there.
std::string FrontierCsv(const FrontierRequest& request, const FrontierResult& frontier);

// A header and a row per input, largest swing first: its value one step down
// and up and what each does to the figure (dollars, or points of the share with odds).
std::string SensitivityCsv(const SensitivityRequest& request, const SensitivityResult& result);

// The figure a sensitivity measures, as programs name it: a metric's name, or
// "savingsLastedShare" / "noNewDebtShare" with odds.
std::string SensitivityFigureKey(const SensitivityRequest& request);
