#pragma once

#include <algorithm>
#include <array>
#include <vector>

#include "model/HomeSituation.h"
#include "pages/EntryRows.h"

// The nine figures the home status page remembers across a change of
// situation, in the order of the working values' HomeEditTexts.
inline const std::array<PlanField, 9> kHomeFigures = {
    &PlanRecord::HomeValue,     &PlanRecord::HomeTaxes,    &PlanRecord::MortgageBalance,
    &PlanRecord::MortgageYears, &PlanRecord::YearsToMove,  &PlanRecord::NewHomePrice,
    &PlanRecord::NewMortgage,   &PlanRecord::NewHomeTaxes, &PlanRecord::AnnualRent,
};

// The place of `field` among kHomeFigures (every row's field is one of them).
inline std::size_t HomeFigureIndex(const PlanField& field) {
  return static_cast<std::size_t>(std::find(kHomeFigures.begin(), kHomeFigures.end(), field) - kHomeFigures.begin());
}

namespace home_status_rows {

// Row n of the page is the box FigureRow<n> and its label; which rows a
// situation uses and what they hold differ from situation to situation.
inline EntryRow Row(int n, const char* words, PlanField field, EntryKind kind = EntryKind::Dollars) {
  return {
      QString("FigureRow%1Label").arg(n), words, QString("FigureRow%1").arg(n), field, kind, false, LabelText::Leaders};
}

}  // namespace home_status_rows

// The rows of `situation`, in the order they are read; none for a number
// the page does not know.
inline const std::vector<EntryRow>& HomeStatusRows(HomeSituation situation) {
  using home_status_rows::Row;
  static const std::vector<EntryRow> rent = {Row(9, "Annual Rent", &PlanRecord::AnnualRent)};
  static const std::vector<EntryRow> own = {
      Row(3, "Current Market Value of Home", &PlanRecord::HomeValue),
      Row(4, "Annual Real Estate Taxes", &PlanRecord::HomeTaxes),
      Row(5, "Current Mortgage Balance", &PlanRecord::MortgageBalance),
      Row(6, "Years Left to Pay on Mortgage", &PlanRecord::MortgageYears, EntryKind::Whole)};
  static const std::vector<EntryRow> rentThenBuy = {
      Row(3, "Number of Years before Home Purchase", &PlanRecord::YearsToMove, EntryKind::Whole),
      Row(4, "Expected Purchase Price Current Dollars", &PlanRecord::NewHomePrice),
      Row(5, "Expected Mortgage Loan Current Dollars", &PlanRecord::NewMortgage),
      Row(6, "Expected Real Estate Taxes Current Dollars", &PlanRecord::NewHomeTaxes),
      Row(9, "Annual Rent", &PlanRecord::AnnualRent)};
  static const std::vector<EntryRow> ownThenBuyAnother = {
      Row(1, "Market Value of Home Current Dollars", &PlanRecord::HomeValue),
      Row(2, "Annual Real Estate Taxes Current Dollars", &PlanRecord::HomeTaxes),
      Row(3, "Current Mortgage Balance", &PlanRecord::MortgageBalance),
      Row(4, "Years Left to Pay on Mortgage", &PlanRecord::MortgageYears, EntryKind::Whole),
      Row(5, "Years before new Home Purchase", &PlanRecord::YearsToMove, EntryKind::Whole),
      Row(6, "New Purchase Price Current Dollars", &PlanRecord::NewHomePrice),
      Row(7, "New Mortgage Loan Current Dollars", &PlanRecord::NewMortgage),
      Row(8, "New Real Estate Taxes Current Dollars", &PlanRecord::NewHomeTaxes)};
  static const std::vector<EntryRow> ownThenRent = {
      Row(1, "Market Value of Home Current Dollars", &PlanRecord::HomeValue),
      Row(2, "Annual Real Estate Taxes Current Dollars", &PlanRecord::HomeTaxes),
      Row(3, "Current Mortgage Balance", &PlanRecord::MortgageBalance),
      Row(4, "Years Left to Pay on Mortgage", &PlanRecord::MortgageYears, EntryKind::Whole),
      Row(6, "Years Before You Expect to Sell", &PlanRecord::YearsToMove, EntryKind::Whole),
      Row(8, "Rent You Expect to Pay Current Dollars", &PlanRecord::AnnualRent)};
  static const std::vector<EntryRow> none;
  switch (situation) {
    case HomeSituation::Rent:
      return rent;
    case HomeSituation::Own:
      return own;
    case HomeSituation::RentThenBuy:
      return rentThenBuy;
    case HomeSituation::OwnThenBuyAnother:
      return ownThenBuyAnother;
    case HomeSituation::OwnThenRent:
      return ownThenRent;
  }
  return none;
}
