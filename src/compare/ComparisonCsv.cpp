#include "compare/ComparisonReport.h"
#include "engine/ForecastColumns.h"
#include "model/CsvFields.h"
#include "model/PlanFieldLabels.h"

namespace {

std::string Optional(const std::optional<std::int64_t>& value) { return value ? std::to_string(*value) : ""; }

void AppendRow(std::string& out, const std::string& section, const std::string& item, const std::string& year,
               const std::string& base, const std::string& other, const std::string& difference) {
  out += CsvCell(section) + "," + CsvCell(item) + "," + year + "," + CsvCell(base) + "," + CsvCell(other) + "," + difference + "\n";
}

}  // namespace

std::string ComparisonCsv(const Comparison& comparison) {
  std::string out = "section,item,year,base,other,difference\n";
  const auto name = [](int line) { return std::string(PlanFieldLabels()[static_cast<std::size_t>(line)].name); };
  for (const FieldChange& change : comparison.inputs.inputChanges) {
    AppendRow(out, "input", name(change.line), "", change.baseValue, change.otherValue, "");
  }
  for (const FieldChange& change : comparison.inputs.followingChanges) {
    AppendRow(out, "follows", name(change.line), "", change.baseValue, change.otherValue, "");
  }
  for (const SummaryLine& line : comparison.summary) {
    AppendRow(out, "summary", line.key, "", Optional(line.base), Optional(line.other), Optional(line.difference));
  }
  const Attribution& attribution = comparison.attribution;
  const std::string metric = "attribution " + MetricName(comparison.options.metric);
  for (std::size_t i = 0; i < attribution.parts.size(); ++i) {
    AppendRow(out, metric, InputName(comparison.inputs.changedInputs[i]), "", "", "",
              std::to_string(attribution.parts[i]));
  }
  AppendRow(out, metric, "rounding", "", "", "", std::to_string(attribution.rounding));
  AppendRow(out, metric, "total", "", std::to_string(attribution.base), std::to_string(attribution.other),
            std::to_string(attribution.total));
  for (const YearComparison& year : comparison.years) {
    const auto columns = ExportedColumns(comparison.options.metric.rules.taxes, comparison.accounts);
    for (std::size_t f = 0; f < columns.size(); ++f) {
      const auto member = columns[f].field;
      AppendRow(out, "year", columns[f].name, std::to_string(year.year),
                year.inBase ? std::to_string(year.base.*member) : "",
                year.inOther ? std::to_string(year.other.*member) : "",
                year.InBoth() ? std::to_string(year.difference[f]) : "");
    }
  }
  return out;
}
