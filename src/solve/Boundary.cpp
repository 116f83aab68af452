#include "solve/Boundary.h"

#include <algorithm>

namespace {

// How far apart two values are, in unsigned arithmetic: a range may span the
// whole 64-bit width, wider than a signed difference holds.
std::uint64_t Distance(std::int64_t low, std::int64_t high) {
  return static_cast<std::uint64_t>(high) - static_cast<std::uint64_t>(low);
}

std::int64_t Toward(std::int64_t from, std::int64_t step, std::int64_t limit) {
  // Saturates at the limit rather than overflow on a wide range.
  const std::uint64_t distance = limit >= from ? Distance(from, limit) : Distance(limit, from);
  if (distance <= static_cast<std::uint64_t>(step)) return limit;
  return limit >= from ? from + step : from - step;
}

}  // namespace

std::optional<Boundary> BoundaryFinder::Find(std::int64_t start, std::int64_t step) const {
  start = std::clamp(start, easiest, hardest);
  step = std::max<std::int64_t>(1, step);
  std::optional<ValueOutcome> first = judge(start);
  if (!first) return std::nullopt;
  Boundary boundary;
  std::int64_t held = start;
  std::int64_t missed = start;
  ValueOutcome heldOutcome = *first;
  ValueOutcome missedOutcome = *first;
  if (first->holds) {
    for (;;) {
      if (held == hardest) {
        boundary.end = heldOutcome;
        return boundary;
      }
      const std::int64_t next = Toward(held, step, hardest);
      std::optional<ValueOutcome> outcome = judge(next);
      if (!outcome) return std::nullopt;
      if (!outcome->holds) {
        missed = next;
        missedOutcome = *outcome;
        break;
      }
      held = next;
      heldOutcome = *outcome;
      step = step > INT64_MAX / 2 ? step : step * 2;
    }
  } else {
    for (;;) {
      if (missed == easiest) {
        boundary.end = missedOutcome;
        return boundary;
      }
      const std::int64_t next = Toward(missed, step, easiest);
      std::optional<ValueOutcome> outcome = judge(next);
      if (!outcome) return std::nullopt;
      if (outcome->holds) {
        held = next;
        heldOutcome = *outcome;
        break;
      }
      missed = next;
      missedOutcome = *outcome;
      step = step > INT64_MAX / 2 ? step : step * 2;
    }
  }
  while (Distance(held, missed) > 1) {
    const auto middle = static_cast<std::int64_t>(static_cast<std::uint64_t>(held) + Distance(held, missed) / 2);
    std::optional<ValueOutcome> outcome = judge(middle);
    if (!outcome) return std::nullopt;
    if (outcome->holds) {
      held = middle;
      heldOutcome = *outcome;
    } else {
      missed = middle;
      missedOutcome = *outcome;
    }
  }
  boundary.found = true;
  boundary.held = held;
  boundary.missed = missed;
  boundary.heldOutcome = heldOutcome;
  boundary.missedOutcome = missedOutcome;
  return boundary;
}
