#include "compare/PlanDiff.h"

#include <algorithm>
#include <array>
#include <numeric>

#include "compare/PlanLines.h"
#include "compare/StoredTotalShift.h"
#include "model/PlanFieldLabels.h"

namespace {

// Disjoint sets of lines, joined by group rules.
class LineSets {
 public:
  LineSets() { std::iota(parent_.begin(), parent_.end(), 0); }
  int Find(int line) {
    while (parent_[Index(line)] != line) line = parent_[Index(line)] = parent_[Index(parent_[Index(line)])];
    return line;
  }
  void Join(int a, int b) {
    a = Find(a);
    b = Find(b);
    if (a != b) parent_[Index(std::max(a, b))] = std::min(a, b);
  }

 private:
  static std::size_t Index(int line) { return static_cast<std::size_t>(line); }
  std::array<int, kPlanFieldCount> parent_{};
};

std::vector<ChangedInput> GroupInputs(const std::vector<int>& moving, const std::vector<bool>& differs) {
  LineSets sets;
  for (const FieldGroup& group : FieldGroups()) {
    if (!differs[static_cast<std::size_t>(group.anchorLine)]) continue;
    for (int member : group.memberLines) {
      if (differs[static_cast<std::size_t>(member)]) sets.Join(group.anchorLine, member);
    }
  }
  std::vector<ChangedInput> inputs;
  std::vector<int> inputOfRoot(kPlanFieldCount, -1);
  for (int line : moving) {  // ascending, so every input starts at its first line
    int& index = inputOfRoot[static_cast<std::size_t>(sets.Find(line))];
    if (index < 0) {
      index = static_cast<int>(inputs.size());
      inputs.emplace_back();
    }
    inputs[static_cast<std::size_t>(index)].lines.push_back(line);
  }
  return inputs;
}

}  // namespace

PlanDiff DiffPlans(const PlanRecord& base, const PlanRecord& other) {
  PlanDiff diff;
  std::vector<bool> differs(kPlanFieldCount, false);
  std::vector<int> moving;  // lines that move the forecast
  for (int line = 0; line < kPlanFieldCount; ++line) {
    const FieldRole role = RoleOf(line);
    // A stored total that stayed while its entries moved has moved apart from
    // them as much as one that moved alone.
    const bool shifted = role == FieldRole::StoredTotal && HasOwnShift(base, other, line);
    if (role == FieldRole::Identity || (SameValue(base, other, line) && !shifted)) continue;
    differs[static_cast<std::size_t>(line)] = true;
    const FieldChange change{line, role, ValueText(base, line), ValueText(other, line)};
    const bool ownChange = role == FieldRole::Input || role == FieldRole::Text || shifted;
    (ownChange ? diff.inputChanges : diff.followingChanges).push_back(change);
    if (ownChange && role != FieldRole::Text) moving.push_back(line);
  }
  diff.changedInputs = GroupInputs(moving, differs);
  return diff;
}

std::string InputName(const ChangedInput& input) {
  std::string name;
  for (int line : input.lines) {
    if (!name.empty()) name += " + ";
    name += PlanFieldLabels()[static_cast<std::size_t>(line)].name;
  }
  return name;
}
