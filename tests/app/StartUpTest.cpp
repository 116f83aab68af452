#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/StartUp.h"
#include "model/PlanFile.h"
#include "model/SamplePlan.h"
#include "shell/DollarViewSetting.h"
#include "shell/RecentPlans.h"
#include "shell/Session.h"
#include "support/ScriptedPlatform.h"

namespace {

// A program folder holding a plan called `name` for a person of `age`.
void WritePlan(const QString& path, int age) {
  PlanRecord plan;
  ResetPlan(plan, 2026);
  plan.Age1 = age;
  ASSERT_TRUE(WritePlanFile(plan, path.toStdString()).ok);
}

class StartUpTest : public ::testing::Test {
 protected:
  StartUpInputs Inputs() const {
    StartUpInputs inputs;
    inputs.programFolder = program.path();
    inputs.documentsFolder = documents.path();
    inputs.screenWidth = 1920;
    inputs.screenHeight = 1080;
    return inputs;
  }

  QTemporaryDir program;
  QTemporaryDir documents;
  MemorySettings settings;
  Session session;
};

TEST_F(StartUpTest, FirstRunWritesTheSixValuesAndLoadsTheSamplePlan) {
  WritePlan(QDir(program.path()).filePath("Double.plan"), 44);
  EXPECT_TRUE(RunStartUp(session, settings, Inputs()).isEmpty());

  EXPECT_EQ(settings.Integer("myTop"), 20);
  EXPECT_EQ(settings.Integer("myLeft"), 20);
  EXPECT_EQ(settings.Integer("myHeight"), 574);
  EXPECT_EQ(settings.Integer("myWidth"), 1260);  // the plan page shows all its columns
  EXPECT_EQ(settings.Integer("myHeightg"), 810);  // three quarters of the 1080 screen
  EXPECT_EQ(settings.Integer("myWidthg"), 714);
  EXPECT_FALSE(settings.Contains("PathFileName"));
  EXPECT_EQ(session.plan.Age1, 44);
  EXPECT_EQ(session.plan.PlanFileName, "Double.plan");
}

TEST_F(StartUpTest, FirstRunWithoutTheSamplePlanKeepsTheStartValues) {
  EXPECT_TRUE(RunStartUp(session, settings, Inputs()).isEmpty());
  EXPECT_EQ(session.plan.PlanFileName, "JohnSmith.plan");
  EXPECT_EQ(session.plan.Age1, 30);
  EXPECT_EQ(session.plan.CurrentYear, 2005);
}

TEST_F(StartUpTest, CommandLineWordsJoinIntoOnePathAndTheStoredPathIsNotRead) {
  QDir(program.path()).mkpath("my plans");
  const QString path = QDir(program.path()).filePath("my plans/the  plan.plan");
  WritePlan(path, 51);
  WritePlan(QDir(program.path()).filePath("stored.plan"), 60);
  settings.SetInteger("myTop", 5);
  settings.SetText("PathFileName", QDir(program.path()).filePath("stored.plan"));

  StartUpInputs inputs = Inputs();
  inputs.planArguments = path.split(' ');
  ASSERT_EQ(inputs.planArguments.size(), 4);
  RunStartUp(session, settings, inputs);

  EXPECT_EQ(session.plan.Age1, 51);
  EXPECT_EQ(QString::fromStdString(session.PlanPath()), QDir(program.path()).filePath("my plans/the  plan.plan"));
  // It heads Open Recent; the sample plan and the stored plan read on other
  // starts are not added.
  EXPECT_EQ(RecentPlans(settings), QStringList{path});
}

TEST_F(StartUpTest, OnlyAPlanReadFromTheCommandLineJoinsTheRecentPlans) {
  WritePlan(QDir(program.path()).filePath("Double.plan"), 44);
  RunStartUp(session, settings, Inputs());
  EXPECT_TRUE(RecentPlans(settings).isEmpty());

  // A damaged or missing plan named on the command line is not added either.
  const QString damaged = QDir(program.path()).filePath("damaged.plan");
  QFile file(damaged);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("not a plan\n");
  file.close();
  for (const QString& path : {damaged, QDir(program.path()).filePath("missing.plan")}) {
    StartUpInputs inputs = Inputs();
    inputs.planArguments = QStringList{path};
    Session fresh;
    RunStartUp(fresh, settings, inputs);
    EXPECT_TRUE(RecentPlans(settings).isEmpty()) << path.toStdString();
  }
}

TEST_F(StartUpTest, StoredValuesAreReadAndClampedToTheScreen) {
  WritePlan(QDir(program.path()).filePath("last.plan"), 70);
  settings.SetInteger("myTop", 40);
  settings.SetInteger("myLeft", 60);
  settings.SetInteger("myHeight", 700);
  settings.SetInteger("myWidth", 2000);
  settings.SetInteger("myHeightg", 5000);
  settings.SetInteger("myWidthg", 1700);
  settings.SetText("PathFileName", QDir(program.path()).filePath("last.plan"));

  StartUpInputs inputs = Inputs();
  inputs.screenHeight = 900;
  RunStartUp(session, settings, inputs);

  EXPECT_EQ(session.LastTop, 40);
  EXPECT_EQ(session.LastLeft, 60);
  EXPECT_EQ(session.geometry.PlanWidth, 1340);
  EXPECT_EQ(session.geometry.PlanHeight, 700);
  EXPECT_EQ(session.geometry.GraphHeight, 900);
  EXPECT_EQ(session.geometry.GraphWidth, 1700);
  EXPECT_EQ(session.plan.Age1, 70);
}

TEST_F(StartUpTest, SmallScreensShrinkTheMinimumAndDataPageHeights) {
  StartUpInputs inputs = Inputs();
  inputs.screenHeight = 500;
  RunStartUp(session, settings, inputs);
  EXPECT_EQ(session.geometry.MinPageHeight, 500);
  EXPECT_EQ(session.geometry.SmallScreenHeight, 500);
  EXPECT_EQ(session.geometry.GraphHeight, 500);
}

TEST_F(StartUpTest, ADamagedStartPlanIsReportedAndTheStartValuesStay) {
  QFile file(QDir(program.path()).filePath("Double.plan"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("Broken.plan\r\n2\r\nJohn\r\nthirty\r\n");
  file.close();

  const QString problem = RunStartUp(session, settings, Inputs());
  EXPECT_TRUE(problem.contains("'thirty' is not a valid integer value")) << problem.toStdString();
  EXPECT_EQ(session.plan.PlanFileName, "JohnSmith.plan");
  EXPECT_EQ(session.plan.Age1, 30);
}

// Saving the sample plan the program opened proposes the documents folder
// (the home folder without one), never the program's folder.
TEST_F(StartUpTest, PlansAreSavedToTheDocumentsFolderNeverTheProgramFolder) {
  WritePlan(QDir(program.path()).filePath("Double.plan"), 44);
  EXPECT_TRUE(RunStartUp(session, settings, Inputs()).isEmpty());
  EXPECT_EQ(session.plan.PlanFileName, "Double.plan");
  EXPECT_EQ(session.CurrentPlanFolder(), (documents.path() + '/').toStdString());
  EXPECT_EQ(ChoosePlanFolder(QDir(documents.path()).filePath("absent")), QDir::homePath() + '/');
}

TEST_F(StartUpTest, TheDollarViewLastChosenIsShownAgain) {
  EXPECT_TRUE(RunStartUp(session, settings, Inputs()).isEmpty());
  EXPECT_FALSE(session.CurrentDollars);
  SaveDollarView(settings, true);
  Session next;
  EXPECT_TRUE(RunStartUp(next, settings, Inputs()).isEmpty());
  EXPECT_TRUE(next.CurrentDollars);
}

}  // namespace
