#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "model/NumberFormat.h"
#include "model/PlanFile.h"
#include "model/SamplePlan.h"
#include "PlanTestSupport.h"

namespace {

const char* const kExtremeLines[] = {
    "", " ", "0", "-0", "+0", "2", "15", "90", "-1", "2147483647", "2147483648", "-2147483648",
    "-2147483649", "9223372036854775807", "9223372036854775808", "-9223372036854775808",
    "-9223372036854775809", "99999999999999999999999999999999", "1e4932", "1e4933", "-1e-4950",
    "1.18973149535723176502e+4932", "inf", "-inf", "nan", "0x10", "1,5", "1.5", "1,000.5", ",", ".",
    "--1", "+-1", "1e", "e1", "$5", "(5)", "\t7\t", "\r", "\r\r", "2.5\r", "\xff\xfe", "1 2",
};

std::string RandomLine(std::mt19937& random) {
  std::uniform_int_distribution<int> pick(0, 9);
  if (pick(random) < 7) {
    std::uniform_int_distribution<std::size_t> which(0, std::size(kExtremeLines) - 1);
    return kExtremeLines[which(random)];
  }
  std::uniform_int_distribution<int> length(0, 40);
  std::uniform_int_distribution<int> byte(0, 255);
  std::string line(static_cast<std::size_t>(length(random)), ' ');
  for (char& c : line) c = static_cast<char>(byte(random));
  return line;
}

// Garbage and extreme values line by line, mixed into valid plans: the reader
// must either refuse with a message or produce a plan that writes and reads
// back unchanged.
TEST(PlanFileFuzzTest, ReaderSurvivesGarbageAndExtremes) {
  std::mt19937 random(20260101u);
  PlanRecord sample;
  ResetPlan(sample, plantest::kClockYear);
  const auto valid = plantest::SplitLines(PlanFileText(sample));
  const int completeCounts[] = {150, 165, 166, 170};
  const int corruptionOneIn[] = {5, 60, 300, 100000};
  std::uniform_int_distribution<int> pick(0, 3);
  std::uniform_int_distribution<int> anyCount(0, 180);
  int accepted = 0;
  for (int iteration = 0; iteration < 1500; ++iteration) {
    std::string text;
    const int count = pick(random) == 0 ? anyCount(random) : completeCounts[pick(random)];
    std::uniform_int_distribution<int> corrupt(1, corruptionOneIn[pick(random)]);
    for (int i = 0; i < count; ++i) {
      const bool keep = i < static_cast<int>(valid.size()) && corrupt(random) != 1;
      text += keep ? valid[static_cast<std::size_t>(i)] + "\n" : RandomLine(random) + "\r\n";
    }
    PlanRecord plan = sample;
    std::istringstream in(text);
    const PlanFileResult result = ReadPlanText(in, plan, plantest::kClockYear, "fuzz.plan");
    if (!result.ok) {
      ASSERT_FALSE(result.message.empty());
      ASSERT_TRUE(plan == sample);
      continue;
    }
    ++accepted;
    ASSERT_GE(plan.Age1, 15);
    ASSERT_LE(plan.Age1, 90);
    PlanRecord again;
    std::istringstream image(PlanFileText(plan));
    ASSERT_TRUE(ReadPlanText(image, again, plantest::kClockYear, "again.plan").ok);
    ASSERT_EQ(PlanFileText(again), PlanFileText(plan));
  }
  EXPECT_GT(accepted, 0);
}

// One hostile change to a whole plan image: NUL bytes, control characters,
// very long lines, or CR alone as line end.
std::string HostileImage(std::mt19937& random, const std::string& valid) {
  std::string text = valid;
  std::uniform_int_distribution<std::size_t> at(0, text.size());
  std::uniform_int_distribution<int> control(0, 31);
  switch (std::uniform_int_distribution<int>(0, 4)(random)) {
    case 0:
      for (int i = 0; i < 3; ++i) text.insert(at(random), 1, '\0');
      break;
    case 1:
      for (int i = 0; i < 5; ++i) text.insert(at(random), 1, static_cast<char>(control(random)));
      break;
    case 2: {
      const std::size_t length = std::uniform_int_distribution<std::size_t>(1000, kLongestPlanLine + 2000)(random);
      text.insert(at(random), length, std::uniform_int_distribution<int>(0, 1)(random) ? '9' : 'x');
      break;
    }
    case 3:
      std::erase(text, '\n');
      break;
    default:
      text.insert(at(random), "\x1b]0;title\x07\xc2\x9b\xff");
      break;
  }
  return text;
}

TEST(PlanFileFuzzTest, HostileBytesGiveShortReadableMessagesOrARoundTrip) {
  std::mt19937 random(14u);
  PlanRecord sample;
  ResetPlan(sample, plantest::kClockYear);
  const std::string valid = PlanFileText(sample);
  for (int iteration = 0; iteration < 400; ++iteration) {
    PlanRecord plan = sample;
    std::istringstream in(HostileImage(random, valid));
    const PlanFileResult result = ReadPlanText(in, plan, plantest::kClockYear, "fuzz.plan");
    if (!result.ok) {
      ASSERT_TRUE(plan == sample);
      ASSERT_LT(result.message.size(), 300u) << result.message.substr(0, 300);
      ASSERT_TRUE(result.message.ends_with(" of \"fuzz.plan\")")) << result.message;
      for (const char c : result.message) ASSERT_GE(static_cast<unsigned char>(c), 0x20u) << result.message;
      continue;
    }
    ASSERT_EQ(plan.PlanFileName.find_first_of(std::string("\0\r\n\x1b", 4)), std::string::npos);
    PlanRecord again;
    std::istringstream image(PlanFileText(plan));
    const PlanFileResult reread = ReadPlanText(image, again, plantest::kClockYear, "again.plan");
    // Texts may hold control characters, but never a line break that shifts lines.
    ASSERT_TRUE(reread.ok) << reread.message;
    ASSERT_EQ(PlanFileText(again), PlanFileText(plan));
  }
}

// Entries built from the characters the parsers treat specially: whatever
// they accept must show and read back as the same value.
TEST(NumberEntryFuzzTest, AcceptedEntriesReadBackFromTheirDisplay) {
  std::mt19937 random(7u);
  const std::string alphabet = "0123456789999,,.$$--++(() e";
  std::uniform_int_distribution<std::size_t> length(0, 30);
  std::uniform_int_distribution<std::size_t> which(0, alphabet.size() - 1);
  for (int iteration = 0; iteration < 20000; ++iteration) {
    std::string entry(length(random), ' ');
    for (char& c : entry) c = alphabet[which(random)];
    std::int32_t code = -1;
    std::int64_t dollars = 0;
    ParseDollarEntry(entry, dollars, code);
    if (code == 0) {
      std::int64_t again = -1;
      ParseDollarEntry(FormatDollars(dollars), again, code);
      ASSERT_EQ(code, 0) << entry;
      ASSERT_EQ(again, dollars) << entry;
    }
    std::int32_t whole = 0;
    ParseWholeEntry(entry, whole, code);
    ASSERT_TRUE(code != 0 || whole >= 0) << entry;
    long double rate = 0.0L;
    ParseDecimalEntry(entry, rate, code);
    if (code == 0) {
      long double again = 0.0L;
      ParseDecimalEntry(FormatDecimal(rate, 2), again, code);
      ASSERT_EQ(code, 0) << entry;
    }
  }
}

}  // namespace
