#pragma once

#include <sys/types.h>
#include <string>
#include <string_view>

// Why `name` (a file name without folder) cannot name a file the program
// writes, or an empty text when it can. A line break in a plan's name would
// shift every later line of the file, so control characters are refused.
std::string FileNameProblem(std::string_view name);

// Why a file of type `mode` (from stat) is not a file the program reads or
// replaces, or an empty text for a regular file.
std::string FileTypeProblem(mode_t mode);

// Why the file at `path` is not one to read (a pipe, a device, a folder...),
// checked before opening so that nothing blocks; an empty text for a regular
// file or a name that does not exist (opening it then says so).
std::string FileToReadProblem(const std::string& path);
