#include "legacy/DollarViews.h"

#include <array>
#include <cstdint>

#include "legacy/Factors.h"
#include "legacy/Money.h"

// Today's engine kept unchanged for comparisons and timing.
namespace legacy {

namespace {

constexpr std::array<std::int64_t YearRecord::*, 16> kConvertedFields = {
    &YearRecord::NetWorth,     &YearRecord::TaxDeferred,    &YearRecord::TaxableInvest, &YearRecord::Property,
    &YearRecord::HomeEquity,   &YearRecord::Mortgage,       &YearRecord::OtherDebt,     &YearRecord::Expenses,
    &YearRecord::IncomeTaxes,  &YearRecord::PropertyTax,    &YearRecord::Income,        &YearRecord::Salaries,
    &YearRecord::Pensions,     &YearRecord::SocialSecurity, &YearRecord::InvestReturn,  &YearRecord::Distribution};

template <typename Convert>
void ConvertRows(const PlanRecord& plan, ForecastTable& table, Convert convert) {
  const int rows = RowCount(plan);
  for (int a = 1; a <= rows; ++a) {
    const long double index = InflationIndex(plan, a - 1);
    YearRecord& year = table.Year(a);
    for (const auto field : kConvertedFields) year.*field = convert(year.*field, index);
  }
}

}  // namespace

void ToCurrentDollars(const PlanRecord& plan, ForecastTable& table) {
  ConvertRows(plan, table, [](std::int64_t value, long double index) { return RoundMoney(value / index); });
}

void ToInflatedDollars(const PlanRecord& plan, ForecastTable& table) {
  ConvertRows(plan, table, [](std::int64_t value, long double index) { return RoundMoney(value * index); });
}

}  // namespace legacy
