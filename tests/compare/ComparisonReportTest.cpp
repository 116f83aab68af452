#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "ComparisonTestPlans.h"
#include "compare/ComparisonReport.h"

namespace {

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

PlanRecord ReadPlan(const std::string& path) {
  PlanRecord plan;
  const PlanFileResult result = ReadPlanFile(plan, path, 2026);
  EXPECT_TRUE(result.ok && !result.missing) << path << ": " << result.message;
  return plan;
}

// The sample plan against a copy with a name, a retirement age, a salary, a
// pension and its age, inflation, groceries (with their page totals) and an
// event's cost edited, on the recorded past and on the plan's rate. Regenerate
// the texts only for an intended change: prevora-cli diff resources/Double.plan
// tests/data/double_compare.plan --tax-rules curve [--past-inflation plan], names as below.
TEST(ComparisonReportTest, SamplePlanAgainstAnEditedCopy) {
  const PlanRecord base = ReadPlan(PREVORA_TEST_DATA "/../../resources/Double.plan");
  const PlanRecord other = ReadPlan(PREVORA_TEST_DATA "/double_compare.plan");
  for (const auto& [past, golden] : {std::pair{PastInflationRule::Recorded, "/double_compare_recorded.txt"},
                                     std::pair{PastInflationRule::Plan, "/double_compare.txt"}}) {
    ComparisonOptions options;
    options.metric.rules = {past, TaxRules::Curve};
    const std::string text = ComparisonText(ComparePlans(base, other, options), "Double.plan", "double_compare.plan");
    EXPECT_EQ(text, FileText(std::string(PREVORA_TEST_DATA) + golden)) << golden;
  }
}

TEST(ComparisonReportTest, SamePlanSaysNoDifferences) {
  PlanRecord plan;
  ResetPlan(plan, 2026);
  EXPECT_EQ(ComparisonText(ComparePlans(plan, plan, {}), "a", "b"), "no differences\n");
}

// Plan texts come from files in any code page; JSON output stays valid.
TEST(ComparisonReportTest, JsonEscapesQuotesControlsAndStrayBytes) {
  PlanRecord base;
  ResetPlan(base, 2026);
  PlanRecord other = base;
  other.Name1 = std::string("Jos\xe9 \"J\"\\\x01 \xc3\xa9");
  const std::string json = ComparisonJson(ComparePlans(base, other, {}), "a\tb", "c");
  EXPECT_NE(json.find(R"("other": "Jos\u00e9 \"J\"\\\u0001 é")"), std::string::npos) << json;
  EXPECT_NE(json.find(R"("base": "a\u0009b")"), std::string::npos);
}

// The text report is read on a terminal: nothing from a plan file or its
// name reaches it as a command.
TEST(ComparisonReportTest, TextShowsControlCharactersAsEscapes) {
  PlanRecord base;
  ResetPlan(base, 2026);
  PlanRecord other = base;
  other.Name1 = "John \x1b[31mRed";
  const std::string text = ComparisonText(ComparePlans(base, other, {}), "a\x1b]0;x\x07.plan", "b.plan");
  EXPECT_EQ(text.find('\x1b'), std::string::npos) << text;
  EXPECT_EQ(text.find('\x07'), std::string::npos) << text;
  EXPECT_NE(text.find("\"John \\x1B[31mRed\""), std::string::npos) << text;
  EXPECT_NE(text.find("Base:  a\\x1B]0;x\\x07.plan"), std::string::npos) << text;
}

TEST(ComparisonReportTest, CsvQuotesCellsWithSeparators) {
  PlanRecord base;
  ResetPlan(base, 2026);
  PlanRecord other = base;
  other.EventTitle2 = "Roof, \"new\"";
  const std::string csv = ComparisonCsv(ComparePlans(base, other, {}));
  EXPECT_EQ(csv.substr(0, csv.find('\n')), "section,item,year,base,other,difference");
  EXPECT_NE(csv.find("input,EventTitle2,,One Time Special Event #2,\"Roof, \"\"new\"\"\",\n"), std::string::npos)
      << csv;
}

TEST(ComparisonReportTest, YearsOnlyOnePlanCoversAreMarked) {
  PlanRecord base;
  ResetPlan(base, 2026);
  PlanRecord other = base;
  other.Age1 += 2;
  const Comparison comparison = ComparePlans(base, other, {});
  ASSERT_FALSE(comparison.years.empty());
  EXPECT_TRUE(comparison.years.back().inBase && !comparison.years.back().inOther);
  EXPECT_EQ(comparison.years.size(), static_cast<std::size_t>(91 - base.Age1));
  const std::string text = ComparisonText(comparison, "a", "b");
  EXPECT_NE(text.find("only in base"), std::string::npos);
}

}  // namespace
