#pragma once

#include <string>
#include <vector>

#include "solve/Solver.h"

// The words of an answer as the Solve page shows and prints them: the answer
// in large type, its target and proof, then what the command line prints with
// it (the final net worth and deepest shortfall at the answer, the law's
// limits it passes, a target that makes the lever matter, what the lever moves).
struct SolveAnswerText {
  std::string answer;
  std::string proof;
  std::vector<std::string> details;
};

SolveAnswerText DescribeAnswer(const PlanRecord& plan, const SolveRequest& request, const SolveResult& result);
