#include "engine/Explanation.h"

#include <array>
#include <string_view>

#include "engine/DollarViews.h"
#include "engine/ExplainTerms.h"
#include "engine/Money.h"
#include "model/NumberFormat.h"
#include "model/PlanFieldLabels.h"

namespace {

const PlanFieldLabel* LabelOf(std::string_view name) {
  for (const PlanFieldLabel& label : PlanFieldLabels()) {
    if (name == label.name) return &label;
  }
  return nullptr;
}

std::string Trimmed(const char* text) {
  std::string_view view(text);
  while (!view.empty() && view.front() == ' ') view.remove_prefix(1);
  return std::string(view);
}

std::string Times(const ExplainTerm& term) {
  return ": " + FormatDollars(term.base) + " x " + FactorShown(term.factor, term.base, term.amount) + " (" +
         FactorWords(term.factorLabel, term.factor) + ")";
}

std::int64_t CalendarYearOf(const PlanRecord& plan, int a) {
  return static_cast<std::int64_t>(plan.CurrentYear) + a - 1;
}

}  // namespace

std::string FieldTitle(int slot) {
  static const std::array<const char*, kYearFieldCount> kWords = {"Net Worth",
                                                                  "Tax Deferred",
                                                                  "Taxable Invest",
                                                                  "Home Equity",
                                                                  "Other Debt",
                                                                  "Expenses",
                                                                  "Income Taxes",
                                                                  "Property Tax",
                                                                  "Income",
                                                                  "Salaries",
                                                                  "Pensions",
                                                                  "Social Security",
                                                                  "Invest Return",
                                                                  "Distribution",
                                                                  "Mortgage",
                                                                  "Mortgage Payment",
                                                                  "Property",
                                                                  "Loan Payments",
                                                                  "Other Debt Balance",
                                                                  "Other Debt Years",
                                                                  "Taxable Withdrawal",
                                                                  "Tax-Deferred Withdrawal",
                                                                  "Home-Equity Borrowing",
                                                                  "Unfunded Shortfall",
                                                                  "Early Draw Tax",
                                                                  "Roth Balance",
                                                                  "Roth Contribution",
                                                                  "Roth Withdrawal",
                                                                  "Roth Conversion",
                                                                  "After-Tax Net Worth"};
  if (slot < 0 || slot >= kYearFieldCount) return {};
  const char* title = kForecastColumns[static_cast<std::size_t>(slot)].title;
  return title ? Trimmed(title) : kWords[static_cast<std::size_t>(slot)];
}

ExplainedForecast::ExplainedForecast(const PlanRecord& plan, const RatePath& path)
    : plan_(plan), rows_(RowCount(plan)) {
  const Forecast forecast = RunForecast(plan, path, &trace_);
  inflated_ = forecast.table;
  current_ = forecast.table;
  inflation_ = forecast.inflation;
  ToCurrentDollars(inflation_, rows_, current_);
}

