#pragma once

#include <vector>

// Which rows each home situation shows, what they are called and which of the
// nine remembered quantities (T1..T9: home value, real estate taxes, mortgage
// balance, mortgage years, years to move, purchase price, new mortgage, new
// real estate taxes, rent) each row holds.
struct HomeStatusRow {
  int row;       // 1..9 (Label/Edit number)
  int quantity;  // 0..8 for T1..T9
  const char* words;
};

// Situations 1 rent, 2 own, 3 rent but expect to buy, 4 own but expect to
// sell and buy again, 5 own but expect to rent.
inline const std::vector<HomeStatusRow>& HomeStatusRows(int situation) {
  static const std::vector<HomeStatusRow> rows[5] = {
      {{9, 8, "Annual Rent"}},
      {{3, 0, "Current Market Value of Home"},
       {4, 1, "Annual Real Estate Taxes"},
       {5, 2, "Current Mortgage Balance"},
       {6, 3, "Years Left to Pay on Mortgage"}},
      {{3, 4, "Number of Years before Home Purchase"},
       {4, 5, "Expected Purchase Price Current Dollars"},
       {5, 6, "Expected Mortgage Loan Current Dollars"},
       {6, 7, "Expected Real Estate Taxes Current Dollars"},
       {9, 8, "Annual Rent"}},
      {{1, 0, "Market Value of Home Current Dollars"},
       {2, 1, "Annual Real Estate Taxes Current Dollars"},
       {3, 2, "Current Mortgage Balance"},
       {4, 3, "Years Left to Pay on Mortgage"},
       {5, 4, "Years before new Home Purchase"},
       {6, 5, "New Purchase Price Current Dollars"},
       {7, 6, "New Mortgage Loan Current Dollars"},
       {8, 7, "New Real Estate Taxes Current Dollars"}},
      {{1, 0, "Market Value of Home Current Dollars"},
       {2, 1, "Annual Real Estate Taxes Current Dollars"},
       {3, 2, "Current Mortgage Balance"},
       {4, 3, "Years Left to Pay on Mortgage"},
       {6, 4, "Years Before You Expect to Sell"},
       {8, 8, "Rent You Expect to Pay Current Dollars"}},
  };
  static const std::vector<HomeStatusRow> none;
  return situation >= 1 && situation <= 5 ? rows[situation - 1] : none;
}
