#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/ExplainTrace.h"
#include "engine/Forecast.h"
#include "model/PlanRecord.h"

// An explanation of one cell as people read it: the trace's terms with their
// words, pages and calendar years, expanded to a depth.

struct ExplainItem {
  ExplainKind kind = ExplainKind::Step;
  std::string text;          // the whole line after the amount
  std::int64_t amount = 0;   // signed dollars (0 for factors)
  long double value = 0.0L;  // a factor's value
  std::string field;         // Input: plan field; Cell: year-table field
  std::string page;          // Input: the page it is entered on
  std::int64_t year = 0;     // Cell: the calendar year
  int row = 0;               // Cell and carried balances: the node's year index
  int slot = -1;             // the node the item stands for, or -1
  bool collapsed = false;    // stands for a node whose terms are not shown here
  bool repeated = false;     // collapsed because an earlier line explains the same node
  bool scaled = false;       // base x factor: the terms then add up to the base
  std::int64_t base = 0;
  bool subtracted = false;  // a cell taken away: amount is minus the cell, whose terms add up to the cell
  std::vector<ExplainItem> terms;
};

struct Explanation {
  std::string field;  // the year-table field's name
  std::int64_t year = 0;
  std::int64_t age = 0;
  bool currentDollars = false;
  std::int64_t value = 0;
  std::string title;  // "Income Taxes, 2040, age 59: $41,203"
  std::string note;
  int roundings = 0;  // bounds the rounding term among the terms
  std::vector<ExplainItem> terms;
};

// A run with its trace, to explain any number of its cells.
class ExplainedForecast {
 public:
  ExplainedForecast(const PlanRecord& plan, const RatePath& path);

  int Rows() const { return rows_; }
  // Row a (1 .. Rows()) of field slot; depth counts the levels of other cells
  // shown (1: the cell's own terms), 0 for no limit. Each cell is expanded
  // once; later mentions stay collapsed, which keeps even an unlimited
  // explanation within the trace's size.
  Explanation Explain(int a, int slot, bool currentDollars, int depth) const;

 private:
  PlanRecord plan_;
  int rows_ = 0;
  ExplainTrace trace_;
  ForecastTable inflated_;
  ForecastTable current_;
  InflationIndices inflation_{};

  std::vector<ExplainItem> Expand(const std::vector<ExplainTerm>& terms, int depth, std::vector<bool>& seen) const;
  ExplainItem ItemOf(const ExplainTerm& term, int depth, std::vector<bool>& seen) const;
};

// The field's title as the plan page shows it, in words for the fields it leaves out.
std::string FieldTitle(int slot);

// One term as a line: "+$1,234  words", or "-  words ($1,234)" for a cell
// taken away, which shows the cell's own value.
std::string ExplanationLine(const ExplainItem& item);
// An indented tree, one term a line.
std::string ExplanationText(const Explanation& explanation);
// {"field","year","age","dollars","view","value","op","terms":[{"label","amount","kind","op",...}]}:
// "amount" is what a term adds to its parent; "op" says how a node is made:
// "sum" of its terms, "product" of "base" and "factor" (its terms, if any,
// add up to the base), or a given "value". A cell taken away has "sign": -1,
// and its terms add up to minus its amount.
std::string ExplanationJson(const Explanation& explanation);
