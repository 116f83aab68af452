#include "compare/Comparison.h"

#include "model/WithdrawalStrategy.h"

#include "compare/ComparisonForecast.h"

Comparison ComparePlans(const PlanRecord& base, const PlanRecord& other, const ComparisonOptions& options) {
  Comparison comparison;
  comparison.options = options;
  comparison.inputs = DiffPlans(base, other);
  comparison.accounts = UsesAccounts(base) || UsesAccounts(other);
  const RateSource& rates = options.metric.rates;
  const ForecastRules rules = options.metric.rules;
  const ForecastTable baseToday = ForecastOf(base, true, rates, rules);
  const ForecastTable otherToday = ForecastOf(other, true, rates, rules);
  if (options.currentDollars) {
    comparison.years = CompareYears(base, baseToday, other, otherToday);
  } else {
    comparison.years = CompareYears(base, ForecastOf(base, false, rates, rules), other,
                                     ForecastOf(other, false, rates, rules));
  }
  comparison.summary = SummarizeComparison(base, baseToday, other, otherToday, comparison.accounts);
  comparison.attribution =
      Attribute(base, other, comparison.inputs.changedInputs, options.metric, MetricIn(options.metric, base, baseToday),
                MetricIn(options.metric, other, otherToday), options.method);
  return comparison;
}
