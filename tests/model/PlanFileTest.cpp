#include <gtest/gtest.h>

#include <sstream>

#include "model/PlanFile.h"
#include "model/PlanLineText.h"
#include "model/SamplePlan.h"
#include "PlanTestSupport.h"

namespace {

using plantest::kClockYear;

PlanRecord Sample() {
  PlanRecord plan;
  ResetPlan(plan, kClockYear);
  return plan;
}

PlanFileResult ReadText(const std::string& text, PlanRecord& plan) {
  std::istringstream in(text);
  return ReadPlanText(in, plan, kClockYear, "test.plan");
}

// The first `count` lines of a full plan image, each ended by CR LF.
std::string FirstLines(const PlanRecord& plan, int count) {
  const auto lines = plantest::SplitLines(PlanFileText(plan));
  std::string text;
  for (int i = 0; i < count; ++i) text += lines[i] + "\n";
  return text;
}

std::string WithLine(const PlanRecord& plan, int lineNumber, const std::string& replacement) {
  auto lines = plantest::SplitLines(PlanFileText(plan));
  lines[lineNumber - 1] = replacement;
  std::string text;
  for (const auto& line : lines) text += line + (line.empty() || line.back() != '\r' ? "\r\n" : "\n");
  return text;
}

TEST(PlanFileLayoutTest, EveryLineHoldsADistinctField) {
  const auto& layout = PlanFileLayout();
  for (std::size_t i = 0; i < layout.size(); ++i) {
    EXPECT_TRUE(std::visit([](auto member) { return member != nullptr; }, layout[i])) << "line " << i + 1;
    for (std::size_t j = 0; j < i; ++j) EXPECT_FALSE(layout[i] == layout[j]) << "lines " << j + 1 << ", " << i + 1;
  }
}

TEST(PlanFileWriteTest, SampleImageLines) {
  const std::string text = PlanFileText(Sample());
  ASSERT_GE(text.size(), 2u);
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  const auto lines = plantest::SplitLines(text);
  ASSERT_EQ(lines.size(), 166u);
  for (const auto& line : lines) ASSERT_TRUE(!line.empty() && line.back() == '\r');
  auto at = [&](int number) { return lines[number - 1].substr(0, lines[number - 1].size() - 1); };
  EXPECT_EQ(at(1), "JohnSmith.plan");
  EXPECT_EQ(at(2), "2");
  EXPECT_EQ(at(3), "John Smith");
  EXPECT_EQ(at(4), "30");
  EXPECT_EQ(at(50), std::to_string(kClockYear));
  const char* rates[] = {"2.5", "6", "1.5", "1.5", "3", "1", "1", "0", "0", "10"};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(at(51 + i), rates[i]);
  EXPECT_EQ(at(131), "Other Annual Expense #1");
  EXPECT_EQ(at(142), "1");
  EXPECT_EQ(at(151), "One Time Special Event #1");
  EXPECT_EQ(at(156), std::to_string(kClockYear));
}

TEST(PlanFileWriteTest, OnePersonIsWrittenAsOne) {
  PlanRecord plan = Sample();
  plan.SecondPerson = false;
  EXPECT_EQ(plantest::SplitLines(PlanFileText(plan))[1], "1\r");
}

TEST(PlanFileWriteTest, RatesUseShortestFormWithFifteenDigits) {
  EXPECT_EQ(FormatRateLine(2.5L), "2.5");
  EXPECT_EQ(FormatRateLine(6.0L), "6");
  EXPECT_EQ(FormatRateLine(-0.25L), "-0.25");
  EXPECT_EQ(FormatRateLine(0.1L), "0.1");
  EXPECT_EQ(FormatRateLine(1.0L / 3.0L), "0.333333333333333");
  long double large = 0.0L;
  ASSERT_TRUE(ParseRateLine(FormatRateLine(1e20L), large));
  EXPECT_EQ(large, 1e20L);
}

TEST(PlanFileRoundTripTest, SamplePlan) {
  PlanRecord read = plantest::EveryFieldSet();
  ASSERT_TRUE(ReadText(PlanFileText(Sample()), read).ok);
  EXPECT_TRUE(read == Sample()) << plantest::FirstDifference(read, Sample());
}

TEST(PlanFileRoundTripTest, EveryFieldSetIncludingWideAndNegativeAmounts) {
  PlanRecord plan = plantest::EveryFieldSet();
  plan.HomeValue = 3000000000LL;
  plan.CurrentDebt = -4000000000LL;
  plan.EventYear3 = std::numeric_limits<std::int64_t>::min();
  plan.EventAmount5 = std::numeric_limits<std::int64_t>::max();
  plan.CarYearsLeft2 = std::numeric_limits<std::int32_t>::min();
  PlanRecord read = Sample();
  const PlanFileResult result = ReadText(PlanFileText(plan), read);
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_TRUE(read == plan) << plantest::FirstDifference(read, plan);
  EXPECT_FALSE(read.SecondPerson);
}

TEST(PlanFileShortFileTest, FileOf150LinesKeepsSampleEvents) {
  PlanRecord plan = plantest::EveryFieldSet();
  PlanRecord read;
  ASSERT_TRUE(ReadText(FirstLines(plan, 150), read).ok);
  EXPECT_EQ(read.NewHomeTaxes, plan.NewHomeTaxes);
  EXPECT_EQ(read.EventTitle1, "One Time Special Event #1");
  EXPECT_EQ(read.EventTitle5, "One Time Special Event #5");
  EXPECT_EQ(read.EventYear2, kClockYear);
  EXPECT_EQ(read.EventAmount4, 0);
  EXPECT_EQ(read.OtherAnnualTotal, 0);
}

TEST(PlanFileShortFileTest, FileOf165LinesKeepsOtherAnnualTotalZero) {
  PlanRecord plan = plantest::EveryFieldSet();
  PlanRecord read;
  ASSERT_TRUE(ReadText(FirstLines(plan, 165), read).ok);
  EXPECT_EQ(read.EventAmount5, plan.EventAmount5);
  EXPECT_EQ(read.OtherAnnualTotal, 0);
}

TEST(PlanFileShortFileTest, FileOf100LinesFailsAtLine101AndKeepsThePlan) {
  PlanRecord read = plantest::EveryFieldSet();
  const PlanFileResult result = ReadText(FirstLines(Sample(), 100), read);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message, "'' is not a valid integer value (line 101 of \"test.plan\")");
  EXPECT_TRUE(read == plantest::EveryFieldSet());
}

