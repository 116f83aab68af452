#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <filesystem>

#include "PlanTestSupport.h"
#include "model/FileSave.h"

namespace {

namespace fs = std::filesystem;
using plantest::ReadAll;
using plantest::TempFolder;
using plantest::WriteAll;

std::size_t FileCount(const fs::path& folder) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

mode_t ModeOf(const std::string& path) {
  struct stat status {};
  EXPECT_EQ(stat(path.c_str(), &status), 0) << path;
  return status.st_mode & 07777;
}

// The umask in force for the whole test, so expected default modes are known.
class FixedUmask {
 public:
  explicit FixedUmask(mode_t mask) : saved_(umask(mask)) {}
  ~FixedUmask() { umask(saved_); }

 private:
  mode_t saved_;
};

std::string TemporaryName(const std::string& random) {
  return std::string(kSaveTemporaryPrefix) + random + std::string(kSaveTemporarySuffix);
}

void SetAge(const std::string& path, int secondsAgo) {
  const timespec when{time(nullptr) - secondsAgo, 0};
  const timespec times[2] = {when, when};
  ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
}

TEST(FileSaveTest, ControlCharactersInTheNameAreRefusedBeforeAnythingIsWritten) {
  TempFolder folder;
  const std::string names[] = {"Two\nLines.plan", "Carriage\rReturn.plan", "Tab\t.plan", "Esc\x1b]0;x.plan",
                               "Del\x7f.plan"};
  for (const std::string& name : names) {
    const std::string message = SaveFileContents(folder.File(name), "new");
    EXPECT_NE(message.find("control character"), std::string::npos) << message;
    EXPECT_EQ(message.find_first_of("\n\r\t\x1b\x7f"), std::string::npos) << "the message repeats the raw name";
  }
  EXPECT_EQ(FileCount(folder.Path()), 0u);
}

TEST(FileSaveTest, TargetsThatAreNotRegularFilesAreRefusedAndKept) {
  TempFolder folder;
  const std::string fifo = folder.File("pipe.plan");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  const std::string device = folder.File("null.plan");
  const bool haveDevice = mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
  const std::string socketPath = folder.File("sock.plan");
  const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
  ASSERT_EQ(bind(sock, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  fs::create_directory(folder.File("folder.plan"));
  fs::create_symlink(folder.File("absent.plan"), folder.File("dangling.plan"));
  fs::create_symlink(folder.File("loop2.plan"), folder.File("loop1.plan"));
  fs::create_symlink(folder.File("loop1.plan"), folder.File("loop2.plan"));
  fs::create_symlink(fifo, folder.File("to-pipe.plan"));
  const std::size_t before = FileCount(folder.Path());

  struct Case {
    std::string name;
    const char* reason;
  };
  std::vector<Case> cases = {{"pipe.plan", "named pipe"}, {"sock.plan", "socket"},
                             {"folder.plan", "folder"},   {"dangling.plan", "does not exist"},
                             {"loop1.plan", "loop"},      {"to-pipe.plan", "named pipe"}};
  if (haveDevice) cases.push_back({"null.plan", "device"});
  for (const Case& c : cases) {
    const std::string message = SaveFileContents(folder.File(c.name), "new");
    EXPECT_NE(message.find(c.reason), std::string::npos) << c.name << ": " << message;
  }
  close(sock);
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_TRUE(fs::is_socket(socketPath));
  if (haveDevice) {
    EXPECT_TRUE(fs::is_character_file(device));
  }
  EXPECT_TRUE(fs::is_symlink(folder.File("dangling.plan")));
  EXPECT_FALSE(fs::exists(folder.File("absent.plan")));
  EXPECT_EQ(FileCount(folder.Path()), before) << "a temporary file was left behind";
}

TEST(FileSaveTest, ALinkToARegularFileStaysALinkAndHardLinksKeepTheOldText) {
  TempFolder folder;
  const std::string real = folder.File("Real.plan");
  WriteAll(real, "old");
  fs::create_symlink("Real.plan", folder.File("Link.plan"));
  fs::create_hard_link(real, folder.File("Twin.plan"));
  ASSERT_EQ(SaveFileContents(folder.File("Link.plan"), "new"), "");
  EXPECT_TRUE(fs::is_symlink(folder.File("Link.plan")));
  EXPECT_EQ(ReadAll(real), "new");
  // The save replaces the name saved to; the other name keeps the old plan.
  EXPECT_EQ(ReadAll(folder.File("Twin.plan")), "old");
  EXPECT_EQ(fs::hard_link_count(real), 1u);
}

TEST(FileSaveTest, TheLongestLegalNameSaves) {
  TempFolder folder;
  const std::string name = std::string(250, 'n') + ".plan";
  ASSERT_EQ(name.size(), 255u);
  ASSERT_EQ(SaveFileContents(folder.File(name), "new"), "");
  EXPECT_EQ(ReadAll(folder.File(name)), "new");
  EXPECT_EQ(SaveFileContents(folder.File(name), "again"), "");
  EXPECT_EQ(ReadAll(folder.File(name)), "again");
  EXPECT_EQ(FileCount(folder.Path()), 1u);
}

TEST(FileSaveTest, TheTemporaryFileHasTheFinalPermissionsFromTheStart) {
  FixedUmask mask(022);
  TempFolder folder;
  const std::string path = folder.File("Private.plan");
  WriteAll(path, "old");
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
  std::vector<mode_t> seen;
  const SaveStepHook look = [&](SaveStep, const std::string& temporary) { seen.push_back(ModeOf(temporary)); };
  ASSERT_EQ(SaveFileContents(path, "new", look), "");
  EXPECT_EQ(seen, (std::vector<mode_t>{0600, 0600}));
  EXPECT_EQ(ModeOf(path), 0600u);

  // A new file gets the user's default, also while it is written.
  seen.clear();
  const std::string fresh = folder.File("Fresh.plan");
  ASSERT_EQ(SaveFileContents(fresh, "new", look), "");
  EXPECT_EQ(seen, (std::vector<mode_t>{0644, 0644}));
  EXPECT_EQ(ModeOf(fresh), 0644u);
}

TEST(FileSaveTest, TheTargetIsReplacedOnlyOnceTheNewTextIsComplete) {
  TempFolder folder;
  const std::string path = folder.File("Plan.plan");
  WriteAll(path, "old");
  const std::string text(100000, 'x');
  bool looked = false;
  ASSERT_EQ(SaveFileContents(path, text,
                             [&](SaveStep step, const std::string& temporary) {
                               if (step != SaveStep::Written) return;
                               looked = true;
                               EXPECT_EQ(ReadAll(path), "old");
                               EXPECT_EQ(ReadAll(temporary), text);
                             }),
            "");
  EXPECT_TRUE(looked);
  EXPECT_EQ(ReadAll(path), text);
}

TEST(FileSaveTest, AFailedReplaceLeavesTheOldFileAndItsMode) {
  TempFolder folder;
  const std::string path = folder.File("ReadOnly.plan");
  WriteAll(path, "old");
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  // Taking the temporary file away makes the final move fail.
  const std::string message = SaveFileContents(path, "new", [](SaveStep step, const std::string& temporary) {
    if (step == SaveStep::Written) unlink(temporary.c_str());
  });
  EXPECT_FALSE(message.empty());
  EXPECT_EQ(ModeOf(path), 0444u);
  EXPECT_EQ(ReadAll(path), "old");
  EXPECT_EQ(FileCount(folder.Path()), 1u);
}

TEST(FileSaveTest, StaleTemporariesOfAKilledSaveAreRemovedAndNothingElse) {
  TempFolder folder;
  const std::string stale = folder.File(TemporaryName("abcdefghij01"));
  const std::string running = folder.File(TemporaryName("abcdefghij02"));
  const std::string foreign = folder.File(".prevora-notours.tmp");
  const std::string oldPlan = folder.File("Old.plan");
  for (const std::string& path : {stale, running, foreign, oldPlan}) WriteAll(path, "x");
  SetAge(stale, 120);
  SetAge(foreign, 120);
  SetAge(oldPlan, 120);
  SetAge(running, 5);
  ASSERT_EQ(SaveFileContents(folder.File("Plan.plan"), "new"), "");
  EXPECT_FALSE(fs::exists(stale));
  EXPECT_TRUE(fs::exists(running));
  EXPECT_TRUE(fs::exists(foreign));
  EXPECT_TRUE(fs::exists(oldPlan));
}

// Root saving another user's plan must not take it over.
TEST(FileSaveTest, OwnerAndGroupAreKeptWhereTheProcessMaySetThem) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to give a file to another user";
  TempFolder folder;
  const std::string path = folder.File("Theirs.plan");
  WriteAll(path, "old");
  ASSERT_EQ(chown(path.c_str(), 12345, 23456), 0);
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_EQ(SaveFileContents(path, "new"), "");
  struct stat status {};
  ASSERT_EQ(stat(path.c_str(), &status), 0);
  EXPECT_EQ(status.st_uid, 12345u);
  EXPECT_EQ(status.st_gid, 23456u);
  EXPECT_EQ(status.st_mode & 07777, 0600u);
  EXPECT_EQ(ReadAll(path), "new");
}

}  // namespace
