#include "views/NetWorthBand.h"

namespace {

constexpr std::size_t kLow = 0;                          // p10
constexpr std::size_t kHigh = kBandPercents.size() - 1;  // p90

}  // namespace

GraphBand NetWorthBand(const std::vector<YearBands>& years, bool currentDollars) {
  GraphBand band;
  for (const YearBands& year : years) {
    const BandValues& values = currentDollars ? year.current : year.inflated;
    band.low.push_back(values[kLow]);
    band.high.push_back(values[kHigh]);
  }
  return band;
}
