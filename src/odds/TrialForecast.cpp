#include "odds/TrialForecast.h"

#include "engine/DollarViews.h"
#include "engine/Forecast.h"

namespace {

// TO BE REPLACED by the engine's run on a rate path: the engine takes one
// rate per series for the whole forecast, so this uses the path's first year
// for every year. Exact for constant paths only (zero deviations, equal
// history rows); varying paths vary only from trial to trial until then.
PlanRecord PlanWithRates(const PlanRecord& plan, const TrialRates& rates) {
  PlanRecord copy = plan;
  if (rates.empty()) return copy;
  copy.InflationRate = rates.front().inflation;
  copy.TaxableReturn = rates.front().taxableReturn;
  copy.TaxDeferredReturn = rates.front().deferredReturn;
  copy.RealEstateGrowth = rates.front().realEstateGrowth;
  return copy;
}

}  // namespace

ForecastTable RunTrialForecast(const PlanRecord& plan, const TrialRates& rates) {
  PlanRecord copy = PlanWithRates(plan, rates);
  ForecastTable table;
  RunForecast(copy, table);
  return table;
}

void TrialToCurrentDollars(const PlanRecord& plan, const TrialRates& rates, ForecastTable& table) {
  ToCurrentDollars(PlanWithRates(plan, rates), table);
}
