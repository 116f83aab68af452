#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "compare/ComparisonForecast.h"
#include "engine/ForecastColumns.h"
#include "engine/ForecastTable.h"
#include "model/PlanRecord.h"

// The figure an attribution explains: one year-table field in today's
// dollars, either in the plan's last forecast year or summed over all its
// years (saturating). Written "NAME" or "NAME:last" for the last year and
// "NAME:sum" for the sum, NAME being a field as kForecastColumns spells it.
struct ComparisonMetric {
  const ForecastColumn* field = nullptr;
  bool summed = false;
  // The rates the plans run on (diff --rates, --history-start); empty: their own.
  RateSource rates;
  // What the years before each plan's current year take.
  ForecastRules rules;
};

// Net worth in the last year.
ComparisonMetric DefaultMetric();

std::optional<ComparisonMetric> ParseMetric(std::string_view text);

// "NetWorth:last", "IncomeTaxes:sum".
std::string MetricName(const ComparisonMetric& metric);

// The metric of the plan's forecast (`today`: its table in today's dollars);
// 0 for a plan without forecast years.
std::int64_t MetricIn(const ComparisonMetric& metric, const PlanRecord& plan, const ForecastTable& today);
std::int64_t MetricOf(const ComparisonMetric& metric, const PlanRecord& plan);
