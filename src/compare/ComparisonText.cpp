#include <algorithm>
#include <vector>

#include "compare/ComparisonReport.h"
#include "engine/ForecastColumns.h"
#include "model/NumberFormat.h"
#include "model/PlanFieldLabels.h"
#include "model/ReadableText.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

// Columns right-aligned except the first, which is left-aligned, two blanks apart.
void AppendAligned(std::string& out, const Rows& rows) {
  std::vector<std::size_t> widths;
  for (const auto& row : rows) {
    widths.resize(std::max(widths.size(), row.size()), 0);
    for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], row[c].size());
  }
  for (const auto& row : rows) {
    std::string line;
    for (std::size_t c = 0; c < row.size(); ++c) {
      if (c > 0) line += "  ";
      const std::string padding(widths[c] - row[c].size(), ' ');
      line += c == 0 ? row[c] + padding : padding + row[c];
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out += line + "\n";
  }
}

// Text from a plan file reaches a terminal: control characters are shown as escapes.
std::string Shown(const FieldChange& change, const std::string& value) {
  return change.role == FieldRole::Text ? "\"" + ReadableText(value) + "\"" : value;
}

void AppendChanges(std::string& out, const char* heading, const std::vector<FieldChange>& changes, bool ownChanges) {
  if (changes.empty()) return;
  out += std::string(heading) + "\n";
  for (const FieldChange& change : changes) {
    out += "  " + FieldPlace(change.line) + " (" + PlanFieldLabels()[static_cast<std::size_t>(change.line)].name +
           "): " + Shown(change, change.baseValue) + " -> " + Shown(change, change.otherValue);
    if (change.role == FieldRole::Text) out += "  [no effect on the forecast]";
    if (change.role == FieldRole::StoredTotal && ownChanges) out += "  [moved apart from its entries]";
    out += "\n";
  }
  out += "\n";
}

void AppendSummary(std::string& out, const Comparison& comparison) {
  out += "Summary (today's dollars)\n";
  Rows rows = {{"", "Base", "Other", "Difference"}};
  for (const SummaryLine& line : comparison.summary) {
    rows.push_back({"  " + std::string(line.title), SummaryCellText(line, line.base, false),
                    SummaryCellText(line, line.other, false), SummaryCellText(line, line.difference, true)});
  }
  AppendAligned(out, rows);
  out += "\n";
}

void AppendAttribution(std::string& out, const Comparison& comparison) {
  const Attribution& attribution = comparison.attribution;
  const std::size_t n = comparison.inputs.changedInputs.size();
  const bool shapley = attribution.method == AttributionMethod::Shapley;
  out += "Attribution of " + MetricName(comparison.options.metric) +
         " (today's dollars): " + (shapley ? "Shapley" : "sequential") + " over " + std::to_string(n) +
         " changed input" + (n == 1 ? "" : "s") + ", " + std::to_string(attribution.forecasts) + " forecasts\n";
  if (!attribution.note.empty()) out += "  Note: " + attribution.note + ".\n";
  Rows rows = {{"  Base", FormatDollars(attribution.base)}, {"  Other", FormatDollars(attribution.other)}};
  for (std::size_t i = 0; i < n; ++i) {
    rows.push_back({"  " + InputName(comparison.inputs.changedInputs[i]), FormatDollars(attribution.parts[i])});
  }
  if (attribution.rounding != 0) rows.push_back({"  rounding", FormatDollars(attribution.rounding)});
  rows.push_back({"  Total change", FormatDollars(attribution.total)});
  AppendAligned(out, rows);
  out += "\n";
}

void AppendYears(std::string& out, const Comparison& comparison) {
  out += std::string("Result changes by year (other - base, ") +
         (comparison.options.currentDollars ? "in today's dollars" : "in future dollars, each year's own") + ")\n";
  Rows rows;
  std::vector<std::string> header = {"Year", "Age1"};
  const auto columns = ExportedColumns(comparison.options.metric.rules.taxes, comparison.accounts);
  for (const ForecastColumn& field : columns) header.emplace_back(field.name);
  rows.push_back(header);
  for (const YearComparison& year : comparison.years) {
    std::vector<std::string> row = {std::to_string(year.year),
                                    std::to_string(year.inBase ? year.baseAge : year.otherAge)};
    if (year.InBoth()) {
      for (std::size_t f = 0; f < columns.size(); ++f) row.push_back(std::to_string(year.difference[f]));
    } else {
      row.emplace_back(year.inBase ? "only in base" : "only in other");
    }
    rows.push_back(row);
  }
  AppendAligned(out, rows);
}

}  // namespace

std::string SummaryCellText(const SummaryLine& line, const std::optional<std::int64_t>& value, bool difference) {
  if (!value) return line.isYear ? (difference ? "" : "none") : "";
  if (!line.isYear) return FormatDollars(*value);
  if (!difference) return std::to_string(*value);
  return (*value > 0 ? "+" : "") + std::to_string(*value) + (*value == 1 || *value == -1 ? " year" : " years");
}

std::string FieldPlace(int line) {
  const PlanFieldLabel& label = PlanFieldLabels()[static_cast<std::size_t>(line)];
  std::string place = label.page;
  if (*label.section) place += std::string(" > ") + label.section;
  return place + " > " + label.words;
}

std::string ComparisonText(const Comparison& comparison, const std::string& baseName, const std::string& otherName) {
  if (comparison.Identical()) return "no differences\n";
  std::string out = "Base:  " + ReadableText(baseName) + "\nOther: " + ReadableText(otherName) + "\n\n";
  AppendChanges(out, "Input changes", comparison.inputs.inputChanges, true);
  AppendChanges(out, "Follows from the changes", comparison.inputs.followingChanges, false);
  AppendSummary(out, comparison);
  AppendAttribution(out, comparison);
  AppendYears(out, comparison);
  return out;
}
