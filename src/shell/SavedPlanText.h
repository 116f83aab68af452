#pragma once

#include <optional>
#include <string>

struct PlanRecord;

// The plan file text as last loaded or saved. The save-first question and the
// caption's unsaved-change marker compare the plan in hand with it, so the
// user is asked only when a save would keep something the file does not hold.
class SavedPlanText {
 public:
  // The plan now matches its file (just loaded, created or saved).
  void Remember(const PlanRecord& plan);
  // Whether `plan` would write a different file. Before anything was
  // remembered nothing is known, so the plan counts as changed.
  bool Differs(const PlanRecord& plan) const;

 private:
  std::optional<std::string> text_;
};
