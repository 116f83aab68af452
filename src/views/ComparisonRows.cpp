#include "views/ComparisonRows.h"

#include <algorithm>

#include "compare/ComparisonReport.h"
#include "model/NumberFormat.h"
#include "model/PlanFieldLabels.h"

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

const PlanFieldLabel& LabelOf(int line) { return PlanFieldLabels()[static_cast<std::size_t>(line)]; }

QString Words(int line) {
  const PlanFieldLabel& label = LabelOf(line);
  return *label.section ? QString("%1: %2").arg(label.section, label.words) : QString(label.words);
}

QString Shown(const FieldChange& change, const std::string& value) {
  return change.role == FieldRole::Text ? "\"" + Text(value) + "\"" : Text(value);
}

void AppendChanges(std::vector<QStringList>& rows, const std::vector<FieldChange>& changes, bool following) {
  for (const FieldChange& change : changes) {
    QString note;
    if (following) {
      note = "follows from the changes";
    } else if (change.role == FieldRole::Text) {
      note = "no effect on the forecast";
    } else if (change.role == FieldRole::StoredTotal) {
      note = "moved apart from its entries";
    }
    rows.push_back({LabelOf(change.line).page, Words(change.line), Shown(change, change.baseValue),
                    Shown(change, change.otherValue), note});
  }
}

}  // namespace

std::vector<QStringList> SummaryRows(const Comparison& comparison) {
  std::vector<QStringList> rows;
  for (const SummaryLine& line : comparison.summary) {
    rows.push_back({line.title, Text(SummaryCellText(line, line.base, false)),
                    Text(SummaryCellText(line, line.other, false)),
                    Text(SummaryCellText(line, line.difference, true))});
  }
  return rows;
}

std::vector<QStringList> InputChangeRows(const PlanDiff& diff) {
  std::vector<QStringList> rows;
  AppendChanges(rows, diff.inputChanges, false);
  AppendChanges(rows, diff.followingChanges, true);
  return rows;
}

namespace {

// "base → other" for each field of the input, as the input changes list shows them.
QString ChangedInputValues(const PlanDiff& diff, const ChangedInput& input) {
  QStringList values;
  for (int line : input.lines) {
    const auto change = std::find_if(diff.inputChanges.begin(), diff.inputChanges.end(),
                                     [line](const FieldChange& c) { return c.line == line; });
    if (change != diff.inputChanges.end())
      values << Shown(*change, change->baseValue) + " \u2192 " + Shown(*change, change->otherValue);
  }
  return values.join(", ");
}

}  // namespace

QString ChangedInputWords(const ChangedInput& input) {
  QStringList words;
  for (int line : input.lines) words << Words(line);
  return words.join(" + ");
}

std::vector<AttributionBar> SortedAttributionBars(const Comparison& comparison) {
  const Attribution& attribution = comparison.attribution;
  const std::vector<ChangedInput>& inputs = comparison.inputs.changedInputs;
  std::vector<AttributionBar> bars;
  const std::size_t n = std::min(inputs.size(), attribution.parts.size());
  for (std::size_t i = 0; i < n; ++i) {
    bars.push_back({ChangedInputWords(inputs[i]), Text(InputName(inputs[i])), attribution.parts[i],
                    ChangedInputValues(comparison.inputs, inputs[i])});
  }
  // Magnitudes compared as unsigned: the most negative figure has no positive twin.
  const auto magnitude = [](std::int64_t v) {
    return v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
  };
  std::stable_sort(bars.begin(), bars.end(), [&](const AttributionBar& a, const AttributionBar& b) {
    return magnitude(a.value) > magnitude(b.value);
  });
  if (attribution.rounding != 0)
    bars.push_back({"Rounding to whole dollars", "rounding", attribution.rounding, QString()});
  return bars;
}

QString AttributionHeading(const Comparison& comparison) {
  const Attribution& attribution = comparison.attribution;
  const std::size_t n = comparison.inputs.changedInputs.size();
  const bool shapley = attribution.method == AttributionMethod::Shapley;
  const ComparisonMetric& metric = comparison.options.metric;
  const bool netWorth = metric.field == DefaultMetric().field && !metric.summed;
  const QString figure = netWorth ? "net worth in the last year" : Text(MetricName(metric));
  QString heading = QString("What each changed input did to %1 (today's dollars): %2 over %3 changed input%4, total %5")
                        .arg(figure, shapley ? "Shapley" : "sequential")
                        .arg(n)
                        .arg(n == 1 ? "" : "s")
                        .arg(Text(FormatDollars(attribution.total)));
  if (!attribution.note.empty()) heading += "\nNote: " + Text(attribution.note) + ".";
  return heading;
}

QString AttributionNotes(const Comparison& comparison) {
  const Attribution& attribution = comparison.attribution;
  if (comparison.inputs.changedInputs.empty()) return {};
  QString notes =
      attribution.method == AttributionMethod::Shapley
          ? "Shapley: each input's share is the average of what it changes over every order in which the changes "
            "could be made one by one, so no input gains or loses by coming first."
          : "Sequential: the changes are made one at a time in plan file order, and each input's share is what its "
            "own step changes.";
  if (attribution.rounding != 0) {
    notes += QString(
                 " Each share is rounded to whole dollars; the rounding line, %1, is what that leaves over, so "
                 "the shares add up to the total exactly.")
                 .arg(Text(FormatDollars(attribution.rounding)));
  }
  return notes;
}
