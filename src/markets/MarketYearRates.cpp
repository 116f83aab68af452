#include "markets/MarketYearRates.h"

namespace {

long double Mix(long double stockPercent, const MarketYear& year) {
  const long double share = stockPercent / 100.0L;
  return share * year.stocks + (1.0L - share) * year.bonds;
}

}  // namespace

YearRates RatesOfMarketYear(const MarketYear& data, const MarketMix& mix) {
  YearRates year;
  year.Inflation = data.inflation;
  year.TaxableReturn = Mix(mix.stocksTaxable, data) - data.inflation;
  year.TaxDeferredReturn = Mix(mix.stocksDeferred, data) - data.inflation;
  year.RealEstateGrowth = mix.realEstateFromData ? data.realEstate - data.inflation : mix.planRealEstateGrowth;
  return year;
}

bool ValidStockShare(long double percent) { return percent >= 0.0L && percent <= 100.0L; }