TEST(PlanFileShortFileTest, EndingInsideTheEventsFails) {
  PlanRecord read;
  const PlanFileResult result = ReadText(FirstLines(Sample(), 157), read);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.message.find("line 158"), std::string::npos) << result.message;
}

TEST(PlanFileReadTest, LinesAfterTheLastAreIgnored) {
  PlanRecord read;
  ASSERT_TRUE(ReadText(PlanFileText(Sample()) + "garbage\r\nmore\r\n", read).ok);
  EXPECT_TRUE(read == Sample());
}

TEST(PlanFileReadTest, LineFeedOnlyFilesRead) {
  const PlanRecord plan = plantest::EveryFieldSet();
  std::string text = PlanFileText(plan);
  std::erase(text, '\r');
  PlanRecord read;
  ASSERT_TRUE(ReadText(text, read).ok);
  EXPECT_TRUE(read == plan) << plantest::FirstDifference(read, plan);
}

TEST(PlanFileReadTest, LastLineWithoutLineEnd) {
  std::string text = PlanFileText(plantest::EveryFieldSet());
  text.resize(text.size() - 2);
  PlanRecord read;
  ASSERT_TRUE(ReadText(text, read).ok);
  EXPECT_EQ(read.OtherAnnualTotal, plantest::EveryFieldSet().OtherAnnualTotal);
}

TEST(PlanFileReadTest, AnyPersonCountButTwoMeansOnePerson) {
  for (const char* line : {"0", "3", "1", "-2"}) {
    PlanRecord read;
    ASSERT_TRUE(ReadText(WithLine(Sample(), 2, line), read).ok) << line;
    EXPECT_FALSE(read.SecondPerson) << line;
  }
}

TEST(PlanFileReadTest, TheStoredNameLosesAnyFolderPart) {
  for (const char* line : {"../../.bashrc", "/home/someone/.bashrc", "sub/.bashrc"}) {
    PlanRecord read;
    ASSERT_TRUE(ReadText(WithLine(Sample(), 1, line), read).ok) << line;
    EXPECT_EQ(read.PlanFileName, ".bashrc") << line;
  }
  PlanRecord read;
  ASSERT_TRUE(ReadText(WithLine(Sample(), 1, "My Plan.v2.plan"), read).ok);
  EXPECT_EQ(read.PlanFileName, "My Plan.v2.plan");
}

