#include "model/FileChecks.h"

#include <sys/stat.h>

#include "model/ReadableText.h"

std::string FileNameProblem(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return "no file name";
  if (HasControlCharacter(name)) {
    return "the name \"" + ReadableText(name) + "\" holds a line break or another control character";
  }
  return {};
}

std::string FileTypeProblem(mode_t mode) {
  if (S_ISREG(mode)) return {};
  if (S_ISDIR(mode)) return "it is a folder";
  if (S_ISFIFO(mode)) return "it is a named pipe, not a regular file";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "it is a device, not a regular file";
  if (S_ISSOCK(mode)) return "it is a socket, not a regular file";
  return "it is not a regular file";
}

std::string FileToReadProblem(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return {};
  return FileTypeProblem(info.st_mode);
}
