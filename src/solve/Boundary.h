#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "solve/Solver.h"

// Where a target stops holding along a lever, measured in hardness: the
// higher, the harder the target is to meet.
struct Boundary {
  bool found = false;  // held at `held`, failed at `missed` = held + 1
  std::int64_t held = 0;
  std::int64_t missed = 0;
  ValueOutcome heldOutcome;
  ValueOutcome missedOutcome;
  // Not found: the end that decides, the easiest value failing or the hardest holding.
  ValueOutcome end;
};

struct BoundaryFinder {
  std::int64_t easiest = 0;
  std::int64_t hardest = 0;
  // Judges one hardness; nothing when the run was cancelled.
  std::function<std::optional<ValueOutcome>(std::int64_t hardness)> judge;

  // Gallops from `start` by doubling steps until the outcome changes (or an
  // end is reached), then halves the bracket down to one step.
  std::optional<Boundary> Find(std::int64_t start, std::int64_t step) const;
};
