#pragma once

#include <cstdint>
#include <string>

#include "engine/Forecast.h"
#include "model/PlanRecord.h"

// What must hold for a lever value to count: never borrowing at all (no home
// equity, no new debt: the savings last, the default), never new debt, or a
// net worth at an age.
enum class TargetKind { NeverNewDebt, NeverBorrow, NetWorthAt };

struct Target {
  TargetKind kind = TargetKind::NeverBorrow;
  std::int64_t age = 0;     // person 1's age, for NetWorthAt
  std::int64_t amount = 0;  // today's dollars, for NetWorthAt
};

// "never-borrow", "never-new-debt" or "net-worth:AGE:AMOUNT": the target's key for programs.
std::string TargetKey(const Target& target);
// "never takes new debt", "net worth at 65 at least $1,000,000 in today's dollars".
std::string TargetWords(const Target& target);
// Why the target cannot be judged on this plan (an age the forecast does not reach), or empty.
std::string TargetProblem(const Target& target, const PlanRecord& plan);

struct TargetCheck {
  bool holds = false;
  std::int64_t year = 0;  // the year that decides it: the first that fails, or the year of the age
  // What the plan does, after "the plan": "takes new debt in 2031 ($4,985)",
  // "has a net worth of $812,000 at 65 (2046, today's dollars)".
  std::string reason;
};

// Whether one forecast meets the target, without the words: the odds ask it of every trial.
bool MeetsTarget(const Target& target, const PlanRecord& plan, const Forecast& forecast);

// Judges one forecast of the plan (each year's own dollars, its own inflation indices).
TargetCheck CheckTarget(const Target& target, const PlanRecord& plan, const Forecast& forecast);
