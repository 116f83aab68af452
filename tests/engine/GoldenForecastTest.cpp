#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/Forecast.h"
#include "engine/ForecastColumns.h"
#include "model/PlanFile.h"
#include "markets/ForecastRules.h"

namespace {

// Pins whole tables so that any change to a figure shows. The TSV files are
// `prevora-cli forecast PLAN --all-fields --format tsv`: Year, Age1, then the
// year fields the tax rules export, in record order. Regenerate them only for an intended change.
std::vector<std::vector<std::string>> ReadTsv(const std::string& path) {
  std::vector<std::vector<std::string>> rows;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    std::vector<std::string> cells;
    std::stringstream cellStream(line);
    std::string cell;
    while (std::getline(cellStream, cell, '\t')) cells.push_back(cell);
    rows.push_back(cells);
  }
  return rows;
}

// The first design's rules: the plan's rate for the years before the current
// year, the tax curve and a home-equity limit that may be negative, as the
// engine runs unless a caller gives it other rules.
const ForecastRules kFirstDesign{PastInflationRule::Plan, TaxRules::Curve, DeflationRule::Hold,
                                 HomeEquityLimitRule::FirstDesign};

// The tables without rules named are the first design's.
void ExpectTableMatches(const std::string& planPath, const std::string& tsvPath, ForecastRules rules = kFirstDesign) {
  PlanRecord plan;
  const PlanFileResult read = ReadPlanFile(plan, planPath);
  ASSERT_TRUE(read.ok && !read.missing) << planPath << ": " << read.message;
  ForecastTable table;
  if (rules == kFirstDesign) {
    RunForecast(plan, table);
  } else {
    table = RunForecast(plan, WithRules(RatePath::FromPlan(plan), rules, plan)).table;
  }

  const auto rows = ReadTsv(tsvPath);
  ASSERT_EQ(static_cast<int>(rows.size()), RowCount(plan) + 1) << tsvPath;
  const std::vector<std::string>& header = rows.front();
  const std::size_t exported = ExportedColumns(rules.taxes, UsesAccounts(plan)).size();
  ASSERT_EQ(header.size(), 2 + exported);
  for (int a = 1; a <= RowCount(plan); ++a) {
    const std::vector<std::string>& row = rows[static_cast<std::size_t>(a)];
    ASSERT_EQ(row.size(), header.size());
    EXPECT_EQ(std::stoll(row[0]), plan.CurrentYear + a - 1);
    EXPECT_EQ(std::stoll(row[1]), plan.Age1 + a - 1);
    const std::int64_t* fields = &table.Year(a).NetWorth;
    for (std::size_t f = 0; f < kYearFieldCount; ++f) {
      // A field the rules do not export is one they never fill, but for the
      // after-tax net worth every plan has.
      if (f >= exported && kForecastColumns[f].field == &YearRecord::AfterTaxNetWorth) continue;
      const std::int64_t expected = f < exported ? std::stoll(row[2 + f]) : 0;
      EXPECT_EQ(fields[f], expected) << "year " << row[0] << ", " << kForecastColumns[f].name;
    }
  }
}

TEST(GoldenForecastTest, SamplePlan) {
  ExpectTableMatches(PREVORA_TEST_DATA "/../../resources/Double.plan", PREVORA_TEST_DATA "/double_forecast.tsv");
}

// Two persons filing separately, an owned home sold for a cheaper one, three
// students, events, cars; shortfalls reach home equity, empty the tax-deferred
// account and pile up new debt.
TEST(GoldenForecastTest, RichPlan) {
  ExpectTableMatches(PREVORA_TEST_DATA "/rich_forecast.plan", PREVORA_TEST_DATA "/rich_forecast.tsv");
}

// The next two tables were also produced by a separate implementation of the
// forecast in 80-bit arithmetic and agreed to the dollar.

// Joint filing; renters who buy next year; student loans; shortfalls first
// refinanced through the home (negative limit in the purchase year, then
// re-borrowing) and later taken from the tax-deferred account.
TEST(GoldenForecastTest, JointBuyerPlan) {
  ExpectTableMatches(PREVORA_TEST_DATA "/joint_buyer_forecast.plan",
                     PREVORA_TEST_DATA "/joint_buyer_forecast.tsv");
}

// One person, negative inflation, a mortgage above the home's value; the home
// is sold after five years and the household rents; uncovered shortfalls pile
// up as debt.
TEST(GoldenForecastTest, SingleSellerPlan) {
  ExpectTableMatches(PREVORA_TEST_DATA "/single_seller_forecast.plan",
                     PREVORA_TEST_DATA "/single_seller_forecast.tsv");
}

// The same plans with the recorded inflation of the years before their current
// year: `prevora-cli forecast PLAN --all-fields --format tsv --tax-rules curve
// --home-equity-limit first-design`.
TEST(GoldenForecastTest, RecordedPastInflation) {
  const ForecastRules recorded{PastInflationRule::Recorded, TaxRules::Curve, DeflationRule::Hold,
                               HomeEquityLimitRule::FirstDesign};
  for (const std::string name : {"rich", "joint_buyer", "single_seller"}) {
    ExpectTableMatches(PREVORA_TEST_DATA "/" + name + "_forecast.plan",
                       PREVORA_TEST_DATA "/" + name + "_forecast_recorded.tsv", recorded);
  }
  ExpectTableMatches(PREVORA_TEST_DATA "/../../resources/Double.plan",
                     PREVORA_TEST_DATA "/double_forecast_recorded.tsv", recorded);
}

// The plans whose mortgage rises above 75 % of the home's value, with the
// limit floored at zero (the default) and the first design's other rules:
// `prevora-cli forecast PLAN --all-fields --format tsv --tax-rules curve --past-inflation plan`.
// Only the years from the first floored limit on differ from the first design's tables.
TEST(GoldenForecastTest, FlooredHomeEquityLimit) {
  ForecastRules floored = kFirstDesign;
  floored.homeEquityLimit = HomeEquityLimitRule::Floor;
  for (const std::string name : {"joint_buyer", "single_seller"}) {
    ExpectTableMatches(PREVORA_TEST_DATA "/" + name + "_forecast.plan",
                       PREVORA_TEST_DATA "/" + name + "_forecast_floor.tsv", floored);
  }
}

// The law, the default rules: `prevora-cli forecast PLAN --all-fields --format tsv`.
TEST(GoldenForecastTest, LawTaxRules) {
  for (const std::string name : {"rich", "joint_buyer", "single_seller"}) {
    ExpectTableMatches(PREVORA_TEST_DATA "/" + name + "_forecast.plan",
                       PREVORA_TEST_DATA "/" + name + "_forecast_law.tsv", ForecastRules{});
  }
  ExpectTableMatches(PREVORA_TEST_DATA "/../../resources/Double.plan", PREVORA_TEST_DATA "/double_forecast_law.tsv",
                     ForecastRules{});
}

// The sample plan with benefits by claiming age, a Roth account with
// contributions, the tax-deferred account drawn first and the 22 % bracket
// converted to the Roth from retirement to the first required distribution:
// under the law (`prevora-cli forecast PLAN --all-fields --format tsv`) and
// on the first design's curve, which applies all but the filling.
TEST(GoldenForecastTest, AccountsPlan) {
  ExpectTableMatches(PREVORA_TEST_DATA "/accounts_forecast.plan", PREVORA_TEST_DATA "/accounts_forecast_law.tsv",
                     ForecastRules{});
  ExpectTableMatches(PREVORA_TEST_DATA "/accounts_forecast.plan", PREVORA_TEST_DATA "/accounts_forecast.tsv");
}

}  // namespace
