#include "odds/ShortfallLevel.h"

#include <algorithm>
#include <array>

#include "engine/Factors.h"

namespace {

constexpr std::array<const char*, kShortfallLevelCount> kTexts = {"no shortfall", "covered from taxable savings",
                                                                  "drew tax-deferred savings early",
                                                                  "borrowed against the home", "took new debt"};
constexpr std::array<const char*, kShortfallLevelCount> kKeys = {"none", "taxable", "deferred-early", "home-equity",
                                                                 "new-debt"};

ShortfallLevel YearLevel(const YearRecord& year, std::int64_t age1, std::int64_t firstDistributionAge) {
  if (year.UnfundedShortfall > 0) return ShortfallLevel::NewDebt;
  if (year.HomeEquityBorrowing > 0) return ShortfallLevel::HomeEquity;
  if (year.DeferredWithdrawal > 0) {
    return age1 < firstDistributionAge ? ShortfallLevel::DeferredEarly : ShortfallLevel::TaxableSavings;
  }
  if (year.TaxableWithdrawal > 0) return ShortfallLevel::TaxableSavings;
  return ShortfallLevel::None;
}

}  // namespace

const char* ShortfallLevelText(ShortfallLevel level) { return kTexts[static_cast<std::size_t>(level)]; }

const char* ShortfallLevelKey(ShortfallLevel level) { return kKeys[static_cast<std::size_t>(level)]; }

std::array<std::int64_t, kShortfallLevelCount> FirstYearOfEachLevel(const PlanRecord& plan, const ForecastTable& table,
                                                                    TaxRules rules) {
  const std::int64_t firstDistributionAge = FirstDistributionAge(plan, rules);
  std::array<std::int64_t, kShortfallLevelCount> first{};
  for (int a = RowCount(plan); a >= 1; --a) {
    const ShortfallLevel level =
        YearLevel(table.Year(a), static_cast<std::int64_t>(plan.Age1) + a - 1, firstDistributionAge);
    first[static_cast<std::size_t>(level)] = static_cast<std::int64_t>(plan.CurrentYear) + a - 1;
  }
  return first;
}

TrialGrade GradeTrial(const PlanRecord& plan, const ForecastTable& table, TaxRules rules) {
  TrialGrade grade;
  // The age from which the tax-deferred account pays required distributions.
  const std::int64_t firstDistributionAge = FirstDistributionAge(plan, rules);
  const int rows = RowCount(plan);
  for (int a = 1; a <= rows; ++a) {
    const YearRecord& year = table.Year(a);
    if (year.UnfundedShortfall > 0 && grade.level != ShortfallLevel::NewDebt) {
      grade.firstNewDebtYear = static_cast<std::int64_t>(plan.CurrentYear) + a - 1;
    }
    grade.level = std::max(grade.level, YearLevel(year, static_cast<std::int64_t>(plan.Age1) + a - 1, firstDistributionAge));
    if (year.NetWorth < 0) grade.netWorthBelowZero = true;
  }
  return grade;
}
