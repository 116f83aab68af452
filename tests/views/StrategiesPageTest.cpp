#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "model/PlanFile.h"
#include "support/TestProgram.h"
#include "views/StrategiesPage.h"

// The Strategies page in the whole program: reached from the graph page,
// runs in the background, cancels, and applies a row to the plan (not the file).
namespace {

constexpr int kRunTimeoutMs = 30000;

class StrategiesPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(directory.isValid());
    path = directory.filePath("Benefits.plan");
    ASSERT_TRUE(QFile::copy(PREVORA_TEST_DATA "/../../resources/Double.plan", path));
    ASSERT_TRUE(ReadPlanFile(program.session.plan, path.toStdString()).ok);
    program.session.plan.FullRetirementBenefit1 = 31200;  // claiming ages vary for person 1
    program.session.saved.Remember(program.session.plan);
    program.session.RunForecastForView();
    program.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(program.window.get()));
    program.Open(PageId::Graph);
    program.Trigger("Strategies");
    ASSERT_EQ(program.Current()->Id(), PageId::Strategies);
  }

  StrategiesPage* Page() const { return qobject_cast<StrategiesPage*>(program.PageAt(PageId::Strategies)); }

  QTemporaryDir directory;
  QString path;
  TestProgram program;
};

TEST_F(StrategiesPageTest, RunsWithOddsMarksThePlanAndAppliesTheChosenRowToThePlanOnly) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray before = file.readAll();
  file.close();
  Page()->MeasureBox()->setCurrentIndex(3);  // the odds
  Page()->TrialsBox()->setValue(20);
  program.Trigger("RunStrategies");
  ASSERT_TRUE(QTest::qWaitFor([this] { return !Page()->IsRunning(); }, kRunTimeoutMs));
  ASSERT_TRUE(Page()->Result());
  const std::vector<StrategyRow>& rows = Page()->Result()->rows;
  ASSERT_EQ(Page()->Table()->rowCount(), static_cast<int>(rows.size()));
  int marked = 0;
  for (int r = 0; r < Page()->Table()->rowCount(); ++r) {
    const bool own = Page()->Table()->item(r, 0)->text().startsWith("*");
    marked += own;
    EXPECT_EQ(own, rows[static_cast<std::size_t>(r)].planOwn);
    EXPECT_TRUE(Page()->Table()->item(r, 6)->text().endsWith(" %"));
  }
  EXPECT_EQ(marked, 1);

  // The keyboard chooses the row; Apply takes it into the plan, and the file stays.
  QTest::keyClick(Page()->Table(), Qt::Key_Down);
  ASSERT_EQ(Page()->Table()->currentRow(), 1);
  const Strategy chosen = rows[1].strategy;
  program.Trigger("ApplyStrategy");
  EXPECT_TRUE(SameChoices(StrategyOf(program.session.plan), chosen));
  EXPECT_TRUE(program.session.IsModified());
  EXPECT_TRUE(program.window->isWindowModified());
  EXPECT_FALSE(Page()->Result());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), before);
}

TEST_F(StrategiesPageTest, CancelStopsTheRunAndEscapeThenLeaves) {
  Page()->TrialsBox()->setValue(100000);
  program.Trigger("RunStrategies");
  ASSERT_TRUE(Page()->IsRunning());
  QTest::qWait(50);
  Page()->findChild<QPushButton*>("StrategiesCancel")->click();
  EXPECT_FALSE(Page()->IsRunning());
  EXPECT_FALSE(Page()->Result());
  EXPECT_TRUE(Page()->Status()->text().startsWith("Cancelled."));
  EXPECT_TRUE(Page()->findChild<QPushButton*>("StrategiesRun")->isEnabled());
  QTest::keyClick(Page(), Qt::Key_Escape);
  EXPECT_EQ(program.Current()->Id(), PageId::Graph);
}

}  // namespace
