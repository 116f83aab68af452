#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

#include "model/PlanRecord.h"

inline constexpr int kPlanFileLines = 166;

// Outcome of a plan file operation. Nothing throws out of these functions; on
// failure `message` names the file and says what went wrong, ready to show.
struct PlanFileResult {
  bool ok = true;
  bool missing = false;  // read only: no file at the path, the plan is unchanged
  std::string message;
};

// The whole plan file image: 166 lines, each ended by CR LF, "." as decimal point.
std::string PlanFileText(const PlanRecord& plan);

// Reads a plan image into `plan`. The plan is replaced only when the whole read
// succeeds; fields the text does not supply keep their sample values for
// `clockYear`. `sourceName` names the text in messages (usually the path).
PlanFileResult ReadPlanText(std::istream& in, PlanRecord& plan, std::int32_t clockYear,
                            const std::string& sourceName);

// Writes the plan to `path` and, on success only, sets PlanFileName to the
// name part of `path` (it is line 1 of the file). The file is written beside
// the target under a temporary name and moved over it once complete, so a
// failed write leaves the old file as it was; a read-only target is replaced.
PlanFileResult WritePlanFile(PlanRecord& plan, const std::string& path);

// Replaces `plan` by the plan stored at `path`. A missing file is not an
// error: the result has `missing` set and the plan is unchanged.
PlanFileResult ReadPlanFile(PlanRecord& plan, const std::string& path, std::int32_t clockYear);
PlanFileResult ReadPlanFile(PlanRecord& plan, const std::string& path);

// The text after the last folder separator of `path`.
std::string PlanNameOfPath(const std::string& path);
