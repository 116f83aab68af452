#pragma once

#include <array>
#include <cstdint>

#include "engine/ForecastTable.h"
#include "engine/RatePath.h"
#include "model/PlanRecord.h"
#include "model/WithdrawalStrategy.h"

class ExplainTrace;
class PowerMemo;

// Every factor one run uses, computed once from the plan and the rate path
// before the first year: inflation and tax indices, yearly growth factors,
// salary, pension and benefit factors, and the level-payment factors of the
// loans. Each power of a constant rate is one powl call, which keeps a fixed
// rate's forecast bit-identical to the golden tables; where a path's rates
// change, products run on year by year (docs/rate-paths.md).
//
// A RunFactors belongs to one run on one thread: its payment and tax-curve
// caches fill as the run asks for loan terms and taxed years.
class RunFactors {
 public:
  // The plan must outlive this object and must not change while it is used;
  // so must the trace, which the run fills when it is given one.
  RunFactors(const PlanRecord& plan, const RatePath& path, ExplainTrace* trace = nullptr);

  const PlanRecord& plan;
  const int rows;
  ExplainTrace* const trace;
  const TaxRules taxRules;
  const bool homeEquityFloored;
  // The plan's withdrawal strategy with the filling's ages settled: from
  // person 1's retirement age to the year before the first required
  // distribution unless the plan names them.
  const WithdrawalPlan strategy;

  // Inflation index k = a - 1 years from now (1 when inflation is not positive).
  long double InflationIndex(std::int64_t k) const { return AtRow(inflationIndex_, k); }
  // Index of calendar year a from the tax curve's base year 2005.
  long double TaxIndex(int a) const { return AtRow(taxIndex_, a); }
  // TaxIndex(a) raised to the federal curve's exponent less one.
  long double TaxCurveDivisor(int a) const;
  // The price level of year a's calendar year over 2026's, for the law's
  // indexed figures: the forecast's own inflation from 2026 on, the recorded
  // past (year 1's rate where it records none) for the years before.
  long double LawIndex(int a) const { return AtRow(lawIndex_, a); }
  // The Social Security wage base's index: CurrentYear's, in every year.
  long double WageBaseIndex() const { return taxIndex_[1]; }

  // Year a's growth factors (1 + (inflation + rate) / 100).
  long double TaxableGrowth(int a) const { return AtRow(taxableGrowth_, a); }
  long double DeferredGrowth(int a) const { return AtRow(deferredGrowth_, a); }
  long double PropertyGrowth(int a) const { return AtRow(propertyGrowth_, a); }
  // Property growth over the first k years (the price of a home bought at row k + 1).
  long double PropertyIndex(std::int64_t k) const;

  // Person p (0 or 1) in year a; 0 when nothing is paid that year.
  long double Salary(int p, std::int64_t a) const { return AtRow(salary_[p], a); }
  long double Pension(int p, std::int64_t a) const { return AtRow(pension_[p], a); }
  long double Benefit(int p, std::int64_t a) const { return AtRow(benefit_[p], a); }

  // Person p's contribution to the tax-deferred account in year a >= 2: last
  // year's salary factor on today's amount, none from the retirement age on.
  std::int64_t Contribution(int p, int a) const;
  // Today's amount while person p works this year.
  std::int64_t FirstYearContribution(int p) const;
  // Person p's Roth contribution in year a >= 2, on the same terms.
  std::int64_t RothContribution(int p, int a) const;
  // Whether person 1's age in year a lies within the filling's ages.
  bool FillsInYear(int a) const;

  // 1 + today's state and city tax / today's federal tax of person p.
  long double StateTaxFactor(int p) const { return stateTaxFactor_[p]; }

  // Level annual payment per dollar over n years at the plan's mortgage rate
  // (already raised to its floor by the run).
  long double Annuity(std::int64_t n) const;

 private:
  using RowValues = std::array<long double, kForecastRows + 1>;
  // Year 1 is built even when the plan leaves no row to show.
  const int built_;
  static long double AtRow(const RowValues& values, std::int64_t i) {
    return values[static_cast<std::size_t>(i < 0 ? 0 : (i > kForecastRows ? kForecastRows : i))];
  }

  RowValues inflationIndex_{};
  RowValues taxIndex_{};
  RowValues lawIndex_{};
  RowValues taxableGrowth_{};
  RowValues deferredGrowth_{};
  RowValues propertyGrowth_{};
  RowValues rawInflation_{};  // 1 + inflation / 100 of each row
  RowValues rawIndex_{};      // products of rawInflation_ from row 1
  long double pastFactor_ = 1.0L;  // 1 + inflation / 100 of years before row 1 without a record
  std::array<RowValues, 2> salary_{};
  std::array<RowValues, 2> pension_{};
  std::array<RowValues, 2> benefit_{};
  std::array<long double, 2> stateTaxFactor_{};
  long double propertyAtMove_ = 1.0L;
  bool propertyAtMoveKnown_ = false;

  static constexpr std::int64_t kCachedTerms = 64;
  mutable std::array<long double, kCachedTerms> annuity_{};
  mutable std::array<bool, kCachedTerms> annuityKnown_{};
  // Computed for the years that have taxable income.
  mutable RowValues taxCurveDivisor_{};
  mutable std::array<bool, kForecastRows + 1> taxCurveDivisorKnown_{};

  // A yearly amount paid from person p's salary in year a >= 2: last year's
  // salary factor on today's amount, none from the retirement age on.
  std::int64_t FromSalary(int p, int a, std::int64_t amount) const;
  void FillInflation(PowerMemo& powers, const RatePath& path);
  void FillLawIndex(PowerMemo& powers, const PastInflation* past, long double pastFactor);
  void FillPerson(PowerMemo& powers, int p, std::int32_t age, std::int32_t startAge, std::int32_t retireAge,
                  long double growth, std::int32_t pensionAge, long double cola, std::int32_t benefitAge,
                  const RatePath& path);
  // The price factor over n years from now; years before the forecast take
  // the past's recorded rates when it is given, else the path's past rate.
  long double InflationOver(PowerMemo& powers, std::int64_t n, const PastInflation* past) const;
};
