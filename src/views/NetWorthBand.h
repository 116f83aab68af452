#pragma once

#include <vector>

#include "odds/OddsResult.h"
#include "render/GraphBand.h"

// The assets axis may grow to show the band's p90 up to this many times its
// highest p75, as the odds page's fan chart does; a few lucky lives then
// leave the plan's own curves readable.
inline constexpr long double kBandReachOverP75 = 2.5L;

// The graph's net-worth band from the odds' percentiles (element k of
// `years` is plan year index k, as OddsResult::years holds them): p10 to p90
// in the dollar view the graph shows.
GraphBand NetWorthBand(const std::vector<YearBands>& years, bool currentDollars);
