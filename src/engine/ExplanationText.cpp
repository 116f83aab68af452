#include <cmath>
#include <cstdio>
#include <string>

#include "engine/ExplainTerms.h"
#include "engine/Explanation.h"
#include "model/JsonText.h"

namespace {

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
    out += ExplanationLine(item) + "\n";
    AppendText(item.terms, indent + 2, out);
  }
}

// Enough digits to rebuild the double; JSON has no infinity.
std::string JsonNumber(long double value) {
  if (!std::isfinite(value)) return "null";
  char text[64];
  std::snprintf(text, sizeof text, "%.17Lg", value);
  return text;
}

// How the item's amount is made: "product" of base and factor, "sum" of its
// terms (shown here or, when collapsed, elsewhere), or a given "value".
const char* OpName(const ExplainItem& item) {
  if (item.scaled) return "product";
  return item.terms.empty() && !item.collapsed ? "value" : "sum";
}

void AppendJson(const std::vector<ExplainItem>& items, std::string& out) {
  out += "[";
  bool first = true;
  for (const ExplainItem& item : items) {
    if (!first) out += ",";
    first = false;
    out += "{\"label\":" + JsonQuoted(item.text) + ",\"amount\":" + std::to_string(item.amount) + ",\"kind\":\"" +
           KindName(item.kind) + "\",\"op\":\"" + OpName(item) + "\"";
    if (item.scaled) out += ",\"base\":" + std::to_string(item.base) + ",\"factor\":" + JsonNumber(item.value);
    if (item.subtracted) out += ",\"sign\":-1";
    if (item.collapsed) out += ",\"collapsed\":true";
    if (item.repeated) out += ",\"explainedAbove\":true";
    if (item.kind == ExplainKind::Factor) out += ",\"value\":" + JsonNumber(item.value);
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

std::string ExplanationLine(const ExplainItem& item) {
  if (item.kind == ExplainKind::Factor) return "using  " + item.text;
  if (item.subtracted && item.amount <= 0) return "-  " + item.text;
  return SignedDollarsText(item.amount) + "  " + item.text;
}

std::string ExplanationText(const Explanation& explanation) {
  std::string out = explanation.title + "\n";
  if (!explanation.note.empty()) out += "  (" + explanation.note + ")\n";
  AppendText(explanation.terms, 2, out);
  return out;
}

// "dollars" names the view as the window does; "view" keeps its old words
// for this release, for programs that read them.
std::string ExplanationJson(const Explanation& explanation) {
  std::string out = "{\"field\":" + JsonQuoted(explanation.field) + ",\"year\":" + std::to_string(explanation.year) +
                    ",\"age\":" + std::to_string(explanation.age) + ",\"dollars\":\"" +
                    (explanation.currentDollars ? "today" : "future") + "\",\"view\":\"" +
                    (explanation.currentDollars ? "current" : "inflated") +
                    "\",\"value\":" + std::to_string(explanation.value) + ",\"op\":\"" +
                    (explanation.terms.empty() ? "value" : "sum") + "\"";
  if (!explanation.note.empty()) out += ",\"note\":" + JsonQuoted(explanation.note);
  out += ",\"terms\":";
  AppendJson(explanation.terms, out);
  out += "}\n";
  return out;
}
