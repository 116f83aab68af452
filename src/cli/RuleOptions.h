#pragma once

#include <string>

#include "markets/ForecastRules.h"

// An option that chooses one of the rules a forecast runs under. Every
// command that forecasts takes all of them, through this one table.
struct RuleOption {
  const char* name;
  const char* refusal;  // why a value is refused
  // Stores the word into the rules; false for a word the option does not take.
  bool (*store)(const std::string& word, ForecastRules& rules);
};

// --past-inflation, --tax-rules, --deflation or --home-equity-limit by name; nullptr for any other.
const RuleOption* FindRuleOption(const std::string& name);
