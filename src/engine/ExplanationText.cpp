#include <string>

#include "engine/ExplainTerms.h"
#include "engine/Explanation.h"
#include "model/JsonText.h"
#include "model/NumberFormat.h"

namespace {

// "+$1,234" and "-$1,234": FormatDollars writes negatives as "(-$1,234)".
std::string Signed(std::int64_t amount) {
  const std::string text = FormatDollars(amount);
  return amount < 0 ? text.substr(1, text.size() - 2) : "+" + text;
}

const char* KindName(ExplainKind kind) {
  switch (kind) {
    case ExplainKind::Input:
      return "input";
    case ExplainKind::Factor:
      return "factor";
    case ExplainKind::Cell:
      return "cell";
    case ExplainKind::Rounding:
      return "rounding";
    case ExplainKind::Step:
      break;
  }
  return "step";
}

void AppendText(const std::vector<ExplainItem>& items, int indent, std::string& out) {
  for (const ExplainItem& item : items) {
    out.append(static_cast<std::size_t>(indent), ' ');
    if (item.kind == ExplainKind::Factor) {
      out += "factor  ";
    } else {
      out += Signed(item.amount) + "  ";
    }
    out += item.text + "\n";
    AppendText(item.terms, indent + 2, out);
  }
}

void AppendJson(const std::vector<ExplainItem>& items, std::string& out) {
  out += "[";
  bool first = true;
  for (const ExplainItem& item : items) {
    if (!first) out += ",";
    first = false;
    out += "{\"label\":" + JsonQuoted(item.text) + ",\"amount\":" + std::to_string(item.amount) + ",\"kind\":\"" +
           KindName(item.kind) + "\"";
    if (item.kind == ExplainKind::Factor) out += ",\"value\":" + FactorText(item.value);
    if (!item.field.empty()) out += ",\"field\":" + JsonQuoted(item.field);
    if (!item.page.empty()) out += ",\"page\":" + JsonQuoted(item.page);
    if (item.year != 0) out += ",\"year\":" + std::to_string(item.year);
    if (!item.terms.empty()) {
      out += ",\"terms\":";
      AppendJson(item.terms, out);
    }
    out += "}";
  }
  out += "]";
}

}  // namespace

std::string ExplanationText(const Explanation& explanation) {
  std::string out = explanation.title + "\n";
  if (!explanation.note.empty()) out += "  (" + explanation.note + ")\n";
  AppendText(explanation.terms, 2, out);
  return out;
}

std::string ExplanationJson(const Explanation& explanation) {
  std::string out = "{\"field\":" + JsonQuoted(explanation.field) + ",\"year\":" + std::to_string(explanation.year) +
                    ",\"age\":" + std::to_string(explanation.age) + ",\"view\":\"" +
                    (explanation.currentDollars ? "current" : "inflated") +
                    "\",\"value\":" + std::to_string(explanation.value) + ",\"terms\":";
  AppendJson(explanation.terms, out);
  out += "}\n";
  return out;
}
