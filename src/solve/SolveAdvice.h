#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "solve/Solver.h"

// What a household needs next to a solve's answer: a target under which the
// lever matters when the one asked for never fails, and the law's limits an
// answer runs past.

// When the savings lever cannot fail a debt target (the savings last even
// with none), the target that asks how much to save: the net worth person 1
// reaches at retirement with the plan's own savings, in today's dollars,
// rounded down to $10,000. Nothing otherwise.
std::optional<Target> MeaningfulTarget(const PlanRecord& plan, const SolveRequest& request, const SolveResult& result);

// "Savings do not decide this target: ... Ask for a net worth at retirement instead: at 65 at least $1,230,000
// (what the plan reaches with its own savings)." Empty when MeaningfulTarget gives nothing.
std::string MeaningfulTargetWords(const PlanRecord& plan, const SolveRequest& request, const SolveResult& result);

// The elective-deferral limit of 2026 for a person of `age` in that year:
// $24,500, plus a catch-up of $8,000 from 50, or $11,250 instead from 60 to 63.
std::int64_t ElectiveDeferralLimit(std::int64_t age);

// Why the plan with the lever at `value` contributes more to tax-deferred
// savings than the law allows a person in a year, or empty.
std::string ContributionLimitWarning(const PlanRecord& plan, const Lever& lever, std::int64_t value);
