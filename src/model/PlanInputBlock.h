#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "model/PlanFieldLabels.h"
#include "model/PlanRecord.h"

// Inputs newer than the first layout's 166 lines are stored after them as a
// tagged block: a line "[Prevora]", then one "Key=Value" line per input that
// differs from its default, each ended by CR LF like every other line. A plan
// whose new inputs are all at their defaults has no block, so its file is the
// first layout byte for byte; readers of the first layout stop after line 166
// and never see the block. A new input is one entry at the end of
// PlanFieldLabels(), which comparisons and solver levers read as well.
inline constexpr const char* kPlanBlockTag = "[Prevora]";

// The inputs the block can hold (the tail of PlanFieldLabels()), in the order
// they are written; `name` is the key.
std::span<const PlanFieldLabel> PlanBlockInputs();

// The block as saved: empty when every input is at its default and no unknown
// line was kept.
std::string PlanBlockText(const PlanRecord& plan);

// Stores one line read after the tag. A known key's value is converted into
// its field; an unknown key's line is kept verbatim for the next save; blank
// lines are skipped. Returns why the line cannot be read, or an empty text.
std::string ReadPlanBlockLine(PlanRecord& plan, const std::string& line);

// The keys of the kept lines, for `check` to report.
std::vector<std::string> UnknownPlanBlockKeys(const PlanRecord& plan);

// Room a block may take in a file: every input at its widest and a few KiB of
// kept lines.
std::size_t LargestPlanBlockSize();
