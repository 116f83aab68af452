#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "GeneratedPlans.h"
#include "engine/Explanation.h"
#include "engine/Forecast.h"
#include "engine/Money.h"

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
    const PlanRecord plan = plans.Next();
    const RatePath path = i % 2 == 0 ? RatePath::FromPlan(plan) : plans.NextPath(plan, kForecastRows);
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

void ExpectItemsClose(const std::vector<ExplainItem>& items, const std::string& where) {
  for (const ExplainItem& item : items) {
    if (item.terms.empty()) continue;
    const std::int64_t total = item.scaled ? item.base : item.subtracted ? SubMoney(0, item.amount) : item.amount;
    ExpectCloses(item.terms, total, kForecastRows * kExplainSlots, where);
    ExpectItemsClose(item.terms, where + " > " + item.text);
  }
}

// Unlimited depth, both views, every cell: the root is the shown value and every level closes.
TEST(ExplainTraceTest, EveryCellOfBothViewsExplainsToItsValue) {
  SensiblePlans plans(7);
  for (int i = 0; i < 3; ++i) {
    const PlanRecord plan = plans.Next();
    const ExplainedForecast explained(plan, RatePath::FromPlan(plan));
    for (const bool current : {false, true}) {
      const Forecast shown = ForecastInView(plan, RatePath::FromPlan(plan), current);
      for (int a = 1; a <= explained.Rows(); ++a) {
        for (int slot = 0; slot < kYearFieldCount; ++slot) {
          const Explanation explanation = explained.Explain(a, slot, current, 0);
          const std::string where = explanation.title;
          ASSERT_EQ(explanation.value, CellValue(shown.table, a, slot)) << where;
          if (!explanation.terms.empty())
            ExpectCloses(explanation.terms, explanation.value, explanation.roundings, where);
          ExpectItemsClose(explanation.terms, where);
          if (HasFailure()) return;
        }
      }
    }
  }
}

}  // namespace
