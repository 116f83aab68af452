#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>

#include "model/PlanRecord.h"

class PlanLineReader;

inline constexpr int kPlanFileLines = 166;

// An entry box holds at most 32,767 characters, each at most three bytes of
// UTF-8: no line a plan was saved with is longer, so a longer one is refused
// before it fills memory.
inline constexpr std::size_t kLongestPlanLine = 3 * 32767;

// The largest file a plan can be: every text line at its longest, every number
// line at its widest, with a few KiB to spare for hand-edited blanks.
std::size_t LargestPlanFileSize();

// Outcome of a plan file operation. Nothing throws out of these functions; on
// failure `message` names the file and says what went wrong, ready to show.
struct PlanFileResult {
  bool ok = true;
  bool missing = false;  // read only: no file at the path, the plan is unchanged
  std::string message;
};

// The whole plan file image: 166 lines, then the tagged block of newer inputs
// when any is set (model/PlanInputBlock.h); each line ended by CR LF, "." as
// decimal point.
std::string PlanFileText(const PlanRecord& plan);

// Reads a plan image into `plan`. The plan is replaced only when the whole read
// succeeds; fields the text does not supply keep their sample values for
// `clockYear`. `sourceName` names the text in messages (usually the path); a
// stored name that cannot name a file gives way to the name part of it.
PlanFileResult ReadPlanText(std::istream& in, PlanRecord& plan, std::int32_t clockYear,
                            const std::string& sourceName);

// The first layout's reader, as every release before the tagged block had it:
// lines 1 to 166 (or an older file's 150 or 165) into `plan`, leaving the
// lines after them unread. ReadPlanText goes on from where it stops.
PlanFileResult ReadFirstLayoutText(PlanLineReader& lines, std::istream& in, PlanRecord& plan,
                                   std::int32_t clockYear, const std::string& sourceName);

// Writes the plan to `path` and, on success only, sets PlanFileName to the
// name part of `path` (it is line 1 of the file). The save follows the rules
// of SaveFileContents (model/FileSave.h): a read-only target is replaced, a
// failed write leaves the old file as it was. A name or text holding a line
// break is refused, as it would shift the lines of the file.
PlanFileResult WritePlanFile(PlanRecord& plan, const std::string& path);

// Why `plan` cannot be written as a plan file (a text holding a line feed,
// which would shift every later line), or an empty text.
std::string PlanLineBreakProblem(const PlanRecord& plan);

// Replaces `plan` by the plan stored at `path`. A missing file is not an
// error: the result has `missing` set and the plan is unchanged. Anything but
// a regular file (or a link to one), and a file larger than any plan, is
// refused without being read, so a pipe or a device never blocks.
PlanFileResult ReadPlanFile(PlanRecord& plan, const std::string& path, std::int32_t clockYear);
PlanFileResult ReadPlanFile(PlanRecord& plan, const std::string& path);

// The text after the last folder separator of `path`.
std::string PlanNameOfPath(const std::string& path);
