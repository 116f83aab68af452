#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/PlanRecord.h"

// What a solve varies. Every lever has a whole-number value: dollars a year,
// years, or hundredths of a percentage point for rates, so its step is 1.
enum class LeverKind { Spending, RetireAge, Savings, Field, ClaimAge };
enum class LeverUnit { Dollars, Years, Percent };
enum class LeverPerson { First, Second, Both };

// Which end of the lever the answer lies toward: the largest spending, the
// earliest retirement, the smallest savings. A field lever and the claiming
// age find their way from the outcome at their bounds: a later claim pays more
// a year but for fewer years, so either end may be the one that helps.
enum class LeverGoal { Largest, Smallest, Either };

struct Lever {
  LeverKind kind = LeverKind::Spending;
  LeverPerson person = LeverPerson::First;  // retirement and claiming ages only
  int line = -1;  // the plan file line of a field lever

  bool operator==(const Lever&) const = default;
};

struct LeverBounds {
  std::int64_t min = 0;
  std::int64_t max = 0;
};

Lever SpendingLever();
Lever SavingsLever();
Lever RetireAgeLever(LeverPerson person);
// The Social Security starting age (SocialSecurityAge1/2) of a person who
// typed the benefit at full retirement age, from 62 to 70 among the ages not
// yet passed; both move together keeping the years between them.
Lever ClaimAgeLever(LeverPerson person);
// The numeric input with this record name (as the plan comparison names it);
// nothing, with the reason in `problem`, for a name that is no such input or
// for a page total, which follows its entries.
std::optional<Lever> FieldLever(const std::string& name, std::string& problem);

// "spending", "savings", "retire-age", "claim-age" or "field:NAME": the lever's key for programs.
std::string LeverKey(const Lever& lever);

// Why the lever cannot move this plan (no living expenses to scale, no
// benefit at full retirement age to claim), or empty.
std::string LeverProblem(const Lever& lever, const PlanRecord& plan);

LeverUnit UnitOf(const Lever& lever);
LeverGoal GoalOf(const Lever& lever);
// Bounds a search may reach; never beyond the 64-bit range whatever the plan holds.
LeverBounds DefaultBounds(const Lever& lever, const PlanRecord& plan);

// The lever's value in the plan.
std::int64_t LeverValue(const Lever& lever, const PlanRecord& plan);

// The plan with the lever set to `value`; page totals that the forecast reads
// as stored follow their entries.
PlanRecord WithLever(const Lever& lever, const PlanRecord& plan, std::int64_t value);

// "$52,300 a year", "age 62", "4.25 %".
std::string LeverValueText(const Lever& lever, std::int64_t value);
// The value as a number for programs: dollars, years, or percent with two decimals.
std::string LeverValueNumber(const Lever& lever, std::int64_t value);
// What the lever moves, in words: "yearly living expenses", "Salary #1 (Income Page)".
std::string LeverWords(const Lever& lever);
// What the lever moves and leaves alone, in sentences, for a reader who
// compares it with the forecast table; empty when the words say it all.
std::string LeverExplanation(const Lever& lever);

// A lever's value as typed: whole dollars or years, or a percentage with up
// to two decimals.
std::optional<std::int64_t> ParseLeverValue(const Lever& lever, const std::string& text);
