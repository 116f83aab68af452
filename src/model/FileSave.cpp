#include "model/FileSave.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <random>
#include <system_error>

#include "model/FileChecks.h"

namespace {

constexpr std::time_t kStaleAfterSeconds = 60;
constexpr std::string_view kRandomAlphabet = "abcdefghijklmnopqrstuvwxyz0123456789";

std::string ErrnoText(int error) { return std::error_code(error, std::generic_category()).message(); }

// The regular file a save replaces.
struct SaveTarget {
  std::string path;
  bool exists = false;
  struct stat status {};
};

// Follows a link to the file it leads to; refuses anything but a regular file
// or a name that is still free.
std::string ResolveTarget(const std::string& path, SaveTarget& target) {
  target.path = path;
  struct stat entry {};
  if (lstat(path.c_str(), &entry) != 0) return errno == ENOENT ? std::string() : ErrnoText(errno);
  if (S_ISLNK(entry.st_mode)) {
    if (stat(path.c_str(), &entry) != 0) {
      if (errno == ELOOP) return "it is a link that leads round in a loop";
      if (errno == ENOENT) return "it is a link to a file that does not exist";
      return ErrnoText(errno);
    }
    if (const std::string problem = FileTypeProblem(entry.st_mode); !problem.empty()) {
      return "it is a link to something else than a regular file (" + problem + ")";
    }
    char* resolved = realpath(path.c_str(), nullptr);
    if (!resolved) return ErrnoText(errno);
    target.path = resolved;
    std::free(resolved);
  } else if (const std::string problem = FileTypeProblem(entry.st_mode); !problem.empty()) {
    return problem;
  }
  target.exists = true;
  target.status = entry;
  return {};
}

bool IsTemporaryName(std::string_view name) {
  const std::size_t length = kSaveTemporaryPrefix.size() + kSaveTemporaryRandomLength + kSaveTemporarySuffix.size();
  if (name.size() != length || !name.starts_with(kSaveTemporaryPrefix) || !name.ends_with(kSaveTemporarySuffix))
    return false;
  const std::string_view random = name.substr(kSaveTemporaryPrefix.size(), kSaveTemporaryRandomLength);
  return random.find_first_not_of(kRandomAlphabet) == std::string_view::npos;
}

// Removes what saves killed part way left behind: only regular files of our
// naming and owner, old enough that no running save still writes them.
void RemoveStaleTemporaries(const std::string& folder) {
  DIR* dir = opendir(folder.c_str());
  if (!dir) return;
  const std::time_t limit = std::time(nullptr) - kStaleAfterSeconds;
  while (const dirent* entry = readdir(dir)) {
    if (!IsTemporaryName(entry->d_name)) continue;
    struct stat status {};
    if (fstatat(dirfd(dir), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (S_ISREG(status.st_mode) && status.st_uid == geteuid() && status.st_mtime < limit) {
      unlinkat(dirfd(dir), entry->d_name, 0);
    }
  }
  closedir(dir);
}

std::string RandomPart() {
  static thread_local std::mt19937_64 random{std::random_device{}() ^ static_cast<std::uint64_t>(std::time(nullptr)) ^
                                             (static_cast<std::uint64_t>(getpid()) << 32)};
  std::uniform_int_distribution<std::size_t> pick(0, kRandomAlphabet.size() - 1);
  std::string part(kSaveTemporaryRandomLength, 'a');
  for (char& c : part) c = kRandomAlphabet[pick(random)];
  return part;
}

// Creates the temporary file with the target's permissions and, where
// allowed, its owner, before a byte is written; -1 with errno on failure.
int CreateTemporary(const std::string& folder, const SaveTarget& target, std::string& created) {
  const mode_t mode = target.exists ? ((target.status.st_mode & 0777) | S_IWUSR) : 0666;
  for (int attempt = 0; attempt < 100; ++attempt) {
    created = folder + "/" + std::string(kSaveTemporaryPrefix) + RandomPart() + std::string(kSaveTemporarySuffix);
    const int fd = open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0 || !target.exists) return fd;
    // Root saving another user's plan keeps it theirs; others cannot, and need not.
    if (target.status.st_uid != geteuid() || target.status.st_gid != getegid()) {
      if (fchown(fd, target.status.st_uid, target.status.st_gid) != 0) {
        [[maybe_unused]] const int ignored = fchown(fd, static_cast<uid_t>(-1), target.status.st_gid);
      }
    }
    // The umask may have narrowed the mode, never widened it.
    if (fchmod(fd, mode) != 0) {
      const int error = errno;
      close(fd);
      unlink(created.c_str());
      errno = error;
      return -1;
    }
    return fd;
  }
  errno = EEXIST;
  return -1;
}

// Writes everything and forces it to the disk; an empty text or the reason.
std::string WriteAndFlush(int fd, std::string_view contents) {
  while (!contents.empty()) {
    const ssize_t written = write(fd, contents.data(), contents.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return written < 0 ? ErrnoText(errno) : ErrnoText(EIO);
    contents.remove_prefix(static_cast<std::size_t>(written));
  }
  if (fsync(fd) != 0) return ErrnoText(errno);
  return {};
}

// Makes the rename itself durable. Some file systems cannot flush a folder;
// the new file is in place either way.
void FlushFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

std::string SaveFileContents(const std::string& path, std::string_view contents, const SaveStepHook& hook) {
  if (const std::string problem = FileNameProblem(std::filesystem::path(path).filename().string()); !problem.empty())
    return problem;
  SaveTarget target;
  if (const std::string problem = ResolveTarget(path, target); !problem.empty()) return problem;
  std::string folder = std::filesystem::path(target.path).parent_path().string();
  if (folder.empty()) folder = ".";
  RemoveStaleTemporaries(folder);

  std::string temporary;
  const int fd = CreateTemporary(folder, target, temporary);
  if (fd < 0) return ErrnoText(errno);
  if (hook) hook(SaveStep::Created, temporary);
  std::string problem = WriteAndFlush(fd, contents);
  if (close(fd) != 0 && problem.empty()) problem = ErrnoText(errno);
  if (problem.empty() && hook) hook(SaveStep::Written, temporary);
  if (problem.empty() && rename(temporary.c_str(), target.path.c_str()) != 0) problem = ErrnoText(errno);
  if (!problem.empty()) {
    unlink(temporary.c_str());
    return problem;
  }
  FlushFolder(folder);
  return {};
}
