#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

#include <filesystem>

#include "model/PlanFile.h"
#include "model/SamplePlan.h"
#include "PlanTestSupport.h"

namespace {

namespace fs = std::filesystem;
using plantest::kClockYear;

PlanRecord Sample() {
  PlanRecord plan;
  ResetPlan(plan, kClockYear);
  return plan;
}

std::size_t FileCount(const fs::path& folder) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

// Limits the size of files this process may write, so the next write fails
// part way through as it would on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit saved_{};
  void (*previousHandler_)(int) = nullptr;
};

TEST(PlanFileDiskTest, WriteSetsTheNameAndReadsBack) {
  plantest::TempFolder folder;
  PlanRecord plan = plantest::EveryFieldSet();
  const std::string path = folder.File("Household.plan");
  const PlanFileResult written = WritePlanFile(plan, path);
  ASSERT_TRUE(written.ok) << written.message;
  EXPECT_EQ(plan.PlanFileName, "Household.plan");
  EXPECT_EQ(plantest::ReadAll(path), PlanFileText(plan));
  EXPECT_EQ(FileCount(folder.Path()), 1u);

  PlanRecord read = Sample();
  const PlanFileResult result = ReadPlanFile(read, path, kClockYear);
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_TRUE(read == plan) << plantest::FirstDifference(read, plan);
}

TEST(PlanFileDiskTest, ReadTakesTheNameStoredInTheFile) {
  plantest::TempFolder folder;
  PlanRecord plan = Sample();
  ASSERT_TRUE(WritePlanFile(plan, folder.File("First.plan")).ok);
  fs::rename(folder.File("First.plan"), folder.File("Renamed.plan"));
  PlanRecord read;
  ASSERT_TRUE(ReadPlanFile(read, folder.File("Renamed.plan"), kClockYear).ok);
  EXPECT_EQ(read.PlanFileName, "First.plan");
}

TEST(PlanFileDiskTest, MissingFileLeavesThePlan) {
  plantest::TempFolder folder;
  PlanRecord plan = plantest::EveryFieldSet();
  const PlanFileResult result = ReadPlanFile(plan, folder.File("Nowhere.plan"), kClockYear);
  EXPECT_TRUE(result.ok);
  EXPECT_TRUE(result.missing);
  EXPECT_TRUE(plan == plantest::EveryFieldSet());
}

TEST(PlanFileDiskTest, DamagedFileLeavesThePlanAndNamesFileAndLine) {
  plantest::TempFolder folder;
  const std::string path = folder.File("Damaged.plan");
  plantest::WriteAll(path, "Damaged.plan\r\n2\r\nJohn\r\n45\r\nsixty-five\r\n");
  PlanRecord plan = plantest::EveryFieldSet();
  const PlanFileResult result = ReadPlanFile(plan, path, kClockYear);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message, "'sixty-five' is not a valid integer value (line 5 of \"" + path + "\")");
  EXPECT_TRUE(plan == plantest::EveryFieldSet());
}

TEST(PlanFileDiskTest, ReadingAFolderFailsWithItsName) {
  plantest::TempFolder folder;
  PlanRecord plan = Sample();
  const PlanFileResult result = ReadPlanFile(plan, folder.Path().string(), kClockYear);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.message.find(folder.Path().string()), std::string::npos);
  EXPECT_TRUE(plan == Sample());
}

TEST(PlanFileDiskTest, ReadOnlyTargetIsReplaced) {
  plantest::TempFolder folder;
  const std::string path = folder.File("Locked.plan");
  plantest::WriteAll(path, "old\r\n");
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  PlanRecord plan = Sample();
  const PlanFileResult result = WritePlanFile(plan, path);
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(plantest::ReadAll(path), PlanFileText(plan));
  EXPECT_NE(fs::status(path).permissions() & fs::perms::owner_write, fs::perms::none);
}

