#include "engine/ExplainTerms.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "engine/Money.h"
#include "model/NumberFormat.h"

std::string FactorText(long double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%#.7Lg", value);
  return text;
}

std::string RateText(long double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.7Lg", value);
  return text;
}

namespace {

// Percent with up to two decimals, fewer for larger values: "41.3", "6.2", "100".
std::string PercentText(long double percent) {
  const long double size = std::fabs(percent);
  const int decimals = size >= 100.0L ? 0 : size >= 10.0L ? 1 : 2;
  char text[64];
  std::snprintf(text, sizeof text, "%.*Lf", decimals, percent);
  std::string out = text;
  if (out.find('.') != std::string::npos) {
    out.erase(out.find_last_not_of('0') + 1);
    if (out.back() == '.') out.pop_back();
  }
  return out == "-0" ? "0" : out;
}

}  // namespace

std::string FactorShown(long double value, std::int64_t base, std::int64_t amount) {
  const long double size = std::fabs(value);
  const bool percent = size >= 1e-6L && size < 1.0L;
  const long double shownValue = percent ? value * 100.0L : value;
  const int fewest = percent ? 4 : 7;
  const auto shown = [&](int digits) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*Lg", digits, shownValue);
    return std::string(text);
  };
  // An amount the engine reached another way keeps the short figure.
  std::string text = shown(fewest);
  for (int digits = fewest; digits <= 21; ++digits) {
    const std::string candidate = shown(digits);
    const long double typed = std::strtold(candidate.c_str(), nullptr) / (percent ? 100.0L : 1.0L);
    if (RoundMoney(static_cast<long double>(base) * typed) == amount) {
      text = candidate;
      break;
    }
  }
  return text + (percent ? " %" : "");
}

std::string FactorWords(const std::string& words, long double value) {
  const long double size = std::fabs(value);
  std::string out;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const char next = i + 1 < words.size() ? words[i + 1] : '\0';
    if (words[i] != '%' || (next != 'p' && next != 'r' && next != 'd')) {
      out += words[i];
      continue;
    }
    if (next == 'd') out += DollarsText(RoundMoney(value));
    if (next == 'p') out += PercentText((size - 1.0L) * 100.0L) + " %";
    if (next == 'r') out += PercentText(size * 100.0L) + " %";
    ++i;
  }
  return out;
}

std::string DollarsText(std::int64_t amount) {
  const std::string text = FormatDollars(amount);
  return amount < 0 ? text.substr(1, text.size() - 2) : text;
}

std::string SignedDollarsText(std::int64_t amount) { return (amount < 0 ? "" : "+") + DollarsText(amount); }

ExplainTerms& ExplainTerms::Input(const char* name, std::int64_t amount) {
  ExplainTerm term;
  term.kind = ExplainKind::Input;
  term.input = name;
  term.amount = amount;
  terms_.push_back(std::move(term));
  return *this;
}

ExplainTerms& ExplainTerms::Scaled(ExplainTerm term, std::int64_t base, long double factor, std::string factorLabel) {
  term.scaled = true;
  term.base = base;
  term.factor = factor;
  term.factorLabel = std::move(factorLabel);
  term.amount = RoundMoney(base * factor);
  ++roundings_;
  terms_.push_back(std::move(term));
  return *this;
}

ExplainTerms& ExplainTerms::ScaledInput(const char* name, std::int64_t base, long double factor,
                                        std::string factorLabel) {
  ExplainTerm term;
  term.kind = ExplainKind::Input;
  term.input = name;
  return Scaled(std::move(term), base, factor, std::move(factorLabel));
}

ExplainTerms& ExplainTerms::Cell(int row, int slot, std::int64_t value, bool negative) {
  ExplainTerm term;
  term.kind = ExplainKind::Cell;
  term.row = row;
  term.slot = slot;
  term.subtracted = negative;
  term.amount = negative ? SubMoney(0, value) : value;
  terms_.push_back(std::move(term));
  return *this;
}

