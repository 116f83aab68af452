#include "compare/Comparison.h"

#include "compare/ComparisonForecast.h"

Comparison ComparePlans(const PlanRecord& base, const PlanRecord& other, const ComparisonOptions& options) {
  Comparison comparison;
  comparison.options = options;
  comparison.inputs = DiffPlans(base, other);
  const RateSource& rates = options.metric.rates;
  const PastInflationRule past = options.metric.past;
  const ForecastTable baseToday = ForecastOf(base, true, rates, past);
  const ForecastTable otherToday = ForecastOf(other, true, rates, past);
  if (options.currentDollars) {
    comparison.years = CompareYears(base, baseToday, other, otherToday);
  } else {
    comparison.years = CompareYears(base, ForecastOf(base, false, rates, past), other,
                                     ForecastOf(other, false, rates, past));
  }
  comparison.summary = SummarizeComparison(base, baseToday, other, otherToday);
  comparison.attribution =
      Attribute(base, other, comparison.inputs.changedInputs, options.metric, MetricIn(options.metric, base, baseToday),
                MetricIn(options.metric, other, otherToday), options.method);
  return comparison;
}
