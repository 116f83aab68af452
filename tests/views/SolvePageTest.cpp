#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QTest>

#include "engine/Forecast.h"
#include "model/PlanFieldLabels.h"
#include "model/PlanFile.h"
#include "support/TestProgram.h"
#include "views/SolveInputPages.h"
#include "views/ChartView.h"
#include "views/OddsSettings.h"
#include "views/SolvePage.h"

// The Solve page in the whole program: reached from the result pages, runs
// in the background, cancels, applies its answer to the plan (not the file)
// and draws its charts.
namespace {

constexpr int kRunTimeoutMs = 30000;

class SolvePageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(directory.isValid());
    path = directory.filePath("Double.plan");
    ASSERT_TRUE(QFile::copy(PREVORA_TEST_DATA "/../../resources/Double.plan", path));
    ASSERT_TRUE(ReadPlanFile(program.session.plan, path.toStdString()).ok);
    program.session.saved.Remember(program.session.plan);
    program.session.RunForecastForView();
    OddsSettings odds;
    odds.monteCarlo.trials = 200;
    SaveOddsSettings(program.scripted.settings, odds);
    program.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(program.window.get()));
    program.Open(PageId::Graph);
    program.Trigger("Solve");
    ASSERT_EQ(program.Current()->Id(), PageId::Solve);
  }

  SolvePage* Solve() const { return qobject_cast<SolvePage*>(program.PageAt(PageId::Solve)); }
  template <typename T>
  T* Control(const QString& name) const {
    T* control = Solve()->findChild<T*>(name);
    EXPECT_NE(control, nullptr) << name.toStdString();
    return control;
  }
  bool WaitForEnd() const {
    return QTest::qWaitFor([this] { return !Solve()->IsRunning(); }, kRunTimeoutMs);
  }
  static bool Drawn(const ChartView* chart) {
    const QImage picture = chart->Picture();
    int colours = 0;
    for (int y = 0; y < picture.height(); y += 3) {
      for (int x = 0; x < picture.width(); x += 3) {
        const QColor pixel = picture.pixelColor(x, y);
        if (pixel.saturation() > 80) ++colours;
      }
    }
    return colours > 20;
  }

  QTemporaryDir directory;
  QString path;
  TestProgram program;
};

TEST_F(SolvePageTest, ApplyPutsTheProvedAnswerIntoThePlanAndLeavesTheFileAlone) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray before = file.readAll();
  file.close();
  EXPECT_FALSE(Control<QPushButton>("SolveApply")->isEnabled());
  Control<QPushButton>("SolveRun")->click();
  ASSERT_TRUE(WaitForEnd());
  ASSERT_TRUE(Solve()->Result());
  ASSERT_EQ(Solve()->Result()->status, SolveStatus::Solved);
  EXPECT_TRUE(Control<QLabel>("SolveAnswer")->text().contains(" a year"));
  EXPECT_TRUE(Control<QLabel>("SolveProof")->text().contains("one step past"));
  const std::int64_t answer = Solve()->Result()->answer.value;

  Control<QPushButton>("SolveApply")->click();
  EXPECT_TRUE(program.session.IsModified());
  EXPECT_TRUE(program.window->isWindowModified());
  EXPECT_EQ(LeverValue(SpendingLever(), program.session.plan), answer);
  // The applied plan meets the target by a forecast of its own.
  EXPECT_TRUE(CheckTarget(Target{}, program.session.plan, RunForecast(program.session.plan, program.session.PlanRates())).holds);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), before);
  EXPECT_FALSE(Control<QPushButton>("SolveApply")->isEnabled());
}

TEST_F(SolvePageTest, CancelStopsTheOddsSearch) {
  OddsSettings odds;
  odds.monteCarlo.trials = 100000;
  SaveOddsSettings(program.scripted.settings, odds);
  Control<QCheckBox>("SolveUseOdds")->setChecked(true);
  Control<QPushButton>("SolveRun")->click();
  ASSERT_TRUE(Solve()->IsRunning());
  EXPECT_TRUE(Control<QPushButton>("SolveCancel")->isEnabled());
  QTest::qWait(50);
  Control<QPushButton>("SolveCancel")->click();
  EXPECT_FALSE(Solve()->IsRunning());
  EXPECT_FALSE(Solve()->Result());
  EXPECT_EQ(Control<QLabel>("SolveStatus")->text(), "Cancelled.");
  EXPECT_TRUE(Control<QPushButton>("SolveRun")->isEnabled());
}

TEST_F(SolvePageTest, ChartsDrawAndABarOpensItsInputsPage) {
  Control<QCheckBox>("SolveUseOdds")->setChecked(true);
  Control<QComboBox>("SolveLever")->setCurrentIndex(1);  // earliest retirement, along the spending
  Control<QPushButton>("SolveFrontier")->click();
  ASSERT_TRUE(WaitForEnd());
  EXPECT_TRUE(Drawn(Solve()->FrontierChart()));
  // The spending the plan cannot carry to 90 % at any retirement age is named with its share.
  EXPECT_TRUE(Solve()->FrontierNote().contains(QRegularExpression(
      "points have no answer:\nAt \\$[0-9,]+ a year: .*even at age 90 the plan meets the target in [0-9]+ of 200 trials")))
      << Solve()->FrontierNote().toStdString();
  Control<QCheckBox>("SolveUseOdds")->setChecked(false);
  Control<QPushButton>("SolveSensitivity")->click();
  ASSERT_TRUE(WaitForEnd());
  ASSERT_EQ(Solve()->Bars().size(), 15u);
  EXPECT_TRUE(Drawn(Solve()->SensitivityChart()));
  Solve()->SensitivityChart()->setFocus();
  QTest::keyClick(Solve()->SensitivityChart(), Qt::Key_Return);
  EXPECT_EQ(program.Current()->Id(), PageId::Assumptions);  // the tax-deferred return swings most
}

