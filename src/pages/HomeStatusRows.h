#pragma once

#include <vector>

#include "model/HomeSituation.h"

// The nine figures the home status page remembers across a change of
// situation, in the order of the working values' HomeEditTexts.
enum HomeFigure : int {
  kHomeValue,
  kHomeTaxes,
  kMortgageBalance,
  kMortgageYears,
  kYearsToMove,
  kNewHomePrice,
  kNewMortgage,
  kNewHomeTaxes,
  kAnnualRent,
};

// One row a home situation shows: where it sits, which figure it holds and
// what it is called.
struct HomeStatusRow {
  int row;  // 1..9 (Label/Edit number)
  HomeFigure figure;
  const char* words;
};

// The rows of `situation`; none for a number the page does not know.
inline const std::vector<HomeStatusRow>& HomeStatusRows(HomeSituation situation) {
  static const std::vector<HomeStatusRow> rent = {{9, kAnnualRent, "Annual Rent"}};
  static const std::vector<HomeStatusRow> own = {{3, kHomeValue, "Current Market Value of Home"},
                                                 {4, kHomeTaxes, "Annual Real Estate Taxes"},
                                                 {5, kMortgageBalance, "Current Mortgage Balance"},
                                                 {6, kMortgageYears, "Years Left to Pay on Mortgage"}};
  static const std::vector<HomeStatusRow> rentThenBuy = {
      {3, kYearsToMove, "Number of Years before Home Purchase"},
      {4, kNewHomePrice, "Expected Purchase Price Current Dollars"},
      {5, kNewMortgage, "Expected Mortgage Loan Current Dollars"},
      {6, kNewHomeTaxes, "Expected Real Estate Taxes Current Dollars"},
      {9, kAnnualRent, "Annual Rent"}};
  static const std::vector<HomeStatusRow> ownThenBuyAnother = {
      {1, kHomeValue, "Market Value of Home Current Dollars"},
      {2, kHomeTaxes, "Annual Real Estate Taxes Current Dollars"},
      {3, kMortgageBalance, "Current Mortgage Balance"},
      {4, kMortgageYears, "Years Left to Pay on Mortgage"},
      {5, kYearsToMove, "Years before new Home Purchase"},
      {6, kNewHomePrice, "New Purchase Price Current Dollars"},
      {7, kNewMortgage, "New Mortgage Loan Current Dollars"},
      {8, kNewHomeTaxes, "New Real Estate Taxes Current Dollars"}};
  static const std::vector<HomeStatusRow> ownThenRent = {{1, kHomeValue, "Market Value of Home Current Dollars"},
                                                         {2, kHomeTaxes, "Annual Real Estate Taxes Current Dollars"},
                                                         {3, kMortgageBalance, "Current Mortgage Balance"},
                                                         {4, kMortgageYears, "Years Left to Pay on Mortgage"},
                                                         {6, kYearsToMove, "Years Before You Expect to Sell"},
                                                         {8, kAnnualRent, "Rent You Expect to Pay Current Dollars"}};
  static const std::vector<HomeStatusRow> none;
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
