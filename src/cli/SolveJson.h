#pragma once

#include <string>

#include "solve/Solver.h"

// JSON pieces shared by solve and frontier.

// {"name","words","unit","plan"<extra>}
std::string LeverJson(const Lever& lever, std::int64_t planValue, const std::string& extra = {});
// "target":{"key","words"},"odds":P or null
std::string TargetAndOddsJson(const SolveRequest& request);
// {"value","holds","text", and "trials","met" with odds or "year" without}
std::string OutcomeJson(const SolveRequest& request, const ValueOutcome& outcome);
// "status","answer","atAnswer","atNeighbour","reason" of one result
std::string ResultJson(const SolveRequest& request, const SolveResult& result);