// Every lever of the command line is on the page, found by typing its words;
// the frontier steps along the chosen lever and range, and sensitivity
// measures the chosen figure.
TEST_F(SolvePageTest, LeversFrontierRangeAndFigureAreThoseChosen) {
  auto* lever = Control<QComboBox>("SolveLever");
  lever->setFocus();
  lever->lineEdit()->clear();
  QTest::keyClicks(lever->lineEdit(), "nope");
  Control<QPushButton>("SolveRun")->click();
  ASSERT_EQ(program.scripted.prompts.shown.size(), 1u);
  EXPECT_FALSE(Solve()->IsRunning());

  lever->setCurrentIndex(lever->findText("Groceries", Qt::MatchContains));
  Control<QPushButton>("SolveRun")->click();
  ASSERT_TRUE(WaitForEnd());
  ASSERT_TRUE(Solve()->Result());
  ASSERT_EQ(Solve()->Result()->status, SolveStatus::Solved);
  const std::int64_t answer = Solve()->Result()->answer.value;
  Control<QPushButton>("SolveApply")->click();
  EXPECT_EQ(program.session.plan.Groceries, answer);

  lever->setCurrentIndex(0);  // spending, along the second person's retirement
  auto* along = Control<QComboBox>("SolveFrontierLever");
  along->setCurrentIndex(along->findText("second person", Qt::MatchContains));
  Control<QLineEdit>("SolveFrontierFrom")->setText(QString::number(program.session.plan.RetireAge2));
  Control<QLineEdit>("SolveFrontierTo")->setText(QString::number(program.session.plan.RetireAge2 + 3));
  Control<QPushButton>("SolveFrontier")->click();
  ASSERT_TRUE(WaitForEnd());
  EXPECT_TRUE(Solve()->FrontierChart()->accessibleDescription().endsWith("4 points"))
      << Solve()->FrontierChart()->accessibleDescription().toStdString();

  Control<QPushButton>("SolveSensitivity")->click();
  ASSERT_TRUE(WaitForEnd());
  const std::vector<SensitivityBar> netWorth = Solve()->Bars();
  auto* metric = Control<QComboBox>("SolveMetric");
  metric->setCurrentIndex(metric->findText("Expenses, all years summed"));
  Control<QPushButton>("SolveSensitivity")->click();
  ASSERT_TRUE(WaitForEnd());
  ASSERT_FALSE(Solve()->Bars().empty());
  EXPECT_NE(Solve()->Bars().front().label, netWorth.front().label);
  Control<QCheckBox>("SolveUseOdds")->setChecked(true);
  EXPECT_FALSE(metric->isEnabled());
}

// A chart never stands under another plan's answer: Apply, another lever or
// an opened plan clears what was drawn for the plan before.
TEST_F(SolvePageTest, ChartsOfAnEarlierPlanOrLeverAreCleared) {
  Control<QPushButton>("SolveFrontier")->click();
  ASSERT_TRUE(WaitForEnd());
  ASSERT_TRUE(Drawn(Solve()->FrontierChart()));
  Control<QComboBox>("SolveLever")->setCurrentIndex(1);
  EXPECT_FALSE(Drawn(Solve()->FrontierChart()));
  EXPECT_TRUE(Solve()->FrontierNote().contains("lever has changed"));

  Control<QPushButton>("SolveSensitivity")->click();
  ASSERT_TRUE(WaitForEnd());
  ASSERT_FALSE(Solve()->Bars().empty());
  Control<QPushButton>("SolveRun")->click();
  ASSERT_TRUE(WaitForEnd());
  Control<QPushButton>("SolveApply")->click();
  EXPECT_TRUE(Solve()->Bars().empty());
  EXPECT_TRUE(Solve()->FrontierNote().contains("plan has changed"));

  Control<QPushButton>("SolveSensitivity")->click();
  ASSERT_TRUE(WaitForEnd());
  ASSERT_FALSE(Solve()->Bars().empty());
  program.Open(PageId::Graph);
  program.session.plan.Groceries += 1000;  // as another plan opened would
  program.Trigger("Solve");
  EXPECT_TRUE(Solve()->Bars().empty());
}

// An Alt key clicks its button a moment later; Escape at once cancels that
// start instead of leaving a search running behind a closed page.
TEST_F(SolvePageTest, EscapeRightAfterAnAltKeyCancelsTheStartingSearch) {
  QTest::keyClick(program.window.get(), Qt::Key_R, Qt::AltModifier);
  QTest::keyClick(program.window.get(), Qt::Key_Escape);
  QTest::qWait(400);
  EXPECT_FALSE(Solve()->IsRunning());
  EXPECT_EQ(program.Current()->Id(), PageId::Solve);
  EXPECT_EQ(Control<QLabel>("SolveStatus")->text(), "Cancelled.");
  QTest::keyClick(program.window.get(), Qt::Key_Escape);
  EXPECT_EQ(program.Current()->Id(), PageId::Graph);
}

}  // namespace

namespace {

// A bar opens its input's page only while every page the field catalogue
// names (but the file's own first line) is one the program knows.
TEST(SolveInputPagesTest, EveryFieldWithAPageOpensOne) {
  for (int line = 0; line < kPlanFileLines; ++line) {
    const char* page = PlanFieldLabels()[static_cast<std::size_t>(line)].page;
    if (!page || !*page || std::string_view(page) == "Plan file") continue;
    EXPECT_TRUE(PageOfField(line).has_value()) << page;
  }
}

}  // namespace
