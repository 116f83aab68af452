#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/ForecastColumns.h"

namespace {

// Exports and the golden tables address fields by position, so the list must
// follow the record: column k is the record's k-th field.
TEST(ForecastColumns, FollowTheRecordOnceEach) {
  const YearRecord year{};
  std::set<std::string> names;
  for (std::size_t k = 0; k < kForecastColumns.size(); ++k) {
    const ForecastColumn& column = kForecastColumns[k];
    const auto offset = reinterpret_cast<const char*>(&(year.*column.field)) - reinterpret_cast<const char*>(&year);
    EXPECT_EQ(offset, static_cast<std::ptrdiff_t>(k * sizeof(std::int64_t))) << column.name;
    EXPECT_TRUE(names.insert(column.name).second) << column.name;
  }
  EXPECT_EQ(sizeof(YearRecord), kForecastColumns.size() * sizeof(std::int64_t));
  EXPECT_STREQ(ForecastColumnOf(&YearRecord::UnfundedShortfall).name, "UnfundedShortfall");
}

TEST(ForecastColumns, PlanPageShowsItsFifteenColumnsInGroupOrder) {
  const char* expected[kPlanPageColumnCount][2] = {
      {"NetWorth", "   Net Worth"},
      {"TaxDeferred", "Tax Deferred"},
      {"TaxableInvest", "Taxable Invest"},
      {"Property", "   Property"},
      {"Mortgage", " Mortgage"},
      {"OtherDebt", " Other Debt"},
      {"Expenses", "  Expenses"},
      {"IncomeTaxes", "Income Taxes"},
      {"PropertyTax", "Property Tax"},
      {"Income", "   Income"},
      {"Salaries", " Salaries"},
      {"Pensions", " Pensions"},
      {"SocialSecurity", "Social Security"},
      {"InvestReturn", "Invest Return"},
      {"Distribution", " Distribution"},
  };
  for (std::size_t k = 0; k < kPlanPageColumnCount; ++k) {
    EXPECT_STREQ(kPlanPageColumns[k].name, expected[k][0]) << k;
    EXPECT_STREQ(kPlanPageColumns[k].title, expected[k][1]) << k;
    EXPECT_EQ(kPlanPageColumns[k].field, ForecastColumnOf(kPlanPageColumns[k].field).field);
  }
  int titled = 0;
  for (const ForecastColumn& column : kForecastColumns) titled += column.title ? 1 : 0;
  EXPECT_EQ(titled, static_cast<int>(kPlanPageColumnCount));
}

}  // namespace
