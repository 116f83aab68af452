#include "views/NetWorthBand.h"

#include <algorithm>

#include "engine/Money.h"

namespace {

constexpr std::size_t kLow = 0;                          // p10
constexpr std::size_t kUpperQuartile = 3;                // p75
constexpr std::size_t kHigh = kBandPercents.size() - 1;  // p90

}  // namespace

GraphBand NetWorthBand(const std::vector<YearBands>& years, bool currentDollars) {
  GraphBand band;
  std::int64_t highest = 0;
  std::int64_t highestUpperQuartile = 0;
  for (const YearBands& year : years) {
    const BandValues& values = currentDollars ? year.current : year.inflated;
    band.low.push_back(values[kLow]);
    band.high.push_back(values[kHigh]);
    highest = std::max(highest, values[kHigh]);
    highestUpperQuartile = std::max(highestUpperQuartile, values[kUpperQuartile]);
  }
  band.scaleReach = std::min(highest, RoundMoney(kBandReachOverP75 * static_cast<long double>(highestUpperQuartile)));
  return band;
}
