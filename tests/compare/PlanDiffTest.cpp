#include <gtest/gtest.h>

#include "ComparisonTestPlans.h"
#include "compare/PlanDiff.h"
#include "compare/PlanLines.h"

namespace {

class PlanDiffTest : public ::testing::Test {
 protected:
  PlanDiffTest() {
    ResetPlan(base_, 2026);
    comparetest::StoreTotals(base_);
    other_ = base_;
  }
  std::vector<std::string> InputNames() const {
    std::vector<std::string> names;
    for (const ChangedInput& input : DiffPlans(base_, other_).changedInputs) names.push_back(InputName(input));
    return names;
  }
  static std::vector<int> LinesOf(const std::vector<FieldChange>& changes) {
    std::vector<int> lines;
    for (const FieldChange& change : changes) lines.push_back(change.line);
    return lines;
  }
  PlanRecord base_;
  PlanRecord other_;
};

TEST_F(PlanDiffTest, TheFileNameIsNeverADifference) {
  other_.PlanFileName = "Other.plan";
  EXPECT_TRUE(DiffPlans(base_, other_).Empty());
}

TEST_F(PlanDiffTest, NamesAreListedButMoveNothing) {
  other_.Name1 = "Jane Doe";
  const PlanDiff diff = DiffPlans(base_, other_);
  ASSERT_EQ(diff.inputChanges.size(), 1u);
  EXPECT_EQ(diff.inputChanges[0].role, FieldRole::Text);
  EXPECT_EQ(diff.inputChanges[0].otherValue, "Jane Doe");
  EXPECT_TRUE(diff.changedInputs.empty());
}

TEST_F(PlanDiffTest, AnAgeAndTheAmountItStartsMoveTogether) {
  other_.PensionAge1 += 2;
  other_.Pension1 += 1000;
  other_.Salary1 += 500;
  EXPECT_EQ(InputNames(), (std::vector<std::string>{"Salary1", "PensionAge1 + Pension1"}));
}

TEST_F(PlanDiffTest, AnAmountWithoutItsAgeStandsAlone) {
  other_.Pension1 += 1000;
  other_.HomeValue += 10000;
  EXPECT_EQ(InputNames(), (std::vector<std::string>{"Pension1", "HomeValue"}));
}

TEST_F(PlanDiffTest, TheHomeSituationBringsItsFigures) {
  other_.HomeStatus = 4;
  other_.NewHomePrice = 500000;
  other_.YearsToMove = 5;
  other_.Salary2 += 1;
  EXPECT_EQ(InputNames(), (std::vector<std::string>{"Salary2", "HomeStatus + YearsToMove + NewHomePrice"}));
}

TEST_F(PlanDiffTest, RemovingTheSecondPersonIsOneChange) {
  other_.SecondPerson = !base_.SecondPerson;
  other_.Age2 += 1;
  other_.Salary2 += 100;
  other_.PensionAge2 += 1;
  other_.Pension2 += 100;
  EXPECT_EQ(InputNames(), (std::vector<std::string>{"SecondPerson + Age2 + Salary2 + PensionAge2 + Pension2"}));
}

TEST_F(PlanDiffTest, ATotalUpdatedWithItsEntriesFollowsThem) {
  other_.MedPremiums1 += 1200;
  RecomputeMedicalTotal(other_);
  const PlanDiff diff = DiffPlans(base_, other_);
  EXPECT_EQ(LinesOf(diff.inputChanges), std::vector<int>{LineOf(&PlanRecord::MedPremiums1)});
  EXPECT_EQ(LinesOf(diff.followingChanges), std::vector<int>{LineOf(&PlanRecord::MedicalTotal)});
  EXPECT_EQ(InputNames(), std::vector<std::string>{"MedPremiums1"});
}

// A total typed into the file, or a page left without its Update, is a change
// of its own: the forecast reads the stored total, not the entries.
TEST_F(PlanDiffTest, ATotalThatMovedOnItsOwnIsAnInput) {
  other_.FoodTotal += 700;
  other_.Groceries += 100;
  const PlanDiff diff = DiffPlans(base_, other_);
  EXPECT_EQ(LinesOf(diff.inputChanges),
            (std::vector<int>{LineOf(&PlanRecord::Groceries), LineOf(&PlanRecord::FoodTotal)}));
  EXPECT_EQ(InputNames(), (std::vector<std::string>{"Groceries", "FoodTotal"}));
}

TEST_F(PlanDiffTest, TotalsTheForecastRecomputesFollowFromTheChanges) {
  other_.ExpenseTotal += 1;
  other_.CurrentNetWorth -= 1;
  const PlanDiff diff = DiffPlans(base_, other_);
  EXPECT_TRUE(diff.inputChanges.empty());
  EXPECT_EQ(diff.followingChanges.size(), 2u);
  EXPECT_TRUE(diff.changedInputs.empty());
}

TEST_F(PlanDiffTest, RatesThatDifferInTheLastDigitsPrintDifferently) {
  other_.InflationRate = base_.InflationRate + 1e-17L;
  const PlanDiff diff = DiffPlans(base_, other_);
  ASSERT_EQ(diff.inputChanges.size(), 1u);
  EXPECT_NE(diff.inputChanges[0].baseValue, diff.inputChanges[0].otherValue);
}

}  // namespace