ExplainItem ExplainedForecast::ItemOf(const ExplainTerm& term, int depth, std::vector<bool>& seen) const {
  ExplainItem item;
  item.kind = term.kind;
  item.amount = term.kind == ExplainKind::Factor ? 0 : term.amount;
  item.value = term.factor;
  item.row = term.row;
  item.slot = term.slot;
  item.scaled = term.scaled;
  item.base = term.base;
  const std::string times = term.scaled ? Times(term) : std::string();
  switch (term.kind) {
    case ExplainKind::Input: {
      const PlanFieldLabel* label = LabelOf(term.input ? term.input : "");
      item.field = term.input ? term.input : "";
      item.page = label ? label->page : "";
      const std::string words = label ? label->words : item.field;
      item.text = words + " (" + item.page + ", " + item.field + ")" + times;
      break;
    }
    case ExplainKind::Cell:
      item.field = kForecastColumns[static_cast<std::size_t>(term.slot)].name;
      item.year = CalendarYearOf(plan_, term.row);
      item.text = FieldTitle(term.slot) + " " + std::to_string(item.year) + times;
      if (term.subtracted) {
        // A negative cell taken away adds: its line shows what it adds, with one sign.
        const std::int64_t value = SubMoney(0, term.amount);
        item.text += value < 0 ? " (" + DollarsText(value) + ", taken away)" : " (" + DollarsText(value) + ")";
      }
      break;
    case ExplainKind::Factor:
      item.text = FactorWords(term.label, term.factor);
      break;
    case ExplainKind::Step:
      item.text = term.label + (term.slot >= 0 ? " " + std::to_string(CalendarYearOf(plan_, term.row)) : "") + times;
      break;
    case ExplainKind::Rounding:
      item.text = "rounding";
      break;
  }
  item.subtracted = term.subtracted;
  if (term.slot >= 0) {
    const std::size_t key =
        static_cast<std::size_t>(term.row - 1) * kExplainSlots + static_cast<std::size_t>(term.slot);
    const ExplainNode& node = trace_.Node(term.row, term.slot);
    if (depth == 1 || seen[key] || !node.recorded || node.terms.empty()) {
      item.collapsed = node.recorded && !node.terms.empty();
      item.repeated = seen[key] && item.collapsed;
      if (item.repeated) item.text += " (explained above)";
      if (!node.note.empty() && !item.collapsed) item.text += " (" + node.note + ")";
      return item;
    }
    seen[key] = true;
    item.terms = Expand(node.terms, depth == 0 ? 0 : depth - 1, seen);
    return item;
  }
  item.terms = Expand(term.terms, depth, seen);
  return item;
}

std::vector<ExplainItem> ExplainedForecast::Expand(const std::vector<ExplainTerm>& terms, int depth,
                                                   std::vector<bool>& seen) const {
  std::vector<ExplainItem> items;
  items.reserve(terms.size());
  for (const ExplainTerm& term : terms) {
    ExplainItem item = ItemOf(term, depth, seen);
    // A term of $0 adds nothing to its line; the cell it names has its own.
    if (item.amount != 0 || item.kind == ExplainKind::Factor) items.push_back(std::move(item));
  }
  return items;
}

Explanation ExplainedForecast::Explain(int a, int slot, bool currentDollars, int depth) const {
  Explanation result;
  const auto field = kForecastColumns[static_cast<std::size_t>(slot)].field;
  result.field = kForecastColumns[static_cast<std::size_t>(slot)].name;
  result.year = CalendarYearOf(plan_, a);
  result.age = static_cast<std::int64_t>(plan_.Age1) + a - 1;
  const bool converted = currentDollars && ConvertsToCurrentDollars(field);
  result.currentDollars = currentDollars;
  result.value = (currentDollars ? current_ : inflated_).Year(a).*field;
  result.title = FieldTitle(slot) + ", " + std::to_string(result.year) + ", age " + std::to_string(result.age) + ": " +
                 FormatDollars(result.value) + (currentDollars ? " in today's dollars" : "");
  std::vector<bool> seen(static_cast<std::size_t>(kForecastRows) * kExplainSlots, false);
  const ExplainNode& node = trace_.Node(a, slot);
  if (converted && result.value != 0) {
    ExplainTerm term;
    term.kind = ExplainKind::Cell;
    term.row = a;
    term.slot = slot;
    term.amount = result.value;
    term.scaled = true;
    term.base = inflated_.Year(a).*field;
    const long double index = inflation_[static_cast<std::size_t>(a - 1)];
    term.factor = 1.0L / index;
    result.terms.push_back(ItemOf(term, depth == 1 ? 2 : depth, seen));
    const std::string year = std::to_string(result.year);
    result.terms.back().text = FieldTitle(slot) + " " + year + " in " + year + " dollars: " + FormatDollars(term.base) +
                               " / " + RateText(index) + " (in " + std::to_string(plan_.CurrentYear) +
                               " dollars: " + FactorWords("prices rise %p from ", index) +
                               std::to_string(plan_.CurrentYear) + " to " + year + ")";
    return result;
  }
  seen[static_cast<std::size_t>(a - 1) * kExplainSlots + static_cast<std::size_t>(slot)] = true;
  result.note = node.recorded ? node.note : "no amount this year";
  result.roundings = node.roundings;
  result.terms = Expand(node.terms, depth, seen);
  return result;
}
