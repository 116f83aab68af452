#pragma once

#include <optional>
#include <vector>

#include "compare/Attribution.h"
#include "compare/ComparisonMetric.h"
#include "compare/ComparisonSummary.h"
#include "compare/PlanDiff.h"
#include "compare/YearComparison.h"
#include "model/PlanRecord.h"

struct ComparisonOptions {
  bool currentDollars = false;  // the years in today's dollars instead of each year's own
  ComparisonMetric metric = DefaultMetric();
  std::optional<AttributionMethod> method;  // empty: Shapley for up to 10 changed inputs
};

// Everything one plan comparison shows. Neither plan is changed.
struct Comparison {
  ComparisonOptions options;
  PlanDiff inputs;
  std::vector<YearComparison> years;
  std::vector<SummaryLine> summary;
  Attribution attribution;
  // Either plan holds a Roth account or a withdrawal strategy: the year
  // changes list those fields too.
  bool accounts = false;

  // The plans differ in nothing but their file names.
  bool Identical() const { return inputs.Empty(); }
};

Comparison ComparePlans(const PlanRecord& base, const PlanRecord& other, const ComparisonOptions& options);
