#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "model/PlanFile.h"
#include "model/SamplePlan.h"

namespace fs = std::filesystem;

namespace {

std::string ErrnoText(int error) { return std::error_code(error, std::generic_category()).message(); }

PlanFileResult SaveFailure(const std::string& path, const std::string& reason) {
  return {false, false, "Cannot save plan file \"" + path + "\": " + reason};
}

PlanFileResult OpenFailure(const std::string& path, const std::string& reason) {
  return {false, false, "Cannot open plan file \"" + path + "\": " + reason};
}

// Creates a file that did not exist before in `folder`; the "x" mode makes
// sure no other file is ever truncated by mistake.
std::FILE* CreateTemporary(const fs::path& folder, const fs::path& targetName, fs::path& created) {
  static std::atomic<unsigned long long> counter{0};
  const auto stamp = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string suffix = ".tmp" + std::to_string((stamp + counter++) % 1000000007ULL);
    created = folder / ("." + targetName.string() + suffix);
    errno = 0;
    if (std::FILE* file = std::fopen(created.c_str(), "wbx")) return file;
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
}

// Writes `text` completely into a new file beside the target; returns an
// empty text or the reason of the failure.
std::string WriteTemporary(const fs::path& folder, const fs::path& targetName, const std::string& text,
                           fs::path& created) {
  std::FILE* file = CreateTemporary(folder, targetName, created);
  if (!file) return ErrnoText(errno);
  errno = 0;
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0;
  const int writeError = errno;
  const bool closed = std::fclose(file) == 0;
  const int closeError = errno;
  if (written && closed) return {};
  std::error_code ignored;
  fs::remove(created, ignored);
  const int error = !written ? writeError : closeError;
  return error != 0 ? ErrnoText(error) : "input/output error";
}

// Moves the finished file over the target. Where the system refuses to
// replace a read-only file, the target is made writable first, as saving
// over a read-only plan is meant to work.
std::error_code ReplaceTarget(const fs::path& from, const fs::path& target) {
  std::error_code error;
  fs::rename(from, target, error);
  if (!error) return error;
  std::error_code ignored;
  if (fs::exists(target, ignored) && !fs::is_directory(target, ignored)) {
    fs::permissions(target, fs::perms::owner_write, fs::perm_options::add, ignored);
    error.clear();
    fs::rename(from, target, error);
  }
  return error;
}

}  // namespace

std::string PlanNameOfPath(const std::string& path) { return fs::path(path).filename().string(); }

PlanFileResult WritePlanFile(PlanRecord& plan, const std::string& path) {
  fs::path target(path);
  if (target.filename().empty()) return SaveFailure(path, "no file name");
  std::error_code error;
  // Saving through a link updates the plan it points at and keeps the link.
  if (fs::is_symlink(target, error)) {
    const fs::path resolved = fs::weakly_canonical(target, error);
    if (!error) target = resolved;
  }

  PlanRecord image = plan;
  image.PlanFileName = PlanNameOfPath(path);
  fs::path temporary;
  const std::string writeProblem =
      WriteTemporary(target.parent_path(), target.filename(), PlanFileText(image), temporary);
  if (!writeProblem.empty()) return SaveFailure(path, writeProblem);

  // Keep a private plan private: the new file takes the old file's access rights.
  const fs::file_status oldStatus = fs::status(target, error);
  if (!error && fs::is_regular_file(oldStatus)) {
    fs::permissions(temporary, oldStatus.permissions() | fs::perms::owner_write, error);
  }
  error = ReplaceTarget(temporary, target);
  if (error) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return SaveFailure(path, error.message());
  }
  plan.PlanFileName = image.PlanFileName;
  return {};
}

PlanFileResult ReadPlanFile(PlanRecord& plan, const std::string& path, std::int32_t clockYear) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (status.type() == fs::file_type::not_found) return {true, true, {}};
  if (fs::is_directory(status)) return OpenFailure(path, "it is a folder");
  std::ifstream in(path, std::ios::binary);
  if (!in) return OpenFailure(path, ErrnoText(errno));
  return ReadPlanText(in, plan, clockYear, path);
}

PlanFileResult ReadPlanFile(PlanRecord& plan, const std::string& path) {
  return ReadPlanFile(plan, path, ClockYear());
}
