#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "GeneratedPlans.h"
#include "engine/Explanation.h"
#include "engine/Forecast.h"
#include "engine/Money.h"
#include "model/PlanFile.h"

namespace {

using enginetest::ExtremePlans;
using enginetest::SensiblePlans;

std::int64_t CellValue(const ForecastTable& table, int a, int slot) {
  return table.Year(a).*kForecastColumns[static_cast<std::size_t>(slot)].field;
}

// The money terms add up to `amount`; a rounding term is the last, at most `roundings` dollars.
template <typename Term>
void ExpectCloses(const std::vector<Term>& terms, std::int64_t amount, int roundings, const std::string& where) {
  std::int64_t sum = 0;
  for (const Term& term : terms) {
    if (term.kind == ExplainKind::Factor) continue;
    sum = AddMoney(sum, term.amount);
    if (term.kind == ExplainKind::Rounding) {
      EXPECT_LE(std::llabs(term.amount), roundings) << where;
      EXPECT_EQ(&term, &terms.back()) << where;
    }
  }
  EXPECT_EQ(sum, amount) << where;
}

void ExpectTermsClose(const std::vector<ExplainTerm>& terms, const ForecastTable& table, const std::string& where) {
  for (const ExplainTerm& term : terms) {
    if (term.kind == ExplainKind::Cell) {
      const std::int64_t value = CellValue(table, term.row, term.slot);
      if (term.scaled) {
        EXPECT_EQ(term.base, value) << where;
      } else {
        EXPECT_TRUE(term.amount == value || term.amount == SubMoney(0, value)) << where;
      }
    }
    if (term.terms.empty()) continue;
    ExpectCloses(term.terms, term.scaled ? term.base : term.amount, term.roundings, where + " > " + term.label);
    ExpectTermsClose(term.terms, table, where + " > " + term.label);
  }
}

// Every node of the trace closes on the table's value; cells it leaves out are 0.
void ExpectTraceCloses(const ExplainTrace& trace, const ForecastTable& table, int rows, const std::string& name) {
  for (int a = 1; a <= rows; ++a) {
    for (int slot = 0; slot < kExplainSlots; ++slot) {
      const ExplainNode& node = trace.Node(a, slot);
      const std::string where = name + " row " + std::to_string(a) + " slot " + std::to_string(slot);
      if (slot < kYearFieldCount) {
        EXPECT_EQ(node.recorded ? node.amount : 0, CellValue(table, a, slot)) << where;
      }
      if (!node.recorded) continue;
      ExpectCloses(node.terms, node.amount, node.roundings, where);
      ExpectTermsClose(node.terms, table, where);
    }
  }
}

bool SameTable(const ForecastTable& a, const ForecastTable& b) {
  return std::memcmp(a.rows.data(), b.rows.data(), sizeof a.rows) == 0;
}

TEST(ExplainTraceTest, TracingLeavesSensibleForecastsAsTheyAreAndEveryNodeCloses) {
  SensiblePlans plans(16);
  for (int i = 0; i < 300; ++i) {
    // Every third plan draws on a Roth account in an order and with a filling of its own.
    const PlanRecord plan = i % 3 == 2 ? plans.WithAccounts(plans.Next()) : plans.Next();
    RatePath path = i % 2 == 0 ? RatePath::FromPlan(plan) : plans.NextPath(plan, kForecastRows);
    // Half the plans of either kind of path under each of the tax rules and
    // each of the home-equity limits.
    path.SetTaxRules(i % 4 < 2 ? TaxRules::Law : TaxRules::Curve);
    path.SetHomeEquityFloored(i % 8 < 4);
    ExplainTrace trace;
    const Forecast traced = RunForecast(plan, path, &trace);
    const Forecast plain = RunForecast(plan, path);
    ASSERT_TRUE(SameTable(traced.table, plain.table)) << "plan " << i;
    ExpectTraceCloses(trace, plain.table, RowCount(plan), "plan " + std::to_string(i));
    if (HasFailure()) return;
  }
}

TEST(ExplainTraceTest, TracingLeavesExtremeForecastsAsTheyAre) {
  ExtremePlans plans(16);
  for (int i = 0; i < 300; ++i) {
    const PlanRecord plan = plans.Next();
    ExplainTrace trace;
    const Forecast traced = RunForecast(plan, RatePath::FromPlan(plan), &trace);
    const Forecast plain = RunForecast(plan, RatePath::FromPlan(plan));
    ASSERT_TRUE(SameTable(traced.table, plain.table)) << "plan " << i;
  }
}

// Reads an explanation's JSON and checks, from it alone, that every node is
// made as its "op" says: the sum of its terms (a cell taken away, "sign": -1,
// sums to minus its amount), base x factor rounded once (its terms, if shown,
// sum to the base), or a given value with no terms.
class JsonClosure {
 public:
  explicit JsonClosure(std::string text) : text_(std::move(text)) {}

