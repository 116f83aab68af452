#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "compare/ComparisonMetric.h"
#include "solve/Solver.h"

// Every numeric input the forecast reads, moved one step each way (amounts
// 10 %, ages and years 1, rates 1 point), and what that does to one figure.
struct SensitivityRequest {
  ComparisonMetric metric = DefaultMetric();
  // With odds, the figure is the share of trials (in percent) that meet the
  // target, on the same trials for every input.
  std::optional<SolveOdds> odds;
  Target target;  // never borrow or never new debt

};

struct SensitivityRow {
  Lever input;  // a field lever
  std::int64_t value = 0;  // the plan's, in the lever's unit
  std::int64_t down = 0;
  std::int64_t up = 0;
  double changeDown = 0.0;  // the figure at `down` minus the plan's
  double changeUp = 0.0;

  double Swing() const;  // the larger of the two changes, by size
};

struct SensitivityResult {
  double base = 0.0;  // the plan's own figure
  std::vector<SensitivityRow> rows;  // by swing, largest first
  bool cancelled = false;
  std::int64_t forecasts = 0;
  double seconds = 0.0;
};

// Why the request cannot run (a target the trials' grades do not tell), or empty.
std::string SensitivityRequestProblem(const SensitivityRequest& request);

// The step each way of an input at `value` (in the lever's unit).
std::int64_t SensitivityStep(const Lever& input, std::int64_t value);
// The input at `value` and one step each way, saturating at the 64-bit range.
SensitivityRow SensitivityRowAt(const Lever& input, std::int64_t value);

// Every input sensitivity moves on the plan, in plan file order: the first
// layout's, then the block's dollar amounts the plan sets (an amount left at
// zero would only add a row that one step never moves).
std::vector<Lever> SensitivityInputs(const PlanRecord& plan);

SensitivityResult RunSensitivity(const PlanRecord& plan, const SensitivityRequest& request,
                                 const SolveControl& control = {});
