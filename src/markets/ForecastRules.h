#pragma once

#include <cstdint>
#include <string>

#include "engine/RatePath.h"
#include "engine/TaxRules.h"
#include "markets/RecordedInflation.h"
#include "model/PlanRecord.h"

// The rules a forecast runs under that are no part of the plan: what the
// years before the plan's current year take, and which tax rules the future
// years follow. Program settings on the desktop, options on the command line;
// one value carried by every path into the run (the forecast, explanations,
// comparisons, trials, history starts, stress tests and the solver).
struct ForecastRules {
  PastInflationRule past = PastInflationRule::Recorded;
  TaxRules taxes = TaxRules::Law;
  bool operator==(const ForecastRules&) const = default;
};

// The path with the past and the tax rules the rules ask for: the record, or
// the plan's own inflation rate whatever the path's first year holds.
RatePath WithRules(RatePath path, ForecastRules rules, const PlanRecord& plan);

// The plan's own rates under the rules: the path of every forecast of a plan
// that is not given other rates.
RatePath PlanRatePath(const PlanRecord& plan, ForecastRules rules);

// "Future taxes: the first design's curve" under the curve, so outputs that
// differ by it can be told apart; empty under the law, the default.
std::string TaxRulesNote(TaxRules rules);

// The notes of both rules, "; " between them; empty under the defaults.
std::string ForecastRulesNote(std::int64_t currentYear, ForecastRules rules);