  // The faults found, each with the label of its node; empty when all close.
  std::vector<std::string> Check() {
    ReadNode();
    if (pos_ != text_.find_last_not_of("\n") + 1) faults_.push_back("text after the root");
    return faults_;
  }

 private:
  struct Node {
    std::string op, kind, label;
    long double amount = 0.0L, base = 0.0L, factor = 0.0L;
    int sign = 1;
    bool collapsed = false, hasTerms = false;
    std::int64_t termSum = 0;
  };

  char Next() { return pos_ < text_.size() ? text_[pos_++] : '\0'; }
  char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }

  // Escapes stay as written: only op and kind are compared, and they have none.
  std::string ReadString() {
    std::size_t end = ++pos_;
    while (end < text_.size() && text_[end] != '"') end += text_[end] == '\\' ? 2 : 1;
    std::string out = text_.substr(pos_, end - pos_);
    pos_ = end + 1;
    return out;
  }

  long double ReadNumber() {
    const char* begin = text_.c_str() + pos_;
    char* end = nullptr;
    const long double value = std::strtold(begin, &end);
    pos_ += static_cast<std::size_t>(end - begin);
    return value;
  }

  Node ReadNode() {
    Node node;
    Next();  // {
    while (Peek() == '"') {
      const std::string key = ReadString();
      Next();  // :
      if (key == "terms") {
        Next();  // [
        node.hasTerms = Peek() == '{';
        while (Peek() == '{') {
          const Node term = ReadNode();
          if (term.kind != "factor") node.termSum = AddMoney(node.termSum, static_cast<std::int64_t>(term.amount));
          if (Peek() == ',') Next();
        }
        Next();  // ]
      } else if (Peek() == '"') {
        const std::string text = ReadString();
        if (key == "op") node.op = text;
        if (key == "kind") node.kind = text;
        if (key == "label") node.label = text;
      } else if (Peek() == 't' || Peek() == 'f' || Peek() == 'n') {
        node.collapsed |= key == "collapsed" && Peek() == 't';
        while (std::isalpha(static_cast<unsigned char>(Peek()))) Next();
      } else {
        const long double number = ReadNumber();
        if (key == "amount" || (key == "value" && node.kind.empty())) node.amount = number;
        if (key == "base") node.base = number;
        if (key == "factor") node.factor = number;
        if (key == "sign") node.sign = static_cast<int>(number);
      }
      if (Peek() == ',') Next();
    }
    Next();  // }
    Verify(node);
    return node;
  }

  void Verify(const Node& node) {
    const std::int64_t own = static_cast<std::int64_t>(node.sign * node.amount);
    bool closes = false;
    if (node.op == "sum") {
      closes = node.hasTerms ? node.termSum == own : node.collapsed;
    } else if (node.op == "product") {
      const long double product = node.base * node.factor;
      closes = std::fabs(static_cast<long double>(own) - product) <= 0.5L + 1e-9L * std::fabs(product) &&
               (!node.hasTerms || node.termSum == static_cast<std::int64_t>(node.base));
    } else if (node.op == "value") {
      closes = !node.hasTerms;
    }
    if (!closes) faults_.push_back(node.op + " does not close: " + node.label);
  }

