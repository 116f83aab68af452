#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "compare/Comparison.h"

// The texts the comparison page shows, apart from any widget.

// Summary lines: title, base, other, difference.
std::vector<QStringList> SummaryRows(const Comparison& comparison);

// Changed fields: page, words, base value, other value, and a note for
// texts no forecast reads and for totals that follow from their entries.
std::vector<QStringList> InputChangeRows(const PlanDiff& diff);

// How a changed input (one field or a group) reads on the page: the words of
// its fields, each after its heading.
QString ChangedInputWords(const ChangedInput& input);

// One bar of the attribution: what it explains, its effect in dollars and
// the input's values in the two plans.
struct AttributionBar {
  QString name;
  QString detail;  // the plan record's names of the fields
  std::int64_t value = 0;
  QString values;  // "65 → 67"; a group's fields joined by ", "
};

// The attribution parts, largest effect first by magnitude (ties keep the
// plan file order), then the rounding remainder on its own line when it is
// not zero.
std::vector<AttributionBar> SortedAttributionBars(const Comparison& comparison);

// Under the chart: how the method shares the change out, and what the
// rounding line is, in words.
QString AttributionNotes(const Comparison& comparison);

// "What each changed input did to net worth in the last year (today's
// dollars): Shapley over 6 changed inputs, total $195,621", and the note when
// the method is not the one asked for.
QString AttributionHeading(const Comparison& comparison);
