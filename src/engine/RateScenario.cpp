#include "engine/RateScenario.h"

#include <algorithm>
#include <cstdio>

#include "engine/ForecastTable.h"
#include "engine/RatePathCsv.h"
#include "model/RateRange.h"

namespace {

std::string PercentText(long double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2Lf", value);
  std::string shown = text;
  // "5 %" rather than "5.00 %".
  while (!shown.empty() && shown.back() == '0') shown.pop_back();
  if (!shown.empty() && shown.back() == '.') shown.pop_back();
  return shown + " %";
}

}  // namespace

const char* RateSeriesName(RateSeries series) {
  switch (series) {
    case RateSeries::TaxableReturn:
      return "taxable return";
    case RateSeries::DeferredReturn:
      return "tax-deferred return";
    case RateSeries::RealEstateGrowth:
      return "home growth";
    case RateSeries::Inflation:
      break;
  }
  return "inflation";
}

std::string RateOverrideProblem(const PlanRecord& plan, const RateOverride& change) {
  const std::string name = RateSeriesName(change.series);
  if (!RateInRange(change.value)) return "The " + name + " must be " + RateRangeText() + ".";
  if (change.years < 1) return "The " + name + " needs at least one year.";
  const std::int64_t first = plan.CurrentYear;
  const std::int64_t last = first + kForecastRows - 1;
  if (change.firstYear < first || change.firstYear > last) {
    return "The " + name + " must start between " + std::to_string(first) + " and " + std::to_string(last) + ".";
  }
  return {};
}

RatePath ScenarioPath(const PlanRecord& plan, const std::vector<RateOverride>& changes) {
  RatePath path = RatePath::FromPlan(plan);
  // Inflation first, so a nominal return meets the inflation of its year.
  for (const bool inflation : {true, false}) {
    for (const RateOverride& change : changes) {
      if ((change.series == RateSeries::Inflation) != inflation) continue;
      // Rows counted from the current year; the clamp keeps any typed year from overflowing.
      const std::int64_t year =
          std::clamp<std::int64_t>(change.firstYear, -(std::int64_t{1} << 40), std::int64_t{1} << 40);
      const std::int64_t first = year - plan.CurrentYear + 1;
      const std::int64_t from = std::max<std::int64_t>(first, 1);
      const std::int64_t to = std::min<std::int64_t>(first + std::max(change.years, 0) - 1, kForecastRows);
      for (std::int64_t a = from; a <= to; ++a) {
        YearRates rates = path.Year(static_cast<int>(a));
        const bool nominal = change.nominal && !inflation;
        RateOf(rates, change.series) = nominal ? change.value - rates.Inflation : change.value;
        path.SetYear(static_cast<int>(a), rates);
      }
    }
  }
  return path;
}

int ScenarioRows(const PlanRecord& plan, const std::vector<RateOverride>& changes) {
  std::int64_t rows = 1;
  for (const RateOverride& change : changes) {
    // Counted as ScenarioPath counts them, clamped so no typed year overflows.
    const std::int64_t year = std::clamp<std::int64_t>(change.firstYear, -(std::int64_t{1} << 40), std::int64_t{1} << 40);
    const std::int64_t first = year - plan.CurrentYear + 1;
    const std::int64_t last = std::min<std::int64_t>(first + std::max(change.years, 0) - 1, kForecastRows);
    if (last >= std::max<std::int64_t>(first, 1)) rows = std::max(rows, last);
  }
  return static_cast<int>(rows);
}

std::string ScenarioCsv(const PlanRecord& plan, const std::vector<RateOverride>& changes) {
  return RatePathCsvText(ScenarioPath(plan, changes), plan.CurrentYear, ScenarioRows(plan, changes));
}

std::string ScenarioName(const std::vector<RateOverride>& changes) {
  if (changes.size() != 1) return "Rate scenario (" + std::to_string(changes.size()) + " changes)";
  const RateOverride& change = changes.front();
  std::string name = RateSeriesName(change.series);
  name[0] = static_cast<char>(name[0] - 'a' + 'A');
  const std::int64_t last = change.firstYear + std::max(change.years, 1) - 1;
  name += " " + PercentText(change.value) + (change.nominal && change.series != RateSeries::Inflation ? " nominal " : " ") +
          std::to_string(change.firstYear);
  if (last != change.firstYear) name += "-" + std::to_string(last);
  return name;
}