ExplainTerms& ExplainTerms::ScaledCell(int row, int slot, std::int64_t base, long double factor,
                                       std::string factorLabel) {
  ExplainTerm term;
  term.kind = ExplainKind::Cell;
  term.row = row;
  term.slot = slot;
  return Scaled(std::move(term), base, factor, std::move(factorLabel));
}

ExplainTerms& ExplainTerms::Carried(std::string label, int row, int slot, std::int64_t value) {
  ExplainTerm term;
  term.label = std::move(label);
  term.row = row;
  term.slot = slot;
  term.amount = value;
  terms_.push_back(std::move(term));
  return *this;
}

ExplainTerms& ExplainTerms::Amount(std::string label, std::int64_t amount) {
  ExplainTerm term;
  term.label = std::move(label);
  term.amount = amount;
  terms_.push_back(std::move(term));
  return *this;
}

ExplainTerms& ExplainTerms::Step(std::string label, ExplainTerms parts, std::int64_t amount, int engineRoundings) {
  ExplainTerm term;
  term.label = std::move(label);
  term.amount = amount;
  term.roundings = parts.Roundings() + engineRoundings;
  term.terms = parts.Close(amount);
  terms_.push_back(std::move(term));
  return *this;
}

ExplainTerms& ExplainTerms::ScaledStep(std::string label, ExplainTerms parts, long double factor,
                                       std::string factorLabel) {
  ExplainTerm term;
  term.label = std::move(label);
  const std::int64_t base = parts.Sum();
  term.roundings = parts.Roundings();
  term.terms = parts.Close(base);
  return Scaled(std::move(term), base, factor, std::move(factorLabel));
}

ExplainTerms& ExplainTerms::Rated(std::string label, ExplainTerms parts, long double rate, std::string rateLabel,
                                  std::int64_t amount) {
  ExplainTerm term;
  term.label = std::move(label);
  term.scaled = true;
  term.base = parts.Sum();
  term.roundings = parts.Roundings();
  term.terms = parts.Close(term.base);
  term.factor = rate;
  term.factorLabel = std::move(rateLabel);
  term.amount = amount;
  terms_.push_back(std::move(term));
  return *this;
}

ExplainTerms& ExplainTerms::ScaledAmount(std::string label, std::int64_t base, long double factor,
                                         std::string factorLabel) {
  ExplainTerm term;
  term.label = std::move(label);
  return Scaled(std::move(term), base, factor, std::move(factorLabel));
}

ExplainTerms& ExplainTerms::Factor(std::string label, long double value) {
  ExplainTerm term;
  term.kind = ExplainKind::Factor;
  term.label = std::move(label);
  term.factor = value;
  terms_.push_back(std::move(term));
  return *this;
}

std::int64_t ExplainTerms::Sum() const {
  std::int64_t sum = 0;
  for (const ExplainTerm& term : terms_) {
    if (term.kind != ExplainKind::Factor) sum = AddMoney(sum, term.amount);
  }
  return sum;
}

std::vector<ExplainTerm> ExplainTerms::Close(std::int64_t amount) {
  const std::int64_t rest = SubMoney(amount, Sum());
  if (rest != 0) {
    ExplainTerm term;
    term.kind = ExplainKind::Rounding;
    term.label = "rounding";
    term.amount = rest;
    terms_.push_back(std::move(term));
  }
  return std::move(terms_);
}

void RecordNode(ExplainTrace& trace, int a, int slot, std::int64_t amount, ExplainTerms terms, int engineRoundings) {
  ExplainNode node;
  node.recorded = true;
  node.amount = amount;
  node.roundings = terms.Roundings() + engineRoundings;
  node.terms = terms.Close(amount);
  trace.Record(a, slot, std::move(node));
}

void RecordNote(ExplainTrace& trace, int a, int slot, std::int64_t amount, std::string note) {
  ExplainNode node;
  node.recorded = true;
  node.amount = amount;
  node.note = std::move(note);
  trace.Record(a, slot, std::move(node));
}
