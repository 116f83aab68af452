#include <gtest/gtest.h>

#include <sstream>

#include "engine/Forecast.h"
#include "engine/RatePathCsv.h"
#include "model/PlanFile.h"
#include "model/PlanFileLayout.h"
#include "model/PlanTestSupport.h"
#include "model/RateRange.h"
#include "model/SamplePlan.h"

namespace {

struct Bound {
  const char* text;
  bool accepted;
};
constexpr Bound kBounds[] = {{"-100", false},    {"-99.99", true}, {"0", true},      {"1000", true},
                             {"1000.01", false}, {"1e300", false}, {"-1e300", false}};

// Every rate line of a plan and every rate column of a rate file keep the same range.
TEST(RateRangeTest, PlanFilesAndRateFilesShareTheRange) {
  PlanRecord sample;
  ResetPlan(sample, plantest::kClockYear);
  const auto& layout = PlanFileLayout();
  for (const Bound& bound : kBounds) {
    for (std::size_t index = 0; index < layout.size(); ++index) {
      if (!std::holds_alternative<long double PlanRecord::*>(layout[index])) continue;
      auto lines = plantest::SplitLines(PlanFileText(sample));
      lines[index] = bound.text;
      std::string text;
      for (const std::string& line : lines) text += line + "\n";
      std::istringstream in(text);
      PlanRecord read;
      const PlanFileResult result = ReadPlanText(in, read, plantest::kClockYear, "p.plan");
      EXPECT_EQ(result.ok, bound.accepted) << bound.text << " on line " << index + 1;
      if (!bound.accepted) {
        EXPECT_EQ(result.message, "The rate '" + std::string(bound.text) + "' is not " + RateRangeText() + " (line " +
                                      std::to_string(index + 1) + " of \"p.plan\")");
      }
    }
    for (int column = 1; column <= 4; ++column) {
      std::string row = "2030";
      for (int c = 1; c <= 4; ++c) row += std::string(",") + (c == column ? bound.text : "2");
      std::istringstream in(std::string(kRatePathHeader) + "\n2030,1,1,1,1\n" + row.replace(0, 4, "2031") + "\n");
      const RatePathRead read = ReadRatePathCsv(in, "r.csv", 2030, 2);
      EXPECT_EQ(read.path.has_value(), bound.accepted) << bound.text << " in column " << column;
      if (!bound.accepted) {
        EXPECT_EQ(read.message.substr(0, 8), "r.csv:3:") << read.message;
      }
    }
  }
}

TEST(RateRangeTest, ASaturatedRunIsTold) {
  PlanRecord plan;
  ResetPlan(plan, plantest::kClockYear);
  EXPECT_FALSE(ForecastInView(plan, RatePath::FromPlan(plan), false).saturated);
  plan.TaxableReturn = kHighestRatePercent;
  plan.TaxDeferredReturn = kHighestRatePercent;
  plan.TaxDeferredBalance = 1000000;
  EXPECT_TRUE(ForecastInView(plan, RatePath::FromPlan(plan), false).saturated);
  EXPECT_TRUE(ForecastInView(plan, RatePath::FromPlan(plan), true).saturated);
}

}  // namespace
