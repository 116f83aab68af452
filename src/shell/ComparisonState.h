#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/PlanRecord.h"
#include "markets/ForecastRules.h"
#include "shell/PageId.h"

// The second plan of an open comparison, kept beside the current plan (which
// a comparison never changes) until the comparison is closed. The graph reads
// the other plan's net worth from here to draw it as a dashed curve.
struct ComparisonState {
  bool open = false;
  // The page the comparison was opened from; Close returns there.
  PageId returnPage = PageId::Graph;
  std::string otherPath;
  PlanRecord other;
  // The other plan's net worth per forecast year, from its current year on:
  // in each year's own dollars and in today's dollars.
  std::vector<std::int64_t> netWorthInflated;
  std::vector<std::int64_t> netWorthToday;
  // The "Compare" curve option: the dashed curve is drawn on the graph.
  bool curveShown = false;
  // The differences read current - other instead of other - current.
  bool otherIsBase = false;
  // The file the current plan was last saved from under a new name (Save
  // As): comparing with it proposes that original as the base. Kept when a
  // comparison closes; empty once another plan is opened.
  std::string variantOf;

  // Holds `plan` (read from `path`) as the other plan, opened from page `fromPage`.
  // The curve option keeps its state when one comparison replaces another.
  // Its curve takes the past `past` asks for, as the current plan's forecast does.
  void Open(const std::string& path, const PlanRecord& plan, PageId fromPage, ForecastRules rules,
            bool otherBase = false);
  // Runs the other plan's curve again on another past.
  void Rerun(ForecastRules rules);
  // Forgets the other plan; the curve option goes off.
  void Close();

  // The net worth series in the graph's dollar view.
  const std::vector<std::int64_t>& NetWorth(bool currentDollars) const;
  // Plan year index, on a graph of `current`, of the series' first value: the
  // curves line up by calendar year.
  std::int64_t FirstIndexOn(const PlanRecord& current) const;
  // The dashed curve is due on the graph.
  bool CurveDue() const { return open && curveShown; }
};
