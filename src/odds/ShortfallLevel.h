#pragma once

#include <array>
#include <cstdint>

#include "engine/ForecastTable.h"
#include "engine/TaxRules.h"
#include "model/PlanRecord.h"

// How deep a forecast's worst shortfall (a year whose expenses exceed its
// income) went, following the order in which the engine covers it.
enum class ShortfallLevel : std::uint8_t {
  None = 0,            // income always covered expenses
  TaxableSavings = 1,  // savings covered it (taxable, or tax-deferred once distributions are due)
  DeferredEarly = 2,   // tax-deferred savings drawn before the required distributions
  HomeEquity = 3,      // borrowed against the home
  NewDebt = 4,         // what nothing covered became new debt
};
inline constexpr int kShortfallLevelCount = 5;

// "no shortfall", "covered from taxable savings", ...
const char* ShortfallLevelText(ShortfallLevel level);
// "none", "taxable", "deferred-early", "home-equity", "new-debt": keys for
// machine-read output.
const char* ShortfallLevelKey(ShortfallLevel level);

struct TrialGrade {
  ShortfallLevel level = ShortfallLevel::None;
  std::int64_t firstNewDebtYear = 0;  // calendar year of the first unfunded shortfall, at level NewDebt
  bool netWorthBelowZero = false;     // in any year
};

// The first calendar year whose shortfall reaches each level, or 0 for never.
std::array<std::int64_t, kShortfallLevelCount> FirstYearOfEachLevel(const PlanRecord& plan, const ForecastTable& table,
                                                                    TaxRules rules);

// Grades a forecast table in each year's own dollars; the rules the table
// ran under say when the required distributions begin.
TrialGrade GradeTrial(const PlanRecord& plan, const ForecastTable& table, TaxRules rules);
