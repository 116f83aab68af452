#pragma once

#include <cstdint>
#include <vector>

#include "solve/Solver.h"

// One lever stepped over a range and, at each of its values, another solved:
// "the spending you can afford for each retirement age".
struct FrontierRequest {
  Lever along;
  std::int64_t from = 0;
  std::int64_t to = 0;
  std::int64_t step = 1;
  SolveRequest solve;  // the lever solved at each point, its target and odds
};

struct FrontierPoint {
  std::int64_t value = 0;  // of the lever stepped along
  SolveResult result;
};

struct FrontierResult {
  std::vector<FrontierPoint> points;
  std::int64_t planValue = 0;  // the plan's own value of the lever stepped along
  bool cancelled = false;
  std::int64_t forecasts = 0;
  double seconds = 0.0;
};

inline constexpr int kMaxFrontierPoints = 200;

// The lever a frontier steps along when none is chosen: the spending for a
// retirement lever, the first person's retirement age for any other.
Lever DefaultFrontierLever(const Lever& solved);

// Sixteen values around the plan's own: retirement ages from eight years
// before (not before the first person's age), other years eight either side,
// amounts 72 % to 132 %, rates 8 points either side, within the lever's bounds.
FrontierRequest DefaultFrontierRange(const Lever& along, const PlanRecord& plan);

// The step that covers from..to in at most sixteen values.
std::int64_t FrontierStep(std::int64_t from, std::int64_t to);

// Why the frontier cannot run (a bad range, the same lever twice, ...), or empty.
std::string FrontierProblem(const PlanRecord& plan, const FrontierRequest& request);

FrontierResult RunFrontier(const PlanRecord& plan, const FrontierRequest& request, const SolveControl& control = {});