  std::string text_;
  std::size_t pos_ = 0;
  std::vector<std::string> faults_;
};

// Dollars as a line writes them ("+$1,234", "-$5", "$20,000"), up to the first character that is not part of them.
std::int64_t DollarsAt(const std::string& text) {
  std::string digits;
  for (const char c : text) {
    if (std::isdigit(static_cast<unsigned char>(c)))
      digits += c;
    else if (c != ',' && c != '$' && c != '+' && c != '-')
      break;
  }
  const std::int64_t value = std::strtoll(digits.c_str(), nullptr, 10);
  return text.find('-') == 0 ? -value : value;
}

// What a reader of the text would object to: a $0 line, a double minus, a
// product a calculator does not get from the base and the shown factor.
std::vector<std::string> TextFaults(const std::string& text) {
  std::vector<std::string> faults;
  std::size_t start = 0;
  for (std::size_t end = text.find('\n'); end != std::string::npos; start = end + 1, end = text.find('\n', start)) {
    std::string line = text.substr(start, end - start);
    line.erase(0, line.find_first_not_of(' '));
    if (line.starts_with("+$0  ")) faults.push_back("a $0 term: " + line);
    if (line.starts_with("-  ") && line.find("(-$") != std::string::npos) faults.push_back("two minus signs: " + line);
    const std::size_t times = line.find(" x ");
    const std::size_t base = line.rfind(": $", times);
    if (line.starts_with("-  ") || times == std::string::npos || base == std::string::npos) continue;
    const std::string factorText = line.substr(times + 3, line.find(" (", times) - times - 3);
    const bool percent = factorText.ends_with(" %");
    const long double factor = std::strtold(factorText.c_str(), nullptr) / (percent ? 100.0L : 1.0L);
    if (RoundMoney(static_cast<long double>(DollarsAt(line.substr(base + 2))) * factor) != DollarsAt(line))
      faults.push_back("a product a calculator does not repeat: " + line);
  }
  return faults;
}

// The sanitizers make the whole sweep take minutes: under them every cell is
// walked to its own terms and the last year's cells to unlimited depth, and
// the normal build walks every cell to unlimited depth.
#ifdef __SANITIZE_ADDRESS__
constexpr bool kWholeSweep = false;
#else
constexpr bool kWholeSweep = true;
#endif

// Every cell of the kept plans in both views under both tax rules at unlimited
// depth: the root is the value the table shows, and every node closes as its
// JSON says.
TEST(ExplainTraceTest, EveryNodeOfEveryCellClosesFromItsJsonAlone) {
  for (const char* name : {"rich_forecast", "joint_buyer_forecast", "single_seller_forecast"})
  for (const TaxRules rules : {TaxRules::Curve, TaxRules::Law}) {
    PlanRecord plan;
    ASSERT_TRUE(ReadPlanFile(plan, std::string(PREVORA_TEST_DATA "/") + name + ".plan").ok) << name;
    RatePath path = RatePath::FromPlan(plan);
    path.SetTaxRules(rules);
    const ExplainedForecast explained(plan, path);
    for (const bool current : {false, true}) {
      const Forecast shown = ForecastInView(plan, path, current);
      for (int a = 1; a <= explained.Rows(); ++a) {
        for (int slot = 0; slot < kYearFieldCount; ++slot) {
          const int depth = kWholeSweep || a == explained.Rows() ? 0 : 1;
          const Explanation explanation = explained.Explain(a, slot, current, depth);
          ASSERT_EQ(explanation.value, CellValue(shown.table, a, slot)) << explanation.title;
          const std::vector<std::string> faults = JsonClosure(ExplanationJson(explanation)).Check();
          ASSERT_TRUE(faults.empty()) << name << ": " << explanation.title << ": " << faults.front();
          const std::vector<std::string> read = TextFaults(ExplanationText(explanation));
          ASSERT_TRUE(read.empty()) << name << ": " << explanation.title << ": " << read.front();
        }
      }
    }
  }
}

}  // namespace
