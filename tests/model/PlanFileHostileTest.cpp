#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <sstream>

#include "PlanTestSupport.h"
#include "model/PlanFile.h"
#include "model/SamplePlan.h"

// Plan files and names that are not what they claim: pipes, devices, huge
// lines, control characters. None may block, fill memory or lose a plan.
namespace {

namespace fs = std::filesystem;
using plantest::kClockYear;
using plantest::TempFolder;

PlanRecord Sample() {
  PlanRecord plan;
  ResetPlan(plan, kClockYear);
  return plan;
}

std::string WithLine(int lineNumber, const std::string& replacement) {
  auto lines = plantest::SplitLines(PlanFileText(Sample()));
  lines[static_cast<std::size_t>(lineNumber - 1)] = replacement;
  std::string text;
  for (const auto& line : lines) text += line + "\n";
  return text;
}

PlanFileResult ReadText(const std::string& text, PlanRecord& plan, const std::string& source = "test.plan") {
  std::istringstream in(text);
  return ReadPlanText(in, plan, kClockYear, source);
}

// Reads `path` on another thread; a read still waiting after two seconds is
// released by a writer that opens and closes the pipe, and counts as blocked.
PlanFileResult ReadWithoutBlocking(const std::string& path, bool& blocked) {
  PlanRecord plan = Sample();
  auto reading = std::async(std::launch::async, [&plan, path] { return ReadPlanFile(plan, path, kClockYear); });
  blocked = reading.wait_for(std::chrono::seconds(2)) == std::future_status::timeout;
  if (blocked) {
    const int fd = open(path.c_str(), O_WRONLY | O_NONBLOCK);
    if (fd >= 0) close(fd);
  }
  return reading.get();
}

TEST(PlanFileSpecialFileTest, PipesAndDevicesAreRefusedWithoutWaiting) {
  TempFolder folder;
  const std::string fifo = folder.File("pipe.plan");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  const std::string link = folder.File("link.plan");
  fs::create_symlink(fifo, link);
  for (const std::string& path : {fifo, link}) {
    bool blocked = false;
    const PlanFileResult result = ReadWithoutBlocking(path, blocked);
    EXPECT_FALSE(blocked) << path;
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("\"" + path + "\": it is a named pipe"), std::string::npos) << result.message;
  }
  PlanRecord plan = Sample();
  const PlanFileResult device = ReadPlanFile(plan, "/dev/null", kClockYear);
  EXPECT_FALSE(device.ok);
  EXPECT_EQ(device.message, "Cannot open plan file \"/dev/null\": it is a device, not a regular file");
  EXPECT_TRUE(plan == Sample());
}

TEST(PlanFileSizeTest, AFileLargerThanAnyPlanIsRefusedUnread) {
  TempFolder folder;
  const std::string path = folder.File("Huge.plan");
  {
    std::ofstream out(path, std::ios::binary);
    out << PlanFileText(Sample());
  }
  fs::resize_file(path, 50'000'000);  // sparse: costs no disk
  PlanRecord plan = Sample();
  const auto start = std::chrono::steady_clock::now();
  const PlanFileResult result = ReadPlanFile(plan, path, kClockYear);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.message.find("larger than any plan file"), std::string::npos) << result.message;
  EXPECT_NE(result.message.find(path), std::string::npos);
  EXPECT_GT(LargestPlanFileSize(), 13 * kLongestPlanLine);
  EXPECT_LT(LargestPlanFileSize(), 13 * kLongestPlanLine + 16384);
}

TEST(PlanFileSizeTest, ALineLongerThanAnyFieldIsRefusedWithItsNumber) {
  PlanRecord plan = Sample();
  const PlanFileResult result = ReadText(std::string(kLongestPlanLine + 1, 'a') + "\r\n2\r\n", plan);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.message.find("longer than any plan line"), std::string::npos);
  EXPECT_NE(result.message.find("(line 1 of \"test.plan\")"), std::string::npos) << result.message;
  EXPECT_TRUE(plan == Sample());

  // The longest line a box can hold still reads, CR LF or LF.
  PlanRecord longest;
  ASSERT_TRUE(ReadText(WithLine(3, std::string(kLongestPlanLine, 'b')), longest).ok);
  EXPECT_EQ(longest.Name1.size(), kLongestPlanLine);
}

TEST(PlanFileMessageTest, BadLinesAreQuotedShortAndVisiblyEscaped) {
  struct Case {
    std::string line;
    std::string quoted;
  };
  const Case cases[] = {
      {std::string("4\0"
                   "2",
                   3),
       "'4\\x002'"},
      {"\x1b]0;owned\x07", "'\\x1B]0;owned\\x07'"},
      {"1\r2", "'1\\x0D2'"},
      {"\xc2\x9b"
       "31m",
       "'\\xC2\\x9B31m'"},
      {"caf\xc3\xa9", "'caf\xc3\xa9'"},
      {std::string(90'000, '7') + "x", "'" + std::string(40, '7') + "...'"},
  };
  for (const Case& c : cases) {
    PlanRecord plan;
    const PlanFileResult result = ReadText(WithLine(5, c.line), plan, "odd\x1b[2J.plan");
    ASSERT_FALSE(result.ok);
    EXPECT_EQ(result.message, c.quoted + " is not a valid integer value (line 5 of \"odd\\x1B[2J.plan\")");
  }
}

TEST(PlanFileNameTest, AStoredNameNoFileCanHaveGivesWayToTheFileName) {
  const std::string names[] = {std::string("Nul\0.plan", 9), "Tab\t.plan", "\x1b]0;x", "", "..", "sub/"};
  for (const std::string& line : names) {
    PlanRecord plan;
    std::string text = PlanFileText(Sample());
    text.replace(0, text.find("\r\n"), line);
    ASSERT_TRUE(ReadText(text, plan, "/home/ann/Saved.plan").ok);
    EXPECT_EQ(plan.PlanFileName, "Saved.plan") << plantest::FirstDifference(plan, Sample());
  }
}

TEST(PlanFileSaveNameTest, ANameWithALineBreakIsRefusedAndTheOldFileKept) {
  TempFolder folder;
  PlanRecord plan = Sample();
  const std::string good = folder.File("Good.plan");
  ASSERT_TRUE(WritePlanFile(plan, good).ok);
  const std::string before = plantest::ReadAll(good);
  for (const char* name : {"Bad\n.plan", "Bad\r.plan", "Bad\x1b.plan"}) {
    const PlanFileResult result = WritePlanFile(plan, folder.File(name));
    EXPECT_FALSE(result.ok) << name;
    EXPECT_NE(result.message.find("control character"), std::string::npos) << result.message;
  }
  EXPECT_EQ(plan.PlanFileName, "Good.plan");
  EXPECT_EQ(plantest::ReadAll(good), before);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 1);

  // A text with a line break would shift every later line just the same.
  plan.Name2 = "Mary\nSmith";
  const PlanFileResult text = WritePlanFile(plan, good);
  EXPECT_FALSE(text.ok);
  EXPECT_NE(text.message.find("line 7 holds a line break"), std::string::npos) << text.message;
  EXPECT_EQ(plantest::ReadAll(good), before);
}

}  // namespace
