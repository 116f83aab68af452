#include "model/PlanFile.h"

#include <istream>
#include <type_traits>

#include "model/FileChecks.h"
#include "model/PlanFileLayout.h"
#include "model/PlanLineReader.h"
#include "model/PlanLineText.h"
#include "model/RateRange.h"
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

std::string Quoted(const std::string& line) { return "'" + ReadableExcerpt(line) + "'"; }

bool IsTextField(const PlanLineField& field) {
  return std::holds_alternative<std::string PlanRecord::*>(field);
}

std::string LineText(const PlanRecord& plan, const PlanLineField& field) {
  return std::visit(
      [&plan](auto member) -> std::string {
        using Value = std::remove_cvref_t<decltype(plan.*member)>;
        if constexpr (std::is_same_v<Value, std::string>) {
          return plan.*member;
        } else if constexpr (std::is_same_v<Value, bool>) {
          return plan.*member ? "2" : "1";
        } else if constexpr (std::is_same_v<Value, long double>) {
          return FormatRateLine(plan.*member);
        } else {
          return std::to_string(plan.*member);
        }
      },
      field);
}

// Stores one line into its field; returns the conversion message, or an empty
// text when the line converted.
std::string ApplyLine(PlanRecord& plan, const PlanLineField& field, const std::string& line) {
  const std::string integerError = Quoted(line) + " is not a valid integer value";
  return std::visit(
      [&](auto member) -> std::string {
        using Value = std::remove_cvref_t<decltype(plan.*member)>;
        if constexpr (std::is_same_v<Value, std::string>) {
          plan.*member = line;
          return {};
        } else if constexpr (std::is_same_v<Value, bool>) {
          std::int32_t persons = 0;
          if (!ParseIntegerLine(line, persons)) return integerError;
          plan.*member = persons == 2;
          return {};
        } else if constexpr (std::is_same_v<Value, long double>) {
          long double rate = 0.0L;
          if (!ParseRateLine(line, rate)) return Quoted(line) + " is not a valid floating point value";
          if (!RateInRange(rate)) return "The rate " + Quoted(line) + " is not " + RateRangeText();
          plan.*member = rate;
          return {};
        } else {
          if (!ParseIntegerLine(line, plan.*member)) return integerError;
          return {};
        }
      },
      field);
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

}  // namespace

std::string PlanFileText(const PlanRecord& plan) {
  std::string text;
  for (const PlanLineField& field : PlanFileLayout()) {
    text += LineText(plan, field);
    text += "\r\n";
  }
  return text;
}

PlanFileResult ReadPlanText(std::istream& in, PlanRecord& plan, std::int32_t clockYear,
                            const std::string& sourceName) {
  PlanRecord fresh;
  ResetPlan(fresh, clockYear);
  PlanLineReader lines(in, kLongestPlanLine);
  std::string line;
  const auto& layout = PlanFileLayout();
  for (int index = 0; index < kPlanFileLines; ++index) {
    const int lineNumber = index + 1;
    // Older files stop after the home lines, or before the last total.
    const bool optionalTail =
        lineNumber == kPlanLinesWithoutEvents + 1 || lineNumber == kPlanLinesWithoutOtherAnnualTotal + 1;
    if (optionalTail && lines.AtEnd()) break;
    if (!lines.Next(line)) {
      return LineFailure("The line is longer than any plan line (more than " + std::to_string(kLongestPlanLine) +
                             " bytes)",
                         lineNumber, sourceName);
    }
    if (in.bad()) return {false, false, "Cannot read \"" + ReadableText(sourceName) + "\": input/output error"};
    const std::string problem = ApplyLine(fresh, layout[index], line);
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

std::size_t LargestPlanFileSize() {
  std::size_t size = kSpareBytes;
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
      return "the text " + Quoted(text) + " of line " + std::to_string(index + 1) + " holds a line break";
    }
  }
  return {};
}
