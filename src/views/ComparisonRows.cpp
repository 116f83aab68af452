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
    bars.push_back({ChangedInputWords(inputs[i]), Text(InputName(inputs[i])), attribution.parts[i]});
  }
  // Magnitudes compared as unsigned: the most negative figure has no positive twin.
  const auto magnitude = [](std::int64_t v) {
    return v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
  };
  std::stable_sort(bars.begin(), bars.end(), [&](const AttributionBar& a, const AttributionBar& b) {
    return magnitude(a.value) > magnitude(b.value);
  });
  if (attribution.rounding != 0) bars.push_back({"rounding", "rounding", attribution.rounding});
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
