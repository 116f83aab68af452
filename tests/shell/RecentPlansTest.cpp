#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "model/PlanFile.h"
#include "model/SamplePlan.h"
#include "shell/PlanFileFlows.h"
#include "shell/RecentPlans.h"
#include "shell/SavedPlanText.h"
#include "shell/Session.h"
#include "support/PlanFolderFixture.h"
#include "support/ScriptedPlatform.h"

namespace {

QString Plan(int n) { return QString("/plans/p%1.plan").arg(n); }

TEST(RecentPlansTest, NewestFirstEachOnceAtMostEight) {
  MemorySettings settings;
  for (int n = 1; n <= 10; ++n) AddRecentPlan(settings, Plan(n));
  AddRecentPlan(settings, Plan(5));

  const QStringList expected{Plan(5), Plan(10), Plan(9), Plan(8), Plan(7), Plan(6), Plan(4), Plan(3)};
  EXPECT_EQ(RecentPlans(settings), expected);
  RemoveRecentPlan(settings, Plan(10));
  EXPECT_EQ(RecentPlans(settings).size(), 7);
  EXPECT_FALSE(RecentPlans(settings).contains(Plan(10)));
}

TEST(RecentPlansTest, APathWithALineBreakOrAHandEditedListCannotBreakTheList) {
  MemorySettings settings;
  AddRecentPlan(settings, "/plans/a\nb.plan");
  EXPECT_TRUE(RecentPlans(settings).isEmpty());
  settings.SetText("RecentPlans", "/a.plan\n\n/a.plan\n/1\n/2\n/3\n/4\n/5\n/6\n/7\n/8");
  EXPECT_EQ(RecentPlans(settings).size(), 8);
  EXPECT_EQ(RecentPlans(settings).count("/a.plan"), 1);
}

TEST(SavedPlanTextTest, OnlyAChangeThatWouldBeWrittenCounts) {
  PlanRecord plan;
  SavedPlanText saved;
  EXPECT_TRUE(saved.Differs(plan)) << "nothing remembered: the plan may hold anything";
  saved.Remember(plan);
  EXPECT_FALSE(saved.Differs(plan));
  const auto salary = plan.Salary1;
  plan.Salary1 = salary + 1;
  EXPECT_TRUE(saved.Differs(plan));
  plan.Salary1 = salary;
  EXPECT_FALSE(saved.Differs(plan));
}

using RecentPlanFlowTest = PlanFolderFixture;

TEST_F(RecentPlanFlowTest, SavingAndOpeningPutThePlanFirstAndAGoneFileIsDroppedWithANote) {
  scripted.prompts.fileAnswers = {InFolder("One.plan"), InFolder("Two.plan")};
  ASSERT_TRUE(SavePlanAs(session, scripted.platform, nullptr));
  ASSERT_TRUE(SavePlanAs(session, scripted.platform, nullptr));
  EXPECT_EQ(RecentPlans(scripted.settings), (QStringList{InFolder("Two.plan"), InFolder("One.plan")}));
  EXPECT_FALSE(session.IsModified()) << "a save remembers the text written";

  ASSERT_TRUE(OpenPlanAt(session, scripted.platform, nullptr, InFolder("One.plan")));
  EXPECT_EQ(session.plan.PlanFileName, "One.plan");
  EXPECT_EQ(RecentPlans(scripted.settings).first(), InFolder("One.plan"));

  QFile::remove(InFolder("Two.plan"));
  scripted.prompts.answers = {PromptButton::No};
  EXPECT_FALSE(OpenPlanAt(session, scripted.platform, nullptr, InFolder("Two.plan")));
  EXPECT_EQ(session.plan.PlanFileName, "One.plan");
  ASSERT_FALSE(scripted.prompts.shown.empty());
  EXPECT_TRUE(scripted.prompts.shown.back().text.contains("removed from the recent plans"));
  EXPECT_EQ(RecentPlans(scripted.settings), QStringList{InFolder("One.plan")});
}

TEST_F(RecentPlanFlowTest, SaveWritesANamedPlanInPlaceAndSaveAsAlwaysAsks) {
  scripted.prompts.fileAnswers = {InFolder("Ours.plan")};
  ASSERT_TRUE(SavePlan(session, scripted.platform, nullptr)) << "the sample has no name of its own: asks";
  EXPECT_EQ(scripted.prompts.dialogs.size(), 1u);

  session.plan.Salary1 += 1000;
  ASSERT_TRUE(SavePlan(session, scripted.platform, nullptr));
  EXPECT_EQ(scripted.prompts.dialogs.size(), 1u) << "a named plan in a writable folder is written at once";
  PlanRecord reread;
  ASSERT_TRUE(ReadPlanFile(reread, InFolder("Ours.plan").toStdString()).ok);
  EXPECT_EQ(reread.Salary1, session.plan.Salary1);

  EXPECT_FALSE(SavePlanAs(session, scripted.platform, nullptr));
  EXPECT_EQ(scripted.prompts.dialogs.size(), 2u);
  EXPECT_EQ(scripted.prompts.dialogs.back().initialFolder, folder.path() + "/");
}

TEST_F(RecentPlanFlowTest, NoQuestionBeforeNewWhenThePlanMatchesItsFile) {
  session.saved.Remember(session.plan);
  EXPECT_TRUE(NewPlan(session, scripted.platform, nullptr));
  EXPECT_TRUE(scripted.prompts.shown.empty());
}

}  // namespace
