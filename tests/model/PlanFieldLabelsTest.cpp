#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/PlanFieldLabels.h"

namespace {

// The label table is written by hand beside the layout: a line out of step
// would put a field's words on its neighbour.
TEST(PlanFieldLabelsTest, EveryLineLabelsTheLayoutsField) {
  const auto& labels = PlanFieldLabels();
  std::set<std::string> names;
  for (std::size_t i = 0; i < labels.size(); ++i) {
    if (i < static_cast<std::size_t>(kPlanFileLines)) {
      EXPECT_TRUE(labels[i].field == PlanFileLayout()[i]) << "line " << i + 1 << " " << labels[i].name;
    }
    EXPECT_TRUE(names.insert(labels[i].name).second) << labels[i].name;
    EXPECT_STRNE(labels[i].page, "");
    EXPECT_STRNE(labels[i].words, "");
  }
}

}  // namespace
