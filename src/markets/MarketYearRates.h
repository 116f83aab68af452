#pragma once

#include "engine/RatePath.h"
#include "markets/MarketHistory.h"

// How a year of market history becomes a forecast year's rates: each account
// earns its mix of stocks and bonds over the year's inflation; real estate
// grows by the data's column over inflation when there is one, else by the
// plan's own growth over inflation.
struct MarketMix {
  long double stocksTaxable = 60.0L;   // percent of taxable savings in stocks, the rest in bonds
  long double stocksDeferred = 60.0L;  // the same for tax-deferred savings
  bool realEstateFromData = false;
  long double planRealEstateGrowth = 0.0L;
};

YearRates RatesOfMarketYear(const MarketYear& data, const MarketMix& mix);

// A stock share the mix accepts: 0 to 100 percent.
bool ValidStockShare(long double percent);
