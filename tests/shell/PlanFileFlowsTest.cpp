#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "model/PlanFile.h"
#include "model/SamplePlan.h"
#include "shell/PlanFileFlows.h"
#include "shell/Session.h"
#include "shell/WindowSettings.h"
#include "support/PlanFolderFixture.h"
#include "support/ScriptedPlatform.h"

namespace {

using PlanFileFlowsTest = PlanFolderFixture;

TEST_F(PlanFileFlowsTest, TheSampleNameAsksToRenameAndYesOpensTheSaveDialog) {
  scripted.prompts.answers = {PromptButton::Yes};
  scripted.prompts.fileAnswers = {InFolder("Ours.plan")};

  EXPECT_TRUE(SaveFirst(session, scripted.platform, nullptr));

  ASSERT_EQ(scripted.prompts.shown.size(), 1u);
  EXPECT_EQ(scripted.prompts.shown[0].kind, ShownPrompt::Warning);
  EXPECT_EQ(scripted.prompts.shown[0].text,
            "Do you first want to RENAME [JohnSmith.plan] and save it as a new file?");
  ASSERT_EQ(scripted.prompts.dialogs.size(), 1u);
  EXPECT_EQ(scripted.prompts.dialogs[0].title, "Save Plan File");
  EXPECT_EQ(scripted.prompts.dialogs[0].proposedName, "JohnSmith");
  EXPECT_EQ(scripted.prompts.dialogs[0].initialFolder.toStdString(), session.working.PlanFolder);
  EXPECT_EQ(session.plan.PlanFileName, "Ours.plan");
  EXPECT_TRUE(QFile::exists(InFolder("Ours.plan")));
}

TEST_F(PlanFileFlowsTest, AnotherNameIsWrittenDirectlyIntoThePlansOwnFolder) {
  QTemporaryDir elsewhere;
  session.plan.PlanFileName = "Smiths.plan";
  session.PlanDirectory = elsewhere.path().toStdString() + "/";
  scripted.prompts.answers = {PromptButton::Yes};

  EXPECT_TRUE(SaveFirst(session, scripted.platform, nullptr));

  EXPECT_EQ(scripted.prompts.Texts(), QStringList{"Do you first want to save [Smiths.plan]?"});
  EXPECT_TRUE(scripted.prompts.dialogs.empty());
  EXPECT_TRUE(QFile::exists(QDir(elsewhere.path()).filePath("Smiths.plan")));
  EXPECT_FALSE(QFile::exists(InFolder("Smiths.plan")));
}

TEST_F(PlanFileFlowsTest, APlanFromAFolderThatCannotBeWrittenIsSavedThroughTheDialog) {
  session.plan.PlanFileName = "Double.plan";
  session.PlanDirectory = InFolder("gone/installed/").toStdString();
  scripted.prompts.answers = {PromptButton::Yes};
  scripted.prompts.fileAnswers = {InFolder("Double.plan")};

  EXPECT_TRUE(SaveFirst(session, scripted.platform, nullptr));

  ASSERT_EQ(scripted.prompts.dialogs.size(), 1u);
  EXPECT_EQ(scripted.prompts.dialogs[0].title, "Save Plan File");
  EXPECT_TRUE(QFile::exists(InFolder("Double.plan")));
  EXPECT_EQ(session.PlanPath(), InFolder("Double.plan").toStdString());
}

TEST_F(PlanFileFlowsTest, CancelStopsAndNoGoesOn) {
  scripted.prompts.answers = {PromptButton::Cancel, PromptButton::No};
  EXPECT_FALSE(SaveFirst(session, scripted.platform, nullptr));
  EXPECT_TRUE(SaveFirst(session, scripted.platform, nullptr));
  EXPECT_TRUE(scripted.prompts.dialogs.empty());
}

TEST_F(PlanFileFlowsTest, YesThenCancellingTheSaveDialogStopsTheFlow) {
  session.plan.Age1 = 47;
  scripted.prompts.answers = {PromptButton::Yes};
  scripted.prompts.fileAnswers = {std::nullopt};

  EXPECT_FALSE(NewPlan(session, scripted.platform, nullptr));
  EXPECT_EQ(session.plan.Age1, 47);
}

TEST_F(PlanFileFlowsTest, NewResetsThePlanAfterNo) {
  session.plan.Age1 = 47;
  session.working.HomeEditTexts[0] = "$5";
  scripted.prompts.answers = {PromptButton::No};

  EXPECT_TRUE(NewPlan(session, scripted.platform, nullptr));
  EXPECT_EQ(session.plan.Age1, 30);
  EXPECT_EQ(session.working.HomeEditTexts[0], "$0");
}

TEST_F(PlanFileFlowsTest, OpenReadsTheChosenPlanAndRemembersItsFolder) {
  QTemporaryDir elsewhere;
  PlanRecord other;
  ResetPlan(other, 2026);
  other.Age1 = 58;
  const QString path = QDir(elsewhere.path()).filePath("Other.plan");
  ASSERT_TRUE(WritePlanFile(other, path.toStdString()).ok);
  scripted.prompts.answers = {PromptButton::No};
  scripted.prompts.fileAnswers = {path};

  EXPECT_TRUE(OpenPlan(session, scripted.platform, nullptr));

  EXPECT_EQ(scripted.prompts.dialogs.at(0).title, "Open Plan File");
  EXPECT_EQ(session.plan.Age1, 58);
  EXPECT_EQ(session.PlanPath(), path.toStdString());

  SaveWindowSettings(session, scripted.settings, 1, 2);
  EXPECT_EQ(scripted.settings.Text("PathFileName"), path);
}

TEST_F(PlanFileFlowsTest, OpeningAMissingOrDamagedFileLeavesThePlanAndItsName) {
  session.plan.PlanFileName = "Mine.plan";
  session.plan.Age1 = 41;
  QFile damaged(InFolder("Damaged.plan"));
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write("Damaged.plan\r\n2\r\nJohn\r\nforty\r\n");
  damaged.close();
  scripted.prompts.answers = {PromptButton::No, PromptButton::No};
  scripted.prompts.fileAnswers = {InFolder("Absent.plan"), InFolder("Damaged.plan")};

  EXPECT_FALSE(OpenPlan(session, scripted.platform, nullptr));
  EXPECT_FALSE(OpenPlan(session, scripted.platform, nullptr));

  EXPECT_EQ(session.plan.PlanFileName, "Mine.plan");
  EXPECT_EQ(session.plan.Age1, 41);
  const QStringList texts = scripted.prompts.Texts();
  ASSERT_EQ(texts.size(), 4);
  EXPECT_TRUE(texts[1].contains("Absent.plan"));
  EXPECT_TRUE(texts[3].contains("'forty' is not a valid integer value"));
}

TEST_F(PlanFileFlowsTest, AFailedSaveIsReportedAndKeepsTheName) {
  QFile blocker(InFolder("not-a-folder"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  scripted.prompts.fileAnswers = {InFolder("not-a-folder/Plan.plan")};

  EXPECT_FALSE(SavePlan(session, scripted.platform, nullptr));

  EXPECT_EQ(session.plan.PlanFileName, "JohnSmith.plan");
  ASSERT_EQ(scripted.prompts.shown.size(), 1u);
  EXPECT_EQ(scripted.prompts.shown[0].kind, ShownPrompt::Error);
}

}  // namespace
