#include "model/PlanInputBlock.h"

#include <string_view>

#include "model/PlanFieldText.h"

namespace {

constexpr std::size_t kWidestValue = 32;
constexpr std::size_t kKeptLinesRoom = 4096;

const std::span<const PlanFieldLabel> kInputs = std::span(PlanFieldLabels()).subspan(kPlanFileLines);

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

std::string KeyOf(const std::string& line) { return std::string(Trimmed(std::string_view(line).substr(0, line.find('=')))); }

}  // namespace

std::span<const PlanFieldLabel> PlanBlockInputs() { return kInputs; }

std::string PlanBlockText(const PlanRecord& plan) {
  static const PlanRecord defaults{};
  std::string lines;
  for (const PlanFieldLabel& input : kInputs) {
    const std::string value = PlanFieldText(plan, input.field);
    if (value == PlanFieldText(defaults, input.field)) continue;
    lines += std::string(input.name) + "=" + value + "\r\n";
  }
  for (const std::string& kept : plan.UnknownInputLines) lines += kept + "\r\n";
  if (lines.empty()) return {};
  return std::string(kPlanBlockTag) + "\r\n" + lines;
}

std::string ReadPlanBlockLine(PlanRecord& plan, const std::string& line) {
  if (Trimmed(line).empty()) return {};
  const auto equals = line.find('=');
  if (equals == std::string::npos) return QuotedFileText(line) + " is not a Key=Value line";
  const std::string key = KeyOf(line);
  for (const PlanFieldLabel& input : kInputs) {
    if (key != input.name) continue;
    return StorePlanField(plan, input.field, std::string(Trimmed(std::string_view(line).substr(equals + 1))));
  }
  plan.UnknownInputLines.push_back(line);
  return {};
}

std::vector<std::string> UnknownPlanBlockKeys(const PlanRecord& plan) {
  std::vector<std::string> keys;
  for (const std::string& kept : plan.UnknownInputLines) keys.push_back(KeyOf(kept));
  return keys;
}

std::size_t LargestPlanBlockSize() {
  std::size_t size = std::string_view(kPlanBlockTag).size() + 2 + kKeptLinesRoom;
  for (const PlanFieldLabel& input : kInputs) size += std::string_view(input.name).size() + 1 + kWidestValue + 2;
  return size;
}
