#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/Explanation.h"

// What the "Why this number?" window shows, without widgets: one cell's
// whole explanation from a traced run of the plan (each cell or balance
// explained once, later mentions linked to it), and the text the window copies.
class ExplainModel {
 public:
  ExplainModel(const PlanRecord& plan, const RatePath& path);

  // Explains `field` (a year-table field name) in calendar `year`; false when
  // either is not in the forecast.
  bool Select(const std::string& field, std::int64_t year, bool currentDollars);
  const Explanation& Current() const { return current_; }

  // The node (cell or carried balance) an item explains or links to, or -1.
  static int NodeOf(const ExplainItem& item);
  // A term that names another cell of the table: its field and year.
  static bool IsCell(const ExplainItem& item) { return item.kind == ExplainKind::Cell && item.year != 0; }

  std::string Text() const { return ExplanationText(current_); }

 private:
  ExplainedForecast forecast_;
  std::int64_t firstYear_;
  Explanation current_;
};