TEST(PlanFileReadTest, CommaDecimalSeparatorIsAccepted) {
  PlanRecord read;
  ASSERT_TRUE(ReadText(WithLine(Sample(), 51, "3,25"), read).ok);
  EXPECT_EQ(read.InflationRate, 3.25L);
}

TEST(PlanFileReadTest, HandEditedNumbersAreTolerated) {
  PlanRecord read;
  std::string text = WithLine(Sample(), 21, " +85000 ");
  ASSERT_TRUE(ReadText(text, read).ok);
  EXPECT_EQ(read.Salary1, 85000);
}

TEST(PlanFileBadLineTest, MessagesCarryTheLineAndTheSource) {
  struct Case {
    int line;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {5, "abc", "'abc' is not a valid integer value (line 5 of \"test.plan\")"},
      {2, "two", "'two' is not a valid integer value (line 2 of \"test.plan\")"},
      {21, "12.5", "'12.5' is not a valid integer value (line 21 of \"test.plan\")"},
      {51, "2.5%", "'2.5%' is not a valid floating point value (line 51 of \"test.plan\")"},
      {52, "", "'' is not a valid floating point value (line 52 of \"test.plan\")"},
      {60, "1.5.2", "'1.5.2' is not a valid floating point value (line 60 of \"test.plan\")"},
      {53, "nan", "'nan' is not a valid floating point value (line 53 of \"test.plan\")"},
      {54, "1e99999", "'1e99999' is not a valid floating point value (line 54 of \"test.plan\")"},
  };
  for (const Case& c : cases) {
    PlanRecord read = plantest::EveryFieldSet();
    const PlanFileResult result = ReadText(WithLine(Sample(), c.line, c.text), read);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, c.message);
    EXPECT_TRUE(read == plantest::EveryFieldSet()) << "a failed read changed the plan, line " << c.line;
  }
}

TEST(PlanFileBadLineTest, IntegersBeyondTheFieldWidthAreRefused) {
  PlanRecord read;
  // Age2 is 32-bit; Salary1 and EventYear1 are 64-bit.
  EXPECT_FALSE(ReadText(WithLine(Sample(), 8, "2147483648"), read).ok);
  EXPECT_FALSE(ReadText(WithLine(Sample(), 8, "-2147483649"), read).ok);
  EXPECT_TRUE(ReadText(WithLine(Sample(), 21, "2147483648"), read).ok);
  EXPECT_EQ(read.Salary1, 2147483648LL);
  EXPECT_FALSE(ReadText(WithLine(Sample(), 21, "9223372036854775808"), read).ok);
  EXPECT_TRUE(ReadText(WithLine(Sample(), 156, "-9223372036854775808"), read).ok);
  EXPECT_EQ(read.EventYear1, std::numeric_limits<std::int64_t>::min());
  const PlanFileResult result = ReadText(WithLine(Sample(), 156, "99999999999999999999"), read);
  EXPECT_EQ(result.message, "'99999999999999999999' is not a valid integer value (line 156 of \"test.plan\")");
}

TEST(PlanFileBadLineTest, FirstAgeOutsideFifteenToNinetyIsRefused) {
  for (const char* age : {"14", "91", "-30", "2000000000"}) {
    PlanRecord read = Sample();
    const PlanFileResult result = ReadText(WithLine(plantest::EveryFieldSet(), 4, age), read);
    EXPECT_FALSE(result.ok) << age;
    EXPECT_NE(result.message.find("line 4 of \"test.plan\""), std::string::npos) << result.message;
    EXPECT_TRUE(read == Sample());
  }
  for (const char* age : {"15", "90"}) {
    PlanRecord read;
    EXPECT_TRUE(ReadText(WithLine(Sample(), 4, age), read).ok) << age;
  }
}

TEST(PlanFileBadLineTest, EmptyTextIsNotAPlan) {
  PlanRecord read = Sample();
  const PlanFileResult result = ReadText("", read);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message, "'' is not a valid integer value (line 2 of \"test.plan\")");
}

}  // namespace
