#include "compare/ComparisonMetric.h"

#include "compare/ComparisonForecast.h"

ComparisonMetric DefaultMetric() {
  ComparisonMetric metric;
  metric.field = FindForecastColumn("NetWorth");
  return metric;
}

std::optional<ComparisonMetric> ParseMetric(std::string_view text) {
  ComparisonMetric metric;
  const std::size_t colon = text.find(':');
  if (colon != std::string_view::npos) {
    const std::string_view how = text.substr(colon + 1);
    if (how == "sum") {
      metric.summed = true;
    } else if (how != "last") {
      return std::nullopt;
    }
    text = text.substr(0, colon);
  }
  metric.field = FindForecastColumn(text);
  if (!metric.field) return std::nullopt;
  return metric;
}

std::string MetricName(const ComparisonMetric& metric) {
  return std::string(metric.field->name) + (metric.summed ? ":sum" : ":last");
}

std::int64_t MetricOf(const ComparisonMetric& metric, const PlanRecord& plan) {
  return MetricIn(metric, plan, ForecastOf(plan, true, metric.rates, metric.rules));
}

std::int64_t MetricIn(const ComparisonMetric& metric, const PlanRecord& plan, const ForecastTable& table) {
  const int rows = RowCount(plan);
  if (rows == 0) return 0;
  if (!metric.summed) return table.Year(rows).*metric.field->field;
  return SumOverYears(table, rows, metric.field->field);
}
