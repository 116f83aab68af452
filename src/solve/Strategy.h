#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/PlanRecord.h"

// One way to run the same household: the order the accounts are drawn in,
// what to do with the room left in a tax bracket, and when each person with a
// typed full-retirement benefit claims Social Security. The inputs are the
// plan's own (PlanRecord); a strategy is those inputs and nothing else.
struct Strategy {
  std::string withdrawalOrder = "taxable,deferred,roth";
  std::int32_t fillBracket = 0;  // percent; 0: no bracket filling
  std::string fillInto = "taxable";  // "taxable" or "roth" (a conversion)
  std::int64_t convertAmount = 0;
  std::int32_t fillFromAge = 0;
  std::int32_t fillToAge = 0;
  // Each person's claiming age (SocialSecurityAge1/2).
  std::array<std::int32_t, 2> claimAge{};

  bool operator==(const Strategy&) const = default;
};

// The orders the table tries: the usual one (tax-free money grows longest),
// tax-deferred first (taxed early in low brackets, smaller required
// distributions later) and tax-deferred last (its growth stays deferred).
inline constexpr std::array<const char*, 3> kStrategyOrders = {"taxable,deferred,roth", "deferred,taxable,roth",
                                                               "taxable,roth,deferred"};
// The brackets the table fills, into taxable savings or by a Roth conversion.
inline constexpr std::array<std::int32_t, 3> kStrategyBrackets = {12, 22, 24};
// The claiming ages tried for a person with a typed full-retirement benefit.
inline constexpr std::array<std::int32_t, 3> kStrategyClaimAges = {62, 67, 70};

// The plan's own strategy, its empty texts read as their defaults.
Strategy StrategyOf(const PlanRecord& plan);

// Whether two strategies choose the same: the filling's target and ages do
// not count when nothing is filled.
bool SameChoices(const Strategy& a, const Strategy& b);

// Writes the strategy's inputs and claiming ages into the plan; nothing else changes.
void ApplyStrategy(const Strategy& strategy, PlanRecord& plan);

// The claiming ages tried for person p (1 or 2): those of kStrategyClaimAges
// the person has not yet passed, when the plan has the person and their full
// benefit is typed; otherwise none (the plan's own age stays).
std::vector<std::int32_t> ClaimAgesTried(const PlanRecord& plan, int p);

// Every strategy the table tries on the plan, orders outermost, then bracket
// choices (none, fill 12/22/24 into taxable, convert 12/22/24 into Roth), then
// person 1's and person 2's claiming ages.
std::vector<Strategy> StrategySet(const PlanRecord& plan);

// "taxable, deferred, roth; convert to the 22 % bracket; claim 67 / 70".
std::string StrategyWords(const Strategy& strategy, const PlanRecord& plan);
