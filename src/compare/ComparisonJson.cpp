#include "compare/ComparisonReport.h"
#include "engine/ForecastColumns.h"
#include "model/JsonText.h"
#include "model/PlanFieldLabels.h"

namespace {

// Names, titles and the totals the forecast recomputes change nothing by themselves.
bool ReadByForecast(FieldRole role) { return role == FieldRole::Input || role == FieldRole::StoredTotal; }

std::string Number(const std::optional<std::int64_t>& value) { return value ? std::to_string(*value) : "null"; }

std::string Changes(const std::vector<FieldChange>& changes) {
  std::string out = "[";
  for (std::size_t i = 0; i < changes.size(); ++i) {
    const FieldChange& change = changes[i];
    const PlanFieldLabel& label = PlanFieldLabels()[static_cast<std::size_t>(change.line)];
    out += std::string(i ? "," : "") + "\n    {\"field\": " + JsonQuoted(label.name) +
           ", \"page\": " + JsonQuoted(label.page) + ", \"section\": " + JsonQuoted(label.section) +
           ", \"words\": " + JsonQuoted(label.words) + ", \"base\": " + JsonQuoted(change.baseValue) +
           ", \"other\": " + JsonQuoted(change.otherValue) +
           ", \"readByForecast\": " + (ReadByForecast(change.role) ? "true" : "false") + "}";
  }
  return out + (changes.empty() ? "]" : "\n  ]");
}

std::string Summary(const std::vector<SummaryLine>& lines) {
  std::string out = "[";
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const SummaryLine& line = lines[i];
    out += std::string(i ? "," : "") + "\n    {\"name\": " + JsonQuoted(line.key) +
           ", \"unit\": " + (line.isYear ? "\"year\"" : "\"dollars\"") + ", \"base\": " + Number(line.base) +
           ", \"other\": " + Number(line.other) + ", \"difference\": " + Number(line.difference) + "}";
  }
  return out + "\n  ]";
}

std::string AttributionObject(const Comparison& comparison) {
  const Attribution& attribution = comparison.attribution;
  std::string out =
      "{\"metric\": " + JsonQuoted(MetricName(comparison.options.metric)) +
      ", \"method\": " + (attribution.method == AttributionMethod::Shapley ? "\"shapley\"" : "\"sequential\"") +
      ", \"note\": " + JsonQuoted(attribution.note) + ", \"forecasts\": " + std::to_string(attribution.forecasts) +
      ", \"base\": " + std::to_string(attribution.base) + ", \"other\": " + std::to_string(attribution.other) +
      ", \"total\": " + std::to_string(attribution.total) + ", \"rounding\": " + std::to_string(attribution.rounding) +
      ",\n    \"parts\": [";
  const auto& inputs = comparison.inputs.changedInputs;
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    std::string fields;
    for (int line : inputs[i].lines) {
      fields +=
          std::string(fields.empty() ? "" : ", ") + JsonQuoted(PlanFieldLabels()[static_cast<std::size_t>(line)].name);
    }
    out += std::string(i ? "," : "") + "\n      {\"fields\": [" + fields +
           "], \"amount\": " + std::to_string(attribution.parts[i]) + "}";
  }
  return out + (inputs.empty() ? "]}" : "\n    ]}");
}

std::string Years(const Comparison& comparison) {
  std::string out = "[";
  for (std::size_t i = 0; i < comparison.years.size(); ++i) {
    const YearComparison& year = comparison.years[i];
    out += std::string(i ? "," : "") + "\n    {\"year\": " + std::to_string(year.year) +
           ", \"baseAge\": " + (year.inBase ? std::to_string(year.baseAge) : "null") +
           ", \"otherAge\": " + (year.inOther ? std::to_string(year.otherAge) : "null") + ", \"differences\": ";
    if (!year.InBoth()) {
      out += "null}";
      continue;
    }
    out += "{";
    const auto columns = ExportedColumns(comparison.options.metric.rules.taxes, comparison.accounts);
    for (std::size_t f = 0; f < columns.size(); ++f) {
      out += std::string(f ? ", " : "") + JsonQuoted(columns[f].name) + ": " + std::to_string(year.difference[f]);
    }
    out += "}}";
  }
  return out + "\n  ]";
}

}  // namespace

std::string ComparisonJson(const Comparison& comparison, const std::string& baseName, const std::string& otherName) {
  return "{\n  \"base\": " + JsonQuoted(baseName) + ",\n  \"other\": " + JsonQuoted(otherName) +
         ",\n  \"identical\": " + (comparison.Identical() ? "true" : "false") +
         ",\n  \"yearDollars\": " + (comparison.options.currentDollars ? "\"today\"" : "\"each year\"") +
         ",\n  \"inputChanges\": " + Changes(comparison.inputs.inputChanges) +
         ",\n  \"followsFromChanges\": " + Changes(comparison.inputs.followingChanges) +
         ",\n  \"summary\": " + Summary(comparison.summary) + ",\n  \"attribution\": " + AttributionObject(comparison) +
         ",\n  \"years\": " + Years(comparison) + "\n}\n";
}
