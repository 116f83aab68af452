#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "model/PlanFile.h"
#include "model/PlanInputBlock.h"
#include "model/PlanLineReader.h"
#include "model/SamplePlan.h"
#include "PlanTestSupport.h"

namespace {

using plantest::kClockYear;

std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

PlanFileResult ReadText(const std::string& text, PlanRecord& plan) {
  std::istringstream in(text);
  return ReadPlanText(in, plan, kClockYear, "test.plan");
}

PlanRecord WithNewInputs() {
  PlanRecord plan;
  ResetPlan(plan, kClockYear);
  plan.FullRetirementBenefit1 = 31200;
  plan.FullRetirementBenefit2 = 18000;
  plan.UnknownInputLines = {"NextInput=roth,taxable,deferred", "LaterInput = 12"};
  return plan;
}

// A plan without any of the newer inputs saves as the first layout alone: the
// shipped sample byte for byte, the hand-written test plans (some rates typed
// as "3.200") in their saved form, which then reads and saves unchanged.
TEST(PlanInputBlockTest, PlansWithoutNewInputsSaveByteForByte) {
  std::vector<std::filesystem::path> plans = {PREVORA_TEST_DATA "/../../resources/Double.plan"};
  for (const auto& entry : std::filesystem::directory_iterator(PREVORA_TEST_DATA))
    if (entry.path().extension() == ".plan") plans.push_back(entry.path());
  ASSERT_GE(plans.size(), 5u);
  for (const auto& path : plans) {
    const std::string bytes = FileBytes(path);
    if (bytes.find("[Prevora]") != std::string::npos) continue;  // a plan that uses the newer inputs
    PlanRecord plan;
    ASSERT_TRUE(ReadText(bytes, plan).ok) << path;
    const std::string saved = PlanFileText(plan);
    EXPECT_EQ(plantest::SplitLines(saved).size(), static_cast<std::size_t>(kPlanFileLines)) << path;
    PlanRecord again;
    ASSERT_TRUE(ReadText(saved, again).ok) << path;
    EXPECT_TRUE(again == plan) << path;
    EXPECT_EQ(PlanFileText(again), saved) << path;
  }
  EXPECT_EQ(PlanFileText([&] {
              PlanRecord sample;
              ReadText(FileBytes(plans.front()), sample);
              return sample;
            }()),
            FileBytes(plans.front()));
}

TEST(PlanInputBlockTest, BlockAndUnknownKeysSurviveARoundTrip) {
  const PlanRecord plan = WithNewInputs();
  const std::string text = PlanFileText(plan);
  EXPECT_NE(text.find("\r\n[Prevora]\r\nFullRetirementBenefit1=31200\r\nFullRetirementBenefit2=18000\r\nNextInput="), std::string::npos);
  PlanRecord read;
  const PlanFileResult result = ReadText(text, read);
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_TRUE(read == plan);
  EXPECT_EQ(PlanFileText(read), text);
  EXPECT_EQ(UnknownPlanBlockKeys(read), (std::vector<std::string>{"NextInput", "LaterInput"}));
}

// The first layout's reader, which every earlier release used, reads the
// first 166 lines of a file with a block exactly as it reads them without one.
TEST(PlanInputBlockTest, FirstLayoutReaderIgnoresTheBlock) {
  const PlanRecord plan = WithNewInputs();
  PlanRecord withoutBlock = plan;
  withoutBlock.FullRetirementBenefit1 = withoutBlock.FullRetirementBenefit2 = 0;
  withoutBlock.UnknownInputLines.clear();
  std::istringstream in(PlanFileText(plan));
  PlanLineReader lines(in, kLongestPlanLine);
  PlanRecord read;
  ASSERT_TRUE(ReadFirstLayoutText(lines, in, read, kClockYear, "test.plan").ok);
  EXPECT_TRUE(read == withoutBlock);
  std::string next;
  ASSERT_TRUE(lines.Next(next));
  EXPECT_EQ(next, kPlanBlockTag);
}

TEST(PlanInputBlockTest, BadBlockLinesAreRefusedWithTheirNumber) {
  const std::string firstLayout = [] {
    PlanRecord plan;
    ResetPlan(plan, kClockYear);
    return PlanFileText(plan);
  }();
  PlanRecord plan;
  ResetPlan(plan, kClockYear);
  const PlanRecord before = plan;
  PlanFileResult result = ReadText(firstLayout + "[Prevora]\r\nFullRetirementBenefit1=12x\r\n", plan);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.message.find("(line 168 of"), std::string::npos) << result.message;
  result = ReadText(firstLayout + "[Prevora]\r\n\r\nno value here\r\n", plan);
  EXPECT_NE(result.message.find("is not a Key=Value line (line 169"), std::string::npos) << result.message;
  EXPECT_TRUE(plan == before);
  // Lines after the first layout without the tag stay ignored, as they always were.
  EXPECT_TRUE(ReadText(firstLayout + "notes\r\nFullRetirementBenefit1=5\r\n", plan).ok);
  EXPECT_EQ(plan.FullRetirementBenefit1, 0);
}

}  // namespace
