#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "engine/ForecastTable.h"
#include "engine/TaxRules.h"

// A money field of a forecast year, as exports and the plan page name it.
struct ForecastColumn {
  const char* name;   // the year record's field name: export headers
  const char* title;  // the plan page's column title; nullptr for fields the page leaves out
  std::int64_t YearRecord::*field;
};

// Every field of a forecast year, in record order.
inline constexpr std::array<ForecastColumn, kYearFieldCount> kForecastColumns{{
    {"NetWorth", "   Net Worth", &YearRecord::NetWorth},
    {"TaxDeferred", "Tax Deferred", &YearRecord::TaxDeferred},
    {"TaxableInvest", "Taxable Invest", &YearRecord::TaxableInvest},
    {"HomeEquity", nullptr, &YearRecord::HomeEquity},
    {"OtherDebt", " Other Debt", &YearRecord::OtherDebt},
    {"Expenses", "  Expenses", &YearRecord::Expenses},
    {"IncomeTaxes", "Income Taxes", &YearRecord::IncomeTaxes},
    {"PropertyTax", "Property Tax", &YearRecord::PropertyTax},
    {"Income", "   Income", &YearRecord::Income},
    {"Salaries", " Salaries", &YearRecord::Salaries},
    {"Pensions", " Pensions", &YearRecord::Pensions},
    {"SocialSecurity", "Social Security", &YearRecord::SocialSecurity},
    {"InvestReturn", "Invest Return", &YearRecord::InvestReturn},
    {"Distribution", " Distribution", &YearRecord::Distribution},
    {"Mortgage", " Mortgage", &YearRecord::Mortgage},
    {"MortgagePayment", nullptr, &YearRecord::MortgagePayment},
    {"Property", "   Property", &YearRecord::Property},
    {"LoanPayments", nullptr, &YearRecord::LoanPayments},
    {"OtherDebtBalance", nullptr, &YearRecord::OtherDebtBalance},
    {"OtherDebtYears", nullptr, &YearRecord::OtherDebtYears},
    {"TaxableWithdrawal", nullptr, &YearRecord::TaxableWithdrawal},
    {"DeferredWithdrawal", nullptr, &YearRecord::DeferredWithdrawal},
    {"HomeEquityBorrowing", nullptr, &YearRecord::HomeEquityBorrowing},
    {"UnfundedShortfall", nullptr, &YearRecord::UnfundedShortfall},
    {"EarlyDrawTax", nullptr, &YearRecord::EarlyDrawTax},
    {"RothBalance", nullptr, &YearRecord::RothBalance},
    {"RothContribution", nullptr, &YearRecord::RothContribution},
    {"RothWithdrawal", nullptr, &YearRecord::RothWithdrawal},
    {"Conversion", nullptr, &YearRecord::Conversion},
    {"AfterTaxNetWorth", nullptr, &YearRecord::AfterTaxNetWorth},
}};

// The fields exports list under each tax rules. The first design's curve has
// no additional tax, so its exports keep the fields stored files and scripts
// know; the law's add the early-draw tax. A plan with a Roth account or a
// withdrawal strategy (`accounts`, model/WithdrawalStrategy.h) lists every field.
inline constexpr std::size_t kCurveFieldCount = 24;
inline constexpr std::size_t kLawFieldCount = 25;
constexpr std::span<const ForecastColumn> ExportedColumns(TaxRules rules, bool accounts) {
  if (accounts) return kForecastColumns;
  return std::span<const ForecastColumn>(kForecastColumns)
      .first(rules == TaxRules::Curve ? kCurveFieldCount : kLawFieldCount);
}

// The column of a field; the first column for a field that is not in the list.
constexpr const ForecastColumn& ForecastColumnOf(std::int64_t YearRecord::*field) {
  for (const ForecastColumn& column : kForecastColumns) {
    if (column.field == field) return column;
  }
  return kForecastColumns.front();
}

// The plan page's money columns in its order: the assets group, the expenses
// group and the income group.
inline constexpr std::size_t kPlanPageColumnCount = 15;
inline constexpr std::array<ForecastColumn, kPlanPageColumnCount> kPlanPageColumns{{
    ForecastColumnOf(&YearRecord::NetWorth),
    ForecastColumnOf(&YearRecord::TaxDeferred),
    ForecastColumnOf(&YearRecord::TaxableInvest),
    ForecastColumnOf(&YearRecord::Property),
    ForecastColumnOf(&YearRecord::Mortgage),
    ForecastColumnOf(&YearRecord::OtherDebt),
    ForecastColumnOf(&YearRecord::Expenses),
    ForecastColumnOf(&YearRecord::IncomeTaxes),
    ForecastColumnOf(&YearRecord::PropertyTax),
    ForecastColumnOf(&YearRecord::Income),
    ForecastColumnOf(&YearRecord::Salaries),
    ForecastColumnOf(&YearRecord::Pensions),
    ForecastColumnOf(&YearRecord::SocialSecurity),
    ForecastColumnOf(&YearRecord::InvestReturn),
    ForecastColumnOf(&YearRecord::Distribution),
}};

// The column whose export name is `name` (exact spelling), or nullptr.
constexpr const ForecastColumn* FindForecastColumn(std::string_view name) {
  for (const ForecastColumn& column : kForecastColumns) {
    if (name == column.name) return &column;
  }
  return nullptr;
}