TEST(PlanFileDiskTest, PrivateTargetStaysPrivate) {
  plantest::TempFolder folder;
  const std::string path = folder.File("Private.plan");
  plantest::WriteAll(path, "old\r\n");
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
  PlanRecord plan = Sample();
  ASSERT_TRUE(WritePlanFile(plan, path).ok);
  EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST(PlanFileDiskTest, UncreatableFileFailsAndKeepsTheName) {
  plantest::TempFolder folder;
  plantest::WriteAll(folder.File("NotAFolder"), "x");
  const std::string path = folder.File("NotAFolder") + "/Plan.plan";
  PlanRecord plan = Sample();
  const PlanFileResult result = WritePlanFile(plan, path);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.message.find("\"" + path + "\""), std::string::npos) << result.message;
  EXPECT_EQ(plan.PlanFileName, "JohnSmith.plan");
}

TEST(PlanFileDiskTest, WriteFailingPartWayLeavesTheOldFile) {
  plantest::TempFolder folder;
  const std::string path = folder.File("Kept.plan");
  PlanRecord old = plantest::EveryFieldSet();
  ASSERT_TRUE(WritePlanFile(old, path).ok);
  const std::string before = plantest::ReadAll(path);

  PlanRecord plan = Sample();
  PlanFileResult result;
  {
    FileSizeLimit limit(100);
    result = WritePlanFile(plan, path);
  }
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.message.find("Kept.plan"), std::string::npos) << result.message;
  EXPECT_EQ(plantest::ReadAll(path), before);
  EXPECT_EQ(plan.PlanFileName, "JohnSmith.plan");
  EXPECT_EQ(FileCount(folder.Path()), 1u) << "the unfinished file was left behind";
}

TEST(PlanFileDiskTest, UnreplaceableTargetLeavesNoStrayFile) {
  plantest::TempFolder folder;
  const std::string path = folder.File("Busy.plan");
  fs::create_directory(path);
  fs::create_directory(folder.File("Busy.plan/inside"));
  PlanRecord plan = Sample();
  const PlanFileResult result = WritePlanFile(plan, path);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(FileCount(folder.Path()), 1u);
  EXPECT_EQ(plan.PlanFileName, "JohnSmith.plan");
}

TEST(PlanFileDiskTest, SavingThroughALinkKeepsTheLink) {
  plantest::TempFolder folder;
  const std::string real = folder.File("Real.plan");
  const std::string link = folder.File("Link.plan");
  plantest::WriteAll(real, "old\r\n");
  fs::create_symlink(real, link);
  PlanRecord plan = Sample();
  ASSERT_TRUE(WritePlanFile(plan, link).ok);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(plan.PlanFileName, "Link.plan");
  EXPECT_EQ(plantest::ReadAll(real), PlanFileText(plan));
}

TEST(PlanFileDiskTest, NameOfPath) {
  EXPECT_EQ(PlanNameOfPath("/home/ann/plans/Ann.plan"), "Ann.plan");
  EXPECT_EQ(PlanNameOfPath("Ann.plan"), "Ann.plan");
  EXPECT_EQ(PlanNameOfPath("/home/ann/"), "");
}

}  // namespace

namespace {

// The sample household that the program opens on its first run.
TEST(PlanFileDiskTest, ShippedDoublePlanIsACompletePlanImage) {
  const std::string path = std::string(PREVORA_TEST_DATA) + "/../../resources/Double.plan";
  PlanRecord plan;
  const PlanFileResult result = ReadPlanFile(plan, path, 2030);
  ASSERT_TRUE(result.ok) << result.message;
  ASSERT_FALSE(result.missing);
  EXPECT_EQ(plan.PlanFileName, "Double.plan");
  EXPECT_TRUE(plan.SecondPerson);
  EXPECT_EQ(plan.CurrentYear, 2026);
  EXPECT_EQ(plantest::ReadAll(path), PlanFileText(plan));
}

}  // namespace
