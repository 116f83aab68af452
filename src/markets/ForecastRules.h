#pragma once

#include <cstdint>
#include <string>

#include "engine/RatePath.h"
#include "engine/TaxRules.h"
#include "markets/RecordedInflation.h"
#include "model/PlanRecord.h"

// What spending does in a year of falling prices: it holds (the inflation
// index never falls, so a deflation year costs last year's prices), or it
// follows prices down.
enum class DeflationRule { Hold, Follow };
// "hold" or "follow": the rule's word on the command line and in the settings.
const char* DeflationWord(DeflationRule rule);

// What can be borrowed against the home when the mortgage owed is above 75
// percent of its value: nothing (the floor), or the first design's negative
// limit, booked as a negative borrowing that enlarges the new debt.
enum class HomeEquityLimitRule { Floor, FirstDesign };
// "floor" or "first-design": the rule's word on the command line and in the settings.
const char* HomeEquityLimitWord(HomeEquityLimitRule rule);

// The rules a forecast runs under that are no part of the plan: what the
// years before the plan's current year take, and which tax rules the future
// years follow. Program settings on the desktop, options on the command line;
// one value carried by every path into the run (the forecast, explanations,
// comparisons, trials, history starts, stress tests and the solver).
struct ForecastRules {
  PastInflationRule past = PastInflationRule::Recorded;
  TaxRules taxes = TaxRules::Law;
  DeflationRule deflation = DeflationRule::Hold;
  HomeEquityLimitRule homeEquityLimit = HomeEquityLimitRule::Floor;
  bool operator==(const ForecastRules&) const = default;
};

// The path with the past, the tax rules, the deflation and the home-equity
// rules the rules ask for: the record, or the plan's own inflation rate whatever the path's first
// year holds.
RatePath WithRules(RatePath path, ForecastRules rules, const PlanRecord& plan);

// The plan's own rates under the rules: the path of every forecast of a plan
// that is not given other rates.
RatePath PlanRatePath(const PlanRecord& plan, ForecastRules rules);

// "Future taxes: the first design's curve" under the curve, so outputs that
// differ by it can be told apart; empty under the law, the default.
std::string TaxRulesNote(TaxRules rules);

// "Deflation: spending follows prices down" under that rule; empty when it holds, the default.
std::string DeflationNote(DeflationRule rule);

// "Home-equity limit: the first design's (may be negative)" under that rule; empty under the floor, the default.
std::string HomeEquityLimitNote(HomeEquityLimitRule rule);

// The notes of the rules, "; " between them; empty under the defaults.
std::string ForecastRulesNote(std::int64_t currentYear, ForecastRules rules);
