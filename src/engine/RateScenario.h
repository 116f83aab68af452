#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/RatePath.h"
#include "model/PlanRecord.h"

// The series in the order the desktop lists them.
inline constexpr std::array<RateSeries, kRateSeriesCount> kRateSeries = {RateSeries::Inflation, RateSeries::TaxableReturn,
                                                          RateSeries::DeferredReturn, RateSeries::RealEstateGrowth};

// "inflation", "taxable return", "tax-deferred return", "home growth".
const char* RateSeriesName(RateSeries series);

// One typed change: `series` takes `value` percent (returns and growth above
// inflation, as the plan holds them) in the calendar years firstYear ..
// firstYear + years - 1. A nominal return or growth is the whole yearly
// change before inflation: since a year grows by 1 + (inflation + rate) / 100,
// its rate above inflation is the value less that year's inflation in the
// scenario, so a higher typed inflation leaves the nominal figure as typed.
// Inflation is nominal by nature and ignores the flag.
struct RateOverride {
  RateSeries series = RateSeries::Inflation;
  std::int64_t firstYear = 0;
  int years = 1;
  long double value = 0.0L;
  bool nominal = false;
  bool operator==(const RateOverride&) const = default;
};

// Why the override cannot run on the plan (a value outside the rate range, a
// start before the plan's current year or after its last, no years), or empty.
std::string RateOverrideProblem(const PlanRecord& plan, const RateOverride& change);

// The plan's own rates in every year, with each override's years set to its
// value (a nominal one less the year's inflation, once every inflation
// override is in); a later override wins where two cover the same year and
// series. Years outside the forecast are ignored.
RatePath ScenarioPath(const PlanRecord& plan, const std::vector<RateOverride>& changes);

// The forecast rows a rate file of the scenario holds: from the current year
// to the last year it changes, at least the first.
int ScenarioRows(const PlanRecord& plan, const std::vector<RateOverride>& changes);

// The scenario as the rate file `forecast --rates` and `diff --rates` read:
// those rows of ScenarioPath, each rate written so that it reads back exactly.
std::string ScenarioCsv(const PlanRecord& plan, const std::vector<RateOverride>& changes);

// "Inflation 5 % 2026-2035", "Taxable return 7 % nominal 2026-2035", or "Rate
// scenario (3 changes)": the curve's name.
std::string ScenarioName(const std::vector<RateOverride>& changes);
