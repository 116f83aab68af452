#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "model/PlanRecord.h"

// Withdrawal-strategy inputs given on the command line. Unlike the rule
// options they change the plan itself, as read, before anything runs on it:
// the forecast, every trial and solve's levers see the plan as if the file
// held them.
struct PlanOverrides {
  std::optional<std::string> withdrawalOrder;  // the words as the file stores them, lower case
  std::optional<std::int32_t> fillBracket;
  std::optional<std::string> fillInto;
  std::optional<std::int64_t> convertAmount;
  std::optional<std::pair<std::int32_t, std::int32_t>> fillAges;  // person 1's first and last
};

// An option that overrides one plan input. Every command that forecasts takes
// all of them, through this one table.
struct PlanOverrideOption {
  const char* name;
  // Stores the value into the overrides; returns why it is refused, empty when taken.
  std::string (*store)(const std::string& value, PlanOverrides& overrides);
};

// --withdrawal-order, --fill-bracket, --fill-into, --convert or --fill-ages by name; nullptr for any other.
const PlanOverrideOption* FindPlanOverride(const std::string& name);

// Writes each given input into the plan; the others stay as the file has them.
void ApplyPlanOverrides(const PlanOverrides& overrides, PlanRecord& plan);
