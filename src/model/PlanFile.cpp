#include "model/PlanFile.h"

#include <istream>
#include <type_traits>

#include "model/PlanFileLayout.h"
#include "model/PlanLineText.h"
#include "model/SamplePlan.h"

namespace {

constexpr int kAge1Line = 4;
constexpr std::int32_t kMinAge1 = 15;
constexpr std::int32_t kMaxAge1 = 90;

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
  const std::string integerError = "'" + line + "' is not a valid integer value";
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
          if (!ParseRateLine(line, plan.*member)) return "'" + line + "' is not a valid floating point value";
          return {};
        } else {
          if (!ParseIntegerLine(line, plan.*member)) return integerError;
          return {};
        }
      },
      field);
}

// Hands out the lines of a text one by one; past the end every line is empty.
// Both CR LF and a lone LF end a line.
class LineSource {
 public:
  explicit LineSource(std::istream& in) : in_(in) {}

  bool AtEnd() { return in_.peek() == std::istream::traits_type::eof(); }

  std::string Next() {
    std::string line;
    if (AtEnd()) return line;
    std::getline(in_, line);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
  }

 private:
  std::istream& in_;
};

PlanFileResult LineFailure(const std::string& problem, int lineNumber, const std::string& sourceName) {
  return {false, false, problem + " (line " + std::to_string(lineNumber) + " of \"" + sourceName + "\")"};
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
  LineSource lines(in);
  const auto& layout = PlanFileLayout();
  for (int index = 0; index < kPlanFileLines; ++index) {
    const int lineNumber = index + 1;
    // Older files stop after the home lines, or before the last total.
    const bool optionalTail =
        lineNumber == kPlanLinesWithoutEvents + 1 || lineNumber == kPlanLinesWithoutOtherAnnualTotal + 1;
    if (optionalTail && lines.AtEnd()) break;
    const std::string line = lines.Next();
    if (in.bad()) return {false, false, "Cannot read \"" + sourceName + "\": input/output error"};
    const std::string problem = ApplyLine(fresh, layout[index], line);
    if (!problem.empty()) return LineFailure(problem, lineNumber, sourceName);
    // The forecast has one row per year up to the first person's age 90.
    if (lineNumber == kAge1Line && (fresh.Age1 < kMinAge1 || fresh.Age1 > kMaxAge1)) {
      return LineFailure("The first person's age " + line + " is not between 15 and 90", lineNumber, sourceName);
    }
  }
  // Line 1 names the file for later direct saves into the plan's folder; a
  // folder part (only a hand-made file can have one) must not steer them elsewhere.
  fresh.PlanFileName = PlanNameOfPath(fresh.PlanFileName);
  plan = std::move(fresh);
  return {};
}
