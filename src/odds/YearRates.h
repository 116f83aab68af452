#pragma once

#include <vector>

// One forecast year's economy, in the units of the plan's own fields: percent
// per year, the returns and the real-estate growth above that year's inflation.
struct YearRates {
  long double inflation = 0.0L;
  long double taxableReturn = 0.0L;
  long double deferredReturn = 0.0L;
  long double realEstateGrowth = 0.0L;
};

// One trial's rates, element 0 for the current year, one per forecast row.
using TrialRates = std::vector<YearRates>;
