#include <cstdio>
#include <string_view>

#include "compare/ComparisonReport.h"
#include "engine/ForecastColumns.h"
#include "model/PlanFieldLabels.h"

namespace {

// Length of the well-formed UTF-8 sequence at the start of `text`, 0 if none.
std::size_t Utf8Length(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  unsigned minimum = 0;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    minimum = 0x10000;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  unsigned code = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(i) & 0x3F);
  }
  if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

// Plan texts may come from old files in a single-byte code page: bytes that
// are not UTF-8 are read as Latin-1, so the output is always valid JSON.
std::string Quoted(std::string_view text) {
  std::string out = "\"";
  std::size_t i = 0;
  while (i < text.size()) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const std::size_t length = Utf8Length(text.substr(i));
    char escape[8];
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || length == 0) {
      std::snprintf(escape, sizeof escape, "\\u%04x", c);
      out += escape;
    } else {
      out.append(text.substr(i, length));
      i += length;
      continue;
    }
    ++i;
  }
  return out + "\"";
}

// Names, titles and the totals the forecast recomputes change nothing by themselves.
bool ReadByForecast(FieldRole role) { return role == FieldRole::Input || role == FieldRole::StoredTotal; }

std::string Number(const std::optional<std::int64_t>& value) { return value ? std::to_string(*value) : "null"; }

std::string Changes(const std::vector<FieldChange>& changes) {
  std::string out = "[";
  for (std::size_t i = 0; i < changes.size(); ++i) {
    const FieldChange& change = changes[i];
    const PlanFieldLabel& label = PlanFieldLabels()[static_cast<std::size_t>(change.line)];
    out += std::string(i ? "," : "") + "\n    {\"field\": " + Quoted(label.name) + ", \"page\": " + Quoted(label.page) +
           ", \"section\": " + Quoted(label.section) + ", \"words\": " + Quoted(label.words) +
           ", \"base\": " + Quoted(change.baseValue) + ", \"other\": " + Quoted(change.otherValue) +
           ", \"readByForecast\": " + (ReadByForecast(change.role) ? "true" : "false") + "}";
  }
  return out + (changes.empty() ? "]" : "\n  ]");
}

std::string Summary(const std::vector<SummaryLine>& lines) {
  std::string out = "[";
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const SummaryLine& line = lines[i];
    out += std::string(i ? "," : "") + "\n    {\"name\": " + Quoted(line.key) +
           ", \"unit\": " + (line.isYear ? "\"year\"" : "\"dollars\"") + ", \"base\": " + Number(line.base) +
           ", \"other\": " + Number(line.other) + ", \"difference\": " + Number(line.difference) + "}";
  }
  return out + "\n  ]";
}

std::string AttributionObject(const Comparison& comparison) {
  const Attribution& attribution = comparison.attribution;
  std::string out =
      "{\"metric\": " + Quoted(MetricName(comparison.options.metric)) +
      ", \"method\": " + (attribution.method == AttributionMethod::Shapley ? "\"shapley\"" : "\"sequential\"") +
      ", \"note\": " + Quoted(attribution.note) + ", \"forecasts\": " + std::to_string(attribution.forecasts) +
      ", \"base\": " + std::to_string(attribution.base) + ", \"other\": " + std::to_string(attribution.other) +
      ", \"total\": " + std::to_string(attribution.total) + ", \"rounding\": " + std::to_string(attribution.rounding) +
      ",\n    \"parts\": [";
  const auto& inputs = comparison.inputs.changedInputs;
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    std::string fields;
    for (int line : inputs[i].lines) {
      fields +=
          std::string(fields.empty() ? "" : ", ") + Quoted(PlanFieldLabels()[static_cast<std::size_t>(line)].name);
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
    for (std::size_t f = 0; f < kYearFieldCount; ++f) {
      out += std::string(f ? ", " : "") + Quoted(kForecastColumns[f].name) + ": " + std::to_string(year.difference[f]);
    }
    out += "}}";
  }
  return out + "\n  ]";
}

}  // namespace

std::string ComparisonJson(const Comparison& comparison, const std::string& baseName, const std::string& otherName) {
  return "{\n  \"base\": " + Quoted(baseName) + ",\n  \"other\": " + Quoted(otherName) +
         ",\n  \"identical\": " + (comparison.Identical() ? "true" : "false") +
         ",\n  \"yearDollars\": " + (comparison.options.currentDollars ? "\"today\"" : "\"each year\"") +
         ",\n  \"inputChanges\": " + Changes(comparison.inputs.inputChanges) +
         ",\n  \"followsFromChanges\": " + Changes(comparison.inputs.followingChanges) +
         ",\n  \"summary\": " + Summary(comparison.summary) + ",\n  \"attribution\": " + AttributionObject(comparison) +
         ",\n  \"years\": " + Years(comparison) + "\n}\n";
}
