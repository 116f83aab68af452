#pragma once

#include <vector>

#include "odds/OddsResult.h"
#include "render/GraphBand.h"

// The graph's net-worth band from the odds' percentiles (element k of
// `years` is plan year index k, as OddsResult::years holds them): p10 to p90
// in the dollar view the graph shows.
GraphBand NetWorthBand(const std::vector<YearBands>& years, bool currentDollars);
