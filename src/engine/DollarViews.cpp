#include "engine/DollarViews.h"

#include <algorithm>
#include <cstdint>

#include "engine/Factors.h"
#include "engine/Money.h"

namespace {

constexpr std::array<std::int64_t YearRecord::*, 22> kConvertedFields = {
    &YearRecord::NetWorth,    &YearRecord::TaxDeferred,    &YearRecord::TaxableInvest, &YearRecord::Property,
    &YearRecord::HomeEquity,  &YearRecord::Mortgage,       &YearRecord::OtherDebt,     &YearRecord::Expenses,
    &YearRecord::IncomeTaxes, &YearRecord::PropertyTax,    &YearRecord::Income,        &YearRecord::Salaries,
    &YearRecord::Pensions,    &YearRecord::SocialSecurity, &YearRecord::InvestReturn,  &YearRecord::Distribution,
    &YearRecord::EarlyDrawTax, &YearRecord::RothBalance,    &YearRecord::RothContribution, &YearRecord::RothWithdrawal,
    &YearRecord::Conversion,   &YearRecord::AfterTaxNetWorth};

template <typename Convert>
void ConvertRows(const InflationIndices& index, int rows, ForecastTable& table, Convert convert) {
  const int used = std::clamp(rows, 0, kForecastRows);
  for (int a = 1; a <= used; ++a) {
    const long double factor = index[static_cast<std::size_t>(a - 1)];
    YearRecord& year = table.Year(a);
    for (const auto field : kConvertedFields) year.*field = convert(year.*field, factor);
  }
}

}  // namespace

bool ConvertsToCurrentDollars(std::int64_t YearRecord::*field) {
  return std::find(kConvertedFields.begin(), kConvertedFields.end(), field) != kConvertedFields.end();
}

InflationIndices PlanInflationIndices(const PlanRecord& plan) {
  InflationIndices index{};
  for (int a = 1; a <= RowCount(plan); ++a) index[static_cast<std::size_t>(a - 1)] = InflationIndex(plan, a - 1);
  return index;
}

void ToCurrentDollars(const InflationIndices& index, int rows, ForecastTable& table) {
  ConvertRows(index, rows, table, [](std::int64_t value, long double factor) { return RoundMoney(value / factor); });
}

void ToInflatedDollars(const InflationIndices& index, int rows, ForecastTable& table) {
  ConvertRows(index, rows, table, [](std::int64_t value, long double factor) { return RoundMoney(value * factor); });
}

void ToCurrentDollars(const PlanRecord& plan, ForecastTable& table) {
  ToCurrentDollars(PlanInflationIndices(plan), RowCount(plan), table);
}

void ToInflatedDollars(const PlanRecord& plan, ForecastTable& table) {
  ToInflatedDollars(PlanInflationIndices(plan), RowCount(plan), table);
}

std::string DollarViewName(bool currentDollars, std::int32_t currentYear) {
  if (!currentDollars) return "Future dollars (each year's own)";
  return "Today's dollars (" + std::to_string(currentYear) + ")";
}

std::string DollarViewPhrase(bool currentDollars, std::int32_t currentYear) {
  std::string phrase = DollarViewName(currentDollars, currentYear);
  phrase[0] = static_cast<char>(phrase[0] - 'A' + 'a');
  return phrase;
}
