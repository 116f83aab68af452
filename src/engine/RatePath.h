#pragma once

#include <array>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "engine/ForecastTable.h"
#include "engine/PastInflation.h"
#include "engine/TaxRules.h"
#include "model/PlanRecord.h"

// The market rates of one forecast year, in percent like the plan's fields:
// the returns and the real-estate growth are above inflation.
struct YearRates {
  long double Inflation = 0.0L;
  long double TaxableReturn = 0.0L;
  long double TaxDeferredReturn = 0.0L;
  long double RealEstateGrowth = 0.0L;
};

// The four rates of a year: the order of the odds' correlation matrix, and
// the series a typed scenario changes.
enum class RateSeries { Inflation = 0, TaxableReturn = 1, DeferredReturn = 2, RealEstateGrowth = 3 };
inline constexpr int kRateSeriesCount = 4;
// One series' rate of a year, in percent.
long double& RateOf(YearRates& rates, RateSeries series);
const long double& RateOf(const YearRates& rates, RateSeries series);
// The plan's own rate of one series, in percent: the start of every path.
long double PlanRateOf(const PlanRecord& plan, RateSeries series);

// The rates of each forecast year, year 1 being the plan's current year. Years
// past the last one given repeat it; an empty path holds the record's start
// rates. docs/rate-paths.md says which year's rate each step of a run uses.
class RatePath {
 public:
  RatePath();
  // Years beyond the forecast's 80 rows are dropped.
  explicit RatePath(const std::vector<YearRates>& years);

  // The plan's own rates in every year: what a forecast without a path uses.
  static RatePath FromPlan(const PlanRecord& plan);
  static RatePath Constant(const YearRates& rates);

  // This path up to year `a - 1`, the plan's own rates from year `a` on: a
  // scenario that covers only the first years.
  RatePath WithPlanRatesFrom(int a, const PlanRecord& plan) const;

  int Years() const { return count_; }
  // Year a >= 1.
  const YearRates& Year(int a) const;
  void SetYear(int a, const YearRates& rates);

  // Recorded inflation for the years before year 1; without it those years
  // take year 1's rate, as the first design did.
  void SetPast(std::shared_ptr<const PastInflation> past) { past_ = std::move(past); }
  const PastInflation* Past() const { return past_.get(); }
  // The inflation of years before year 1 that no record covers: year 1's,
  // unless a rate is set (the plan's own, whatever rates the run replays).
  void SetPastRate(long double percent) { pastRate_ = percent; }
  long double PastRate() const { return pastRate_.value_or(Year(1).Inflation); }
  // Whether the inflation index follows prices down in a year of deflation;
  // by default it holds, so spending never falls with prices.
  void SetDeflationFollowed(bool followed) { deflationFollowed_ = followed; }
  bool DeflationFollowed() const { return deflationFollowed_; }
  // Whether the most that can be borrowed against the home stops at zero when
  // the mortgage owed is above 75 percent of its value. A path built here
  // keeps the first design, whose negative limit enlarged the new debt.
  void SetHomeEquityFloored(bool floored) { homeEquityFloored_ = floored; }
  bool HomeEquityFloored() const { return homeEquityFloored_; }

  // The rules the run taxes future years by. A path built here keeps the
  // first design's curve; the program's forecasts take theirs from the rules
  // in force (markets/ForecastRules.h), the law by default.
  void SetTaxRules(TaxRules rules) { taxRules_ = rules; }
  TaxRules Taxes() const { return taxRules_; }

 private:
  std::array<YearRates, kForecastRows> years_{};
  int count_ = 0;
  std::shared_ptr<const PastInflation> past_;
  TaxRules taxRules_ = TaxRules::Curve;
  std::optional<long double> pastRate_;
  bool deflationFollowed_ = false;
  bool homeEquityFloored_ = false;
};
