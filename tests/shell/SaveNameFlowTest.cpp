#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "model/PlanFile.h"
#include "model/SamplePlan.h"
#include "shell/PlanFileFlows.h"
#include "shell/Session.h"
#include "support/ScriptedPlatform.h"

// A name typed into the save dialog with a line break in it would shift every
// line of the plan file; the flow refuses it with a message and writes nothing.
namespace {

TEST(SaveNameFlowTest, ANameWithAControlCharacterIsRefusedAndNothingIsWritten) {
  QTemporaryDir folder;
  Session session;
  ResetPlan(session.plan, 2026);
  session.plan.PlanFileName = "Ours.plan";
  ScriptedPlatform scripted;
  const QString existing = QDir(folder.path()).filePath("Ours.plan");
  ASSERT_TRUE(WritePlanFile(session.plan, existing.toStdString()).ok);

  for (const char* name : {"Two\nLines.plan", "Back\rspace.plan", "Bell\a.plan"}) {
    scripted.prompts.Clear();
    scripted.prompts.fileAnswers = {QDir(folder.path()).filePath(name)};
    EXPECT_FALSE(SavePlan(session, scripted.platform, nullptr)) << name;
    ASSERT_EQ(scripted.prompts.shown.size(), 1u);
    EXPECT_EQ(scripted.prompts.shown[0].kind, ShownPrompt::Error);
    EXPECT_TRUE(scripted.prompts.shown[0].text.contains("control character"))
        << scripted.prompts.shown[0].text.toStdString();
    EXPECT_FALSE(scripted.prompts.shown[0].text.contains('\n'));
  }
  EXPECT_EQ(session.plan.PlanFileName, "Ours.plan");
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Ours.plan"});
}

}  // namespace
