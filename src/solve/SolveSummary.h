#pragma once

#include <cstdint>
#include <string>

#include "solve/Solver.h"

// The words of a solve's result, as the command line and the Solve page show them.

// "never takes new debt, in at least 90.0 % of the trials".
std::string TargetLine(const SolveRequest& request);
// "$71,234 a year (114.3 % of the plan's $62,340 a year)".
std::string AnswerLine(const SolveRequest& request, const SolveResult& result);
// "at $71,234 a year the plan never takes new debt; one step past, at $71,235 a year, it takes new debt in 2051 ($12)".
std::string ProofLine(const SolveRequest& request, const SolveResult& result);
// The plan's forecast with the lever at `value`: the last year's net worth and the deepest shortfall.
std::string ForecastSummary(const SolveRequest& request, const PlanRecord& plan, std::int64_t value);

// Keys for programs: "dollars", "years", "percent"; "solved", "unreachable", ...
std::string UnitKey(const Lever& lever);
std::string StatusKey(SolveStatus status);
// 9050 -> "90.50".
std::string PercentNumber(std::int64_t hundredths);
