#include "model/PlanFile.h"

#include <istream>

#include "model/FileChecks.h"
#include "model/PlanFieldText.h"
#include "model/PlanFileLayout.h"
#include "model/PlanInputBlock.h"
#include "model/PlanLineReader.h"
#include "model/ReadableText.h"
#include "model/SamplePlan.h"

namespace {

constexpr int kAge1Line = 4;
constexpr std::int32_t kMinAge1 = 15;
constexpr std::int32_t kMaxAge1 = 90;
// Messages quote this many characters of a bad line.
// "-9223372036854775808" and "-1.18973149535723e+4932" with room to spare.
constexpr std::size_t kWidestNumberLine = 32;
constexpr std::size_t kSpareBytes = 4096;

bool IsTextField(const PlanLineField& field) {
  return std::holds_alternative<std::string PlanRecord::*>(field);
}

PlanFileResult LineFailure(const std::string& problem, int lineNumber, const std::string& sourceName) {
  return {false, false,
          problem + " (line " + std::to_string(lineNumber) + " of \"" + ReadableText(sourceName) + "\")"};
}

// Line 1 names the file for later direct saves into the plan's folder; a
// folder part (only a hand-made file can have one) must not steer them
// elsewhere, and a name no file can have gives way to the file's own name.
std::string UsablePlanName(const std::string& stored, const std::string& sourceName) {
  const std::string name = PlanNameOfPath(stored);
  return FileNameProblem(name).empty() ? name : PlanNameOfPath(sourceName);
}

PlanFileResult TooLongLine(int lineNumber, const std::string& sourceName) {
  return LineFailure("The line is longer than any plan line (more than " + std::to_string(kLongestPlanLine) + " bytes)",
                     lineNumber, sourceName);
}

PlanFileResult ReadError(const std::string& sourceName) {
  return {false, false, "Cannot read \"" + ReadableText(sourceName) + "\": input/output error"};
}

}  // namespace

std::string PlanFileText(const PlanRecord& plan) {
  std::string text;
  for (const PlanLineField& field : PlanFileLayout()) {
    text += PlanFieldText(plan, field);
    text += "\r\n";
  }
  return text + PlanBlockText(plan);
}

PlanFileResult ReadFirstLayoutText(PlanLineReader& lines, std::istream& in, PlanRecord& plan,
                                   std::int32_t clockYear, const std::string& sourceName) {
  PlanRecord fresh;
  ResetPlan(fresh, clockYear);
  std::string line;
  const auto& layout = PlanFileLayout();
  for (int index = 0; index < kPlanFileLines; ++index) {
    const int lineNumber = index + 1;
    // Older files stop after the home lines, or before the last total.
    const bool optionalTail =
        lineNumber == kPlanLinesWithoutEvents + 1 || lineNumber == kPlanLinesWithoutOtherAnnualTotal + 1;
    if (optionalTail && lines.AtEnd()) break;
    if (!lines.Next(line)) return TooLongLine(lineNumber, sourceName);
    if (in.bad()) return ReadError(sourceName);
    const std::string problem = StorePlanField(fresh, layout[index], line);
    if (!problem.empty()) return LineFailure(problem, lineNumber, sourceName);
    // The forecast has one row per year up to the first person's age 90.
    if (lineNumber == kAge1Line && (fresh.Age1 < kMinAge1 || fresh.Age1 > kMaxAge1)) {
      const std::string age = ReadableExcerpt(line);
      return LineFailure("The first person's age " + age + " is not between 15 and 90", lineNumber, sourceName);
    }
  }
  fresh.PlanFileName = UsablePlanName(fresh.PlanFileName, sourceName);
  plan = std::move(fresh);
  return {};
}

PlanFileResult ReadPlanText(std::istream& in, PlanRecord& plan, std::int32_t clockYear,
                            const std::string& sourceName) {
  PlanLineReader lines(in, kLongestPlanLine);
  PlanRecord fresh;
  if (PlanFileResult first = ReadFirstLayoutText(lines, in, fresh, clockYear, sourceName); !first.ok) return first;
  // Lines after the first layout were ignored before the block existed; they
  // still are unless they start with the tag.
  std::string line;
  if (lines.AtEnd() || !lines.Next(line) || line != kPlanBlockTag) {
    plan = std::move(fresh);
    return {};
  }
  for (int lineNumber = kPlanFileLines + 2; !lines.AtEnd(); ++lineNumber) {
    if (!lines.Next(line)) return TooLongLine(lineNumber, sourceName);
    if (in.bad()) return ReadError(sourceName);
    const std::string problem = ReadPlanBlockLine(fresh, line);
    if (!problem.empty()) return LineFailure(problem, lineNumber, sourceName);
  }
  plan = std::move(fresh);
  return {};
}

std::size_t LargestPlanFileSize() {
  std::size_t size = kSpareBytes + LargestPlanBlockSize();
  for (const PlanLineField& field : PlanFileLayout())
    size += (IsTextField(field) ? kLongestPlanLine : kWidestNumberLine) + 2;
  return size;
}

std::string PlanLineBreakProblem(const PlanRecord& plan) {
  const auto& layout = PlanFileLayout();
  for (std::size_t index = 0; index < layout.size(); ++index) {
    if (!IsTextField(layout[index])) continue;
    const std::string& text = plan.*std::get<std::string PlanRecord::*>(layout[index]);
    if (text.find('\n') != std::string::npos) {
      return "the text " + QuotedFileText(text) + " of line " + std::to_string(index + 1) + " holds a line break";
    }
  }
  return {};
}
