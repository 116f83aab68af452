#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <filesystem>
#include <sstream>
#include <system_error>

#include "model/FileChecks.h"
#include "model/FileSave.h"
#include "model/PlanFile.h"
#include "model/ReadableText.h"
#include "model/SamplePlan.h"

namespace fs = std::filesystem;

namespace {

std::string ErrnoText(int error) { return std::error_code(error, std::generic_category()).message(); }

PlanFileResult SaveFailure(const std::string& path, const std::string& reason) {
  return {false, false, "Cannot save plan file \"" + ReadableText(path) + "\": " + reason};
}

PlanFileResult OpenFailure(const std::string& path, const std::string& reason) {
  return {false, false, "Cannot open plan file \"" + ReadableText(path) + "\": " + reason};
}

std::string TooLarge(std::size_t largest) {
  return "it is larger than any plan file (" + std::to_string(largest) + " bytes)";
}

// Reads the whole file into `text`, at most `largest` bytes; an empty text or the reason.
std::string ReadBounded(int fd, std::size_t largest, std::string& text) {
  char buffer[65536];
  for (;;) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return ErrnoText(errno);
    if (got == 0) return {};
    if (text.size() + static_cast<std::size_t>(got) > largest) return TooLarge(largest);
    text.append(buffer, static_cast<std::size_t>(got));
  }
}

}  // namespace

std::string PlanNameOfPath(const std::string& path) { return fs::path(path).filename().string(); }

PlanFileResult WritePlanFile(PlanRecord& plan, const std::string& path) {
  PlanRecord image = plan;
  image.PlanFileName = PlanNameOfPath(path);
  // The name goes onto line 1: checked first, so the message is about the name.
  if (const std::string problem = FileNameProblem(image.PlanFileName); !problem.empty())
    return SaveFailure(path, problem);
  if (const std::string problem = PlanLineBreakProblem(image); !problem.empty()) return SaveFailure(path, problem);
  if (const std::string problem = SaveFileContents(path, PlanFileText(image)); !problem.empty())
    return SaveFailure(path, problem);
  plan.PlanFileName = image.PlanFileName;
  return {};
}

PlanFileResult ReadPlanFile(PlanRecord& plan, const std::string& path, std::int32_t clockYear) {
  // Looked at before the open, and again through the open file in case the
  // name changed in between: opening a device can have effects of its own.
  struct stat status {};
  if (stat(path.c_str(), &status) != 0) {
    if (errno == ENOENT) return {true, true, {}};
    return OpenFailure(path, ErrnoText(errno));
  }
  if (const std::string problem = FileTypeProblem(status.st_mode); !problem.empty()) return OpenFailure(path, problem);
  // Without O_NONBLOCK a named pipe put in place meanwhile would wait for a writer.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return errno == ENOENT ? PlanFileResult{true, true, {}} : OpenFailure(path, ErrnoText(errno));
  std::string problem;
  std::string text;
  const std::size_t largest = LargestPlanFileSize();
  if (fstat(fd, &status) != 0) {
    problem = ErrnoText(errno);
  } else if (problem = FileTypeProblem(status.st_mode); problem.empty()) {
    problem = static_cast<std::size_t>(status.st_size) > largest ? TooLarge(largest) : ReadBounded(fd, largest, text);
  }
  close(fd);
  if (!problem.empty()) return OpenFailure(path, problem);
  std::istringstream in(std::move(text));
  return ReadPlanText(in, plan, clockYear, path);
}

PlanFileResult ReadPlanFile(PlanRecord& plan, const std::string& path) { return ReadPlanFile(plan, path, ClockYear()); }
