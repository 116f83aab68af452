#include "engine/RatePath.h"

#include <algorithm>
#include <utility>

namespace {

YearRates RatesOf(const PlanRecord& plan) {
  return {plan.InflationRate, plan.TaxableReturn, plan.TaxDeferredReturn, plan.RealEstateGrowth};
}

}  // namespace

RatePath::RatePath() {
  years_[0] = RatesOf(PlanRecord{});
  count_ = 1;
}

RatePath::RatePath(const std::vector<YearRates>& years) {
  count_ = static_cast<int>(std::min<std::size_t>(years.size(), years_.size()));
  std::copy_n(years.begin(), count_, years_.begin());
  if (count_ == 0) {
    years_[0] = RatesOf(PlanRecord{});
    count_ = 1;
  }
}

RatePath RatePath::FromPlan(const PlanRecord& plan) { return Constant(RatesOf(plan)); }

RatePath RatePath::Constant(const YearRates& rates) {
  RatePath path;
  path.years_.fill(rates);
  path.count_ = kForecastRows;
  return path;
}

const YearRates& RatePath::Year(int a) const { return years_[static_cast<std::size_t>(std::clamp(a, 1, count_) - 1)]; }

void RatePath::SetYear(int a, const YearRates& rates) {
  if (a < 1 || a > kForecastRows) return;
  // Years skipped over repeat the last year given, as reading them did.
  for (int y = count_ + 1; y < a; ++y) years_[static_cast<std::size_t>(y - 1)] = Year(count_);
  years_[static_cast<std::size_t>(a - 1)] = rates;
  count_ = std::max(count_, a);
}

RatePath RatePath::WithPlanRatesFrom(int a, const PlanRecord& plan) const {
  RatePath path = FromPlan(plan);
  path.past_ = past_;
  path.taxRules_ = taxRules_;
  path.pastRate_ = pastRate_;
  path.deflationFollowed_ = deflationFollowed_;
  path.homeEquityFloored_ = homeEquityFloored_;
  for (int y = 1; y < std::min(a, kForecastRows + 1); ++y) path.years_[static_cast<std::size_t>(y - 1)] = Year(y);
  return path;
}

const long double& RateOf(const YearRates& rates, RateSeries series) {
  switch (series) {
    case RateSeries::TaxableReturn:
      return rates.TaxableReturn;
    case RateSeries::DeferredReturn:
      return rates.TaxDeferredReturn;
    case RateSeries::RealEstateGrowth:
      return rates.RealEstateGrowth;
    case RateSeries::Inflation:
      break;
  }
  return rates.Inflation;
}

long double& RateOf(YearRates& rates, RateSeries series) {
  return const_cast<long double&>(RateOf(std::as_const(rates), series));
}

long double PlanRateOf(const PlanRecord& plan, RateSeries series) { return RateOf(RatesOf(plan), series); }
