#include <gtest/gtest.h>

#include "model/AgeRules.h"

namespace {

PlanRecord Ages(std::int32_t age, std::int32_t employment, std::int32_t retire, std::int32_t pension,
                std::int32_t socialSecurity) {
  PlanRecord plan;
  plan.Age1 = age;
  plan.EmploymentStartAge1 = employment;
  plan.RetireAge1 = retire;
  plan.PensionAge1 = pension;
  plan.SocialSecurityAge1 = socialSecurity;
  plan.Age2 = 40;
  return plan;
}

TEST(AgeRulesTest, ACurrentAgeOfNinetyFiveListsEveryAgeItMoves) {
  const std::vector<AgeChange> changes = AgeAdjustments(Ages(95, 25, 67, 0, 55));
  std::vector<std::string> described;
  for (const AgeChange& change : changes) described.push_back(DescribeAgeChange(change));
  EXPECT_EQ(described, (std::vector<std::string>{
                           "First person: current age 95 \u2192 90, because the forecast ends at age 90.",
                           "First person: retirement age 67 \u2192 65, because it is before the current age 90.",
                           "First person: Social Security starting age 55 \u2192 65, because it is before the "
                           "current age 90.",
                           "First person: employment start age 25 \u2192 90, because it is before the current age 90.",
                       }));
}

// The notice lists exactly what the rules change: applying the changes leaves
// nothing for a second reading, and no listed change keeps its value.
TEST(AgeRulesTest, ChangesAreCompleteAndSettleInOneStep) {
  for (std::int32_t age : {-5, 0, 14, 15, 30, 64, 65, 66, 70, 89, 90, 91, 200}) {
    for (std::int32_t other : {0, 1, 14, 15, 40, 64, 65, 66, 75, 95}) {
      PlanRecord plan = Ages(age, other, other, other, other);
      plan.Age2 = age;
      plan.RetireAge2 = plan.PensionAge2 = plan.SocialSecurityAge2 = plan.EmploymentStartAge2 = other;
      const std::vector<AgeChange> changes = AgeAdjustments(plan);
      for (const AgeChange& change : changes) {
        EXPECT_EQ(plan.*change.field, change.from);
        EXPECT_NE(change.from, change.to) << DescribeAgeChange(change);
      }
      PlanRecord adjusted = plan;
      ApplyAgeChanges(adjusted, changes);
      EXPECT_TRUE(AgeAdjustments(adjusted).empty()) << age << " " << other;
      EXPECT_GE(adjusted.Age1, 15);
      EXPECT_LE(adjusted.Age1, 90);
      EXPECT_GE(adjusted.Age2, 15);
    }
  }
}

TEST(AgeRulesTest, LikelyMistypesAreWarnedAbout) {
  struct Case {
    PlanRecord plan;
    std::vector<std::string> warnings;
  };
  PlanRecord secondPerson = Ages(40, 40, 65, 65, 67);
  secondPerson.SecondPerson = true;
  secondPerson.SocialSecurityAge2 = 58;
  PlanRecord onePerson = secondPerson;
  onePerson.SecondPerson = false;
  const Case cases[] = {
      {Ages(40, 40, 65, 65, 67), {}},
      {Ages(40, 0, 0, 0, 0), {}},
      {Ages(80, 0, 0, 0, 80), {}},  // benefits already paid
      {Ages(40, 70, 65, 0, 0), {"First person: employment starts at 70, after retirement at 65."}},
      {Ages(70, 0, 0, 65, 0), {"First person: the private pension starts at 65, before the current age 70."}},
      {Ages(70, 0, 0, 0, 65), {"First person: Social Security starts at 65, before the current age 70."}},
      {Ages(40, 0, 0, 0, 60),
       {"First person: Social Security starts at 60, outside the ages 62 to 70 it can start at."}},
      {Ages(40, 0, 0, 0, 71),
       {"First person: Social Security starts at 71, outside the ages 62 to 70 it can start at."}},
      {secondPerson, {"Second person: Social Security starts at 58, outside the ages 62 to 70 it can start at."}},
      {onePerson, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(AgeWarnings(c.plan), c.warnings) << c.plan.Age1;
}

TEST(AgeRulesTest, NoticeHoldsChangesWarningsAndTheChoice) {
  const std::vector<AgeChange> changes = AgeAdjustments(Ages(95, 0, 0, 0, 0));
  const std::string text = AgeNoticeText(changes, {"First person: checked."});
  EXPECT_NE(text.find("current age 95 \u2192 90"), std::string::npos) << text;
  EXPECT_NE(text.find("First person: checked."), std::string::npos) << text;
  EXPECT_NE(text.find("No keeps you on the page"), std::string::npos) << text;
}

}  // namespace
