#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/PlanRecord.h"

// What a solve varies. Every lever has a whole-number value: dollars a year,
// years, or hundredths of a percentage point for rates, so its step is 1.
enum class LeverKind { Spending, RetireAge, Savings, Field };
enum class LeverUnit { Dollars, Years, Percent };
enum class LeverPerson { First, Second, Both };

// Which end of the lever the answer lies toward: the largest spending, the
// earliest retirement, the smallest savings. A field lever finds its way from
// the outcome at its bounds.
enum class LeverGoal { Largest, Smallest, Either };

struct Lever {
  LeverKind kind = LeverKind::Spending;
  LeverPerson person = LeverPerson::First;
  int line = -1;  // the plan file line of a field lever
  std::string name;  // as the command line names it
};

struct LeverBounds {
  std::int64_t min = 0;
  std::int64_t max = 0;
};

// "spending", "retire-age", "savings" or "field:NAME" with NAME a record name
// as diff lists it; nothing, with the reason in `error`, for anything else.
// `person` is 1, 2 or "both"; only retire-age reads it.
std::optional<Lever> ParseLever(const std::string& text, const std::string& person, std::string& error);

// Why the lever cannot move this plan (no living expenses to scale), or empty.
std::string LeverProblem(const Lever& lever, const PlanRecord& plan);

LeverUnit UnitOf(const Lever& lever);
LeverGoal GoalOf(const Lever& lever);
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

// A lever's value typed by a user (--min, --max, --from, --to): whole dollars
// or years, or a percentage with up to two decimals.
std::optional<std::int64_t> ParseLeverValue(const Lever& lever, const std::string& text);
