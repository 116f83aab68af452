#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "markets/BuiltInHistory.h"
#include "model/NumberFormat.h"
#include "model/PlanFile.h"
#include "odds/MonteCarloModel.h"
#include "odds/OddsRunner.h"
#include "shell/RuleSettings.h"
#include "support/TestProgram.h"
#include "views/OddsPage.h"
#include "views/OddsSettings.h"
#include "views/OddsSettingsForm.h"
#include "views/TrialTableDialog.h"
#include "views/YearGrid.h"

// The odds page in the whole program: reached from the result pages, runs
// in the background, cancels, replays the worst trial, reports bad files.
namespace {

constexpr int kRunTimeoutMs = 20000;

class OddsPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ReadPlanFile(program.session.plan, PREVORA_TEST_DATA "/../../resources/Double.plan").ok);
    program.session.RunForecastForView();
    program.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(program.window.get()));
  }

  OddsPage* Odds() const { return qobject_cast<OddsPage*>(program.PageAt(PageId::Odds)); }
  template <typename T>
  T* Control(const QString& name) const {
    T* control = Odds()->findChild<T*>(name);
    EXPECT_NE(control, nullptr) << name.toStdString();
    return control;
  }
  QString Headline() const { return Control<QLabel>("OddsHeadline")->text(); }

  void OpenOdds(PageId from = PageId::Graph) {
    program.Open(from);
    program.Trigger("Odds");
    ASSERT_EQ(program.Current()->Id(), PageId::Odds);
  }

  void SetTrials(int trials, int seed = 1) {
    Control<QSpinBox>("OddsTrials")->setValue(trials);
    Control<QSpinBox>("OddsSeed")->setValue(seed);
  }

  bool WaitForRunEnd() {
    return QTest::qWaitFor([this] { return !Odds()->IsRunning(); }, kRunTimeoutMs);
  }

  // File, then Odds, from the keyboard alone.
  void OpenOddsByKeyboard() {
    QTest::keyClick(program.window.get(), Qt::Key_F, Qt::AltModifier);
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr);
    QTest::keyClick(menu, Qt::Key_D);
    ASSERT_EQ(program.Current()->Id(), PageId::Odds);
    // The offscreen platform leaves the closed menu as the active window.
    program.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(program.window.get()));
  }

  TestProgram program;
};

TEST_F(OddsPageTest, KeyboardOpensItFromTheGraphPageRunsAndEscapeReturns) {
  OpenOddsByKeyboard();
  EXPECT_TRUE(program.CaptionText().startsWith("Odds Page"));

  // Alt and a label's letter reach its box; Alt+R presses Run.
  QTest::keyClick(program.window.get(), Qt::Key_T, Qt::AltModifier);
  ASSERT_EQ(QApplication::focusWidget(), Control<QSpinBox>("OddsTrials"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(QApplication::focusWidget(), "50");
  // A button's letter clicks it after its pressed look has shown.
  QTest::keyClick(program.window.get(), Qt::Key_R, Qt::AltModifier);
  ASSERT_TRUE(QTest::qWaitFor([this] { return Odds()->IsRunning() || Odds()->Result(); }, 2000));
  ASSERT_TRUE(WaitForRunEnd());
  ASSERT_NE(Odds()->Result(), nullptr);
  EXPECT_EQ(Odds()->Result()->trials, 50);
  EXPECT_TRUE(Headline().endsWith("% of trials: the savings lasted (never borrowed)")) << Headline().toStdString();
  EXPECT_TRUE(program.scripted.prompts.shown.empty());

  QTest::keyClick(program.window.get(), Qt::Key_E, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([this] { return program.Current()->Id() == PageId::Graph; }, 2000));
  program.Trigger("Odds");
  QTest::keyClick(program.window.get(), Qt::Key_Escape);
  EXPECT_EQ(program.Current()->Id(), PageId::Graph);
}

TEST_F(OddsPageTest, TabVisitsTheSettingsThenTheCommandsAndEachHasAnAccessibleName) {
  OpenOdds();
  QWidget* first = Control<QWidget>("OddsModel");
  first->setFocus(Qt::TabFocusReason);
  QStringList visited;
  for (QWidget* focus = QApplication::focusWidget(); focus && visited.size() < 40;
       focus = QApplication::focusWidget()) {
    if (!visited.isEmpty() && focus == first) break;
    EXPECT_FALSE(focus->accessibleName().isEmpty()) << focus->objectName().toStdString();
    visited << focus->objectName();
    QTest::keyClick(focus, Qt::Key_Tab);
  }
  const QStringList expected = {"OddsModel",
                                "OddsTrials",
                                "OddsSeed",
                                "OddsDeviationInflation",
                                "OddsDeviationTaxable",
                                "OddsDeviationDeferred",
                                "OddsDeviationRealEstate",
                                "OddsCorrelationReturns",
                                "OddsHistorySwings",
                                "OddsDeflationFollows",
                                "OddsRun",
                                "OddsClose"};
  EXPECT_EQ(visited.join(' ').toStdString(), expected.join(' ').toStdString());
}

TEST_F(OddsPageTest, BrowseStartsInThePlansFolderWhileNoHistoryFileIsChosen) {
  program.session.PlanDirectory = PREVORA_TEST_DATA "/";
  OpenOdds();
  Control<QComboBox>("OddsModel")->setCurrentIndex(1);
  Control<QLineEdit>("OddsHistoryFile")->clear();
  Control<QPushButton>("OddsBrowse")->click();
  ASSERT_EQ(program.scripted.prompts.dialogs.size(), 1u);
  EXPECT_EQ(program.scripted.prompts.dialogs[0].initialFolder, PREVORA_TEST_DATA "/");
}

TEST_F(OddsPageTest, CloseReturnsToThePageItCameFrom) {
  OpenOdds(PageId::PlanTable);
  program.Trigger("CloseOdds");
  EXPECT_EQ(program.Current()->Id(), PageId::PlanTable);
  OpenOdds(PageId::Graph);
  Control<QPushButton>("OddsClose")->click();
  EXPECT_EQ(program.Current()->Id(), PageId::Graph);
}

TEST_F(OddsPageTest, CancelStopsALongRunQuicklyAndThePageRunsAgain) {
  OpenOdds();
  SetTrials(kOddsMaxTrials);
  Control<QPushButton>("OddsRun")->click();
  ASSERT_TRUE(Odds()->IsRunning());
  EXPECT_TRUE(Control<QProgressBar>("OddsProgress")->isVisible());
  EXPECT_FALSE(Control<QPushButton>("OddsRun")->isEnabled());
  // The window keeps handling events while the trials run.
  ASSERT_TRUE(QTest::qWaitFor([this] { return Control<QProgressBar>("OddsProgress")->value() > 0; }, kRunTimeoutMs));

  QElapsedTimer clock;
  clock.start();
  Control<QPushButton>("OddsCancel")->click();
  // 100 ms is the aim; the margin is for a machine busy with other work.
  EXPECT_LT(clock.elapsed(), 250);
  EXPECT_FALSE(Odds()->IsRunning());
  EXPECT_EQ(Odds()->Result(), nullptr);
  EXPECT_TRUE(Headline().startsWith("Cancelled"));
  QTest::qWait(50);  // nothing from the dropped run arrives later
  EXPECT_EQ(Odds()->Result(), nullptr);

  SetTrials(20);
  ASSERT_TRUE(Control<QPushButton>("OddsRun")->isEnabled());
  Control<QPushButton>("OddsRun")->click();
  ASSERT_TRUE(WaitForRunEnd());
  ASSERT_NE(Odds()->Result(), nullptr);
  EXPECT_EQ(Odds()->Result()->trials, 20);
}

TEST_F(OddsPageTest, LeavingThePageStopsTheRunAndAChangedPlanClearsTheOdds) {
  OpenOdds();
  SetTrials(kOddsMaxTrials);
  Control<QPushButton>("OddsRun")->click();
  program.Trigger("CloseOdds");
  EXPECT_FALSE(Odds()->IsRunning());

  OpenOdds();
  SetTrials(10);
  Control<QPushButton>("OddsRun")->click();
  ASSERT_TRUE(WaitForRunEnd());
  ASSERT_NE(Odds()->Result(), nullptr);
  program.Trigger("CloseOdds");
  OpenOdds();
  EXPECT_NE(Odds()->Result(), nullptr) << "an unchanged plan keeps its odds";
  program.Trigger("CloseOdds");
  program.session.plan.Age1 += 1;
  OpenOdds();
  EXPECT_EQ(Odds()->Result(), nullptr);
  EXPECT_FALSE(Control<QPushButton>("OddsWorstTrial")->isEnabled());
}

// One rule for the page and the Stress Test menu: the tick shows it, changes it,
// remembers it and clears odds run under the other rule.
TEST_F(OddsPageTest, DeflationRuleIsTheProgramsAndAChangeClearsTheOdds) {
  program.session.Rules.deflation = DeflationRule::Follow;
  OpenOdds();
  QCheckBox* follows = Odds()->DeflationFollows();
  EXPECT_TRUE(follows->isChecked());
  SetTrials(10);
  Control<QPushButton>("OddsRun")->click();
  ASSERT_TRUE(WaitForRunEnd());
  ASSERT_NE(Odds()->Result(), nullptr);
  QTest::mouseClick(follows, Qt::LeftButton);
  EXPECT_EQ(program.session.Rules.deflation, DeflationRule::Hold);
  EXPECT_EQ(LoadForecastRules(program.scripted.settings).deflation, DeflationRule::Hold);
  EXPECT_EQ(Odds()->Result(), nullptr);
  program.Trigger("CloseOdds");
  program.session.Rules.deflation = DeflationRule::Follow;
  OpenOdds();
  EXPECT_TRUE(follows->isChecked());
}

TEST_F(OddsPageTest, WorstTrialOpensThatTrialsTableAsReplayedAlone) {
  OpenOdds();
  EXPECT_FALSE(Control<QPushButton>("OddsWorstTrial")->isEnabled());
  SetTrials(40, 7);
  Control<QPushButton>("OddsRun")->click();
  ASSERT_TRUE(WaitForRunEnd());
  const OddsResult* result = Odds()->Result();
  ASSERT_NE(result, nullptr);

  program.Trigger("ShowWorstTrial");
  TrialTableDialog* dialog = Odds()->TrialTable();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->isVisible());
  const int worst = result->WorstTrial();
  EXPECT_TRUE(dialog->windowTitle().contains(QString("trial %1,").arg(worst + 1)))
      << dialog->windowTitle().toStdString();

  MonteCarloSettings settings;
  settings.trials = 40;
  settings.seed = 7;
  const PlanRecord& plan = program.session.plan;
  const TrialReplay replay = ReplayTrial(plan, MonteCarloModel(plan, settings), worst, program.session.Rules);
  // The column chooser adds home-equity borrowing here and for the plan page too.
  const YearGrid* grid = dialog->Grid();
  ASSERT_EQ(grid->ColumnOf(&YearRecord::HomeEquityBorrowing), -1);
  dialog->findChild<QAction*>("ColumnHomeEquityBorrowing")->trigger();
  const int borrowing = grid->ColumnOf(&YearRecord::HomeEquityBorrowing);
  ASSERT_EQ(borrowing, grid->columnCount() - 1);
  EXPECT_EQ(program.scripted.settings.Text("YearTable/ChosenFields"), "HomeEquityBorrowing");
  ASSERT_EQ(grid->rowCount(), RowCount(plan));
  for (int r = 1; r <= RowCount(plan); ++r) {
    EXPECT_EQ(grid->CellText(r, 0), QString::number(plan.CurrentYear + r - 1));
    for (int c = grid->FirstMoneyColumn(); c < grid->columnCount(); ++c) {
      ASSERT_EQ(grid->CellText(r, c).toStdString(), FormatDollars(replay.table.Year(r).*grid->FieldAt(c)))
          << "row " << r << " column " << c;
    }
  }
  // Today's dollars shrink later years' figures.
  const int worth = grid->ColumnOf(&YearRecord::NetWorth);
  const QString lastInflated = grid->CellText(RowCount(plan), worth);
  dialog->TodaysDollars()->setChecked(true);
  EXPECT_NE(grid->CellText(RowCount(plan), worth), lastInflated);

  QTest::keyClick(dialog, Qt::Key_Escape);
  EXPECT_TRUE(QTest::qWaitFor([this] { return Odds()->TrialTable() == nullptr; }, 2000));
}

TEST_F(OddsPageTest, HistoryFileIsChosenThroughTheOpenDialogAndABadOneIsReportedWithItsLine) {
  QTemporaryDir dir;
  const QString path = dir.filePath("returns.csv");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("Year,Inflation,Stocks,Bonds\n2001,2,8,4\n2002,2,x,4\n");
  file.close();

  OpenOdds();
  Control<QComboBox>("OddsModel")->setCurrentIndex(1);
  EXPECT_FALSE(Control<QSpinBox>("OddsTrials")->isEnabled());
  program.scripted.prompts.fileAnswers.push_back(path);
  Control<QPushButton>("OddsBrowse")->click();
  ASSERT_EQ(program.scripted.prompts.dialogs.size(), 1u);
  EXPECT_TRUE(program.scripted.prompts.dialogs[0].filter.contains("*.csv"));
  EXPECT_EQ(Control<QLineEdit>("OddsHistoryFile")->text(), path);

  Control<QPushButton>("OddsRun")->click();
  EXPECT_FALSE(Odds()->IsRunning());
  ASSERT_EQ(program.scripted.prompts.shown.size(), 1u);
  EXPECT_EQ(program.scripted.prompts.shown[0].kind, ShownPrompt::Error);
  EXPECT_TRUE(program.scripted.prompts.shown[0].text.contains(path + ":3:"))
      << program.scripted.prompts.Texts().join('|').toStdString();

  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write("Year,Inflation,Stocks,Bonds\n2001,2,8,4\n2002,2,-9,4\n2003,3,20,5\n");
  file.close();
  Control<QPushButton>("OddsRun")->click();
  ASSERT_TRUE(WaitForRunEnd());
  ASSERT_NE(Odds()->Result(), nullptr);
  EXPECT_EQ(Odds()->Result()->trials, 3) << "one trial per data year, wrapping round";
  EXPECT_TRUE(Control<QLabel>("OddsDetails")->text().contains("continue from 2001"));

  program.scripted.prompts.Clear();
  Control<QLineEdit>("OddsHistoryFile")->clear();
  Control<QPushButton>("OddsRun")->click();
  EXPECT_EQ(program.scripted.prompts.shown.size(), 1u) << "a missing file name is asked for";
}

TEST_F(OddsPageTest, BothHistoryModelsRunTheBuiltInHistoryWithoutAFile) {
  OpenOdds();
  EXPECT_EQ(Control<QComboBox>("OddsHistorySource")->currentText().toStdString(), BuiltInHistoryName());
  Control<QComboBox>("OddsModel")->setCurrentIndex(1);
  EXPECT_FALSE(Control<QLineEdit>("OddsHistoryFile")->isEnabled());
  Control<QPushButton>("OddsRun")->click();
  ASSERT_TRUE(WaitForRunEnd());
  ASSERT_NE(Odds()->Result(), nullptr);
  EXPECT_EQ(Odds()->Result()->trials, static_cast<int>(BuiltInHistory().years.size()));
  EXPECT_TRUE(Control<QLabel>("OddsDetails")->text().contains(QString::fromStdString(BuiltInHistoryName())));
  EXPECT_TRUE(Control<QLabel>("OddsDetails")->text().contains("from the history's own record"));

  Control<QComboBox>("OddsModel")->setCurrentIndex(2);
  EXPECT_TRUE(Control<QSpinBox>("OddsBlock")->isEnabled());
  EXPECT_FALSE(Control<QCheckBox>("OddsCompleteOnly")->isEnabled());
  SetTrials(50, 3);
  Control<QSpinBox>("OddsBlock")->setValue(4);
  Control<QPushButton>("OddsRun")->click();
  ASSERT_TRUE(WaitForRunEnd());
  ASSERT_NE(Odds()->Result(), nullptr);
  EXPECT_EQ(Odds()->Result()->trials, 50);
  EXPECT_TRUE(Control<QLabel>("OddsDetails")->text().contains("runs of 4 consecutive years"));
}

TEST_F(OddsPageTest, SwingsSayWhenTheyAreTheHistorysAndCanBeSetBackToThem) {
  OpenOdds();
  const auto origin = [this] { return Control<QLabel>("OddsSwingsOrigin")->text(); };
  EXPECT_TRUE(origin().startsWith("Swings and links: from US history 1928-")) << origin().toStdString();
  Control<QDoubleSpinBox>("OddsDeviationTaxable")->setValue(20.0);
  EXPECT_TRUE(origin().startsWith("Swings: your own")) << origin().toStdString();
  Control<QPushButton>("OddsHistorySwings")->click();
  EXPECT_TRUE(origin().startsWith("Swings and links: from")) << origin().toStdString();
  EXPECT_EQ(Odds()->findChild<OddsSettingsForm*>()->Values().monteCarlo.deviations, kHistoryDeviations);
}

TEST_F(OddsPageTest, SettingsAreRememberedAndHeldToTheirRangesWhenRead) {
  MemorySettings& store = program.scripted.settings;
  store.values["Odds/Trials"] = 5'000'000;
  store.values["Odds/Seed"] = -3;
  store.values["Odds/DeviationTaxable"] = "250";
  store.values["Odds/DeviationInflation"] = "nan";
  store.values["Odds/CorrelationReturns"] = "7";
  store.values["Odds/StocksDeferred"] = "35.5";
  store.values["Odds/Model"] = 9;
  OddsSettings read = LoadOddsSettings(store);
  EXPECT_EQ(read.monteCarlo.trials, kOddsMaxTrials);
  EXPECT_EQ(read.monteCarlo.seed, 0u);
  EXPECT_EQ(read.monteCarlo.deviations[1], 100.0L);
  EXPECT_EQ(read.monteCarlo.deviations[0], kHistoryDeviations[0]) << "unreadable: the default";
  EXPECT_EQ(ReturnsCorrelation(read), 1.0);
  EXPECT_EQ(read.historical.stocksDeferred, 35.5L);
  EXPECT_EQ(read.model, MarketModelKind::Bootstrap);
  EXPECT_TRUE(MonteCarloModel::SettingsProblem(read.monteCarlo).empty());

  OpenOdds();
  EXPECT_EQ(Control<QSpinBox>("OddsTrials")->value(), kOddsMaxTrials);
  EXPECT_EQ(Control<QComboBox>("OddsModel")->currentIndex(), 2);
  Control<QComboBox>("OddsModel")->setCurrentIndex(0);
  SetTrials(1234, 99);
  Control<QDoubleSpinBox>("OddsDeviationRealEstate")->setValue(3.25);
  Control<QDoubleSpinBox>("OddsCorrelationReturns")->setValue(0.5);
  program.Trigger("CloseOdds");

  const OddsSettings saved = LoadOddsSettings(store);
  EXPECT_EQ(saved.model, MarketModelKind::MonteCarlo);
  EXPECT_EQ(saved.monteCarlo.trials, 1234);
  EXPECT_EQ(saved.monteCarlo.seed, 99u);
  EXPECT_EQ(saved.monteCarlo.deviations[3], 3.25L);
  EXPECT_EQ(ReturnsCorrelation(saved), 0.5);
  EXPECT_EQ(saved.historical.stocksDeferred, 35.5L);

  // A second program with the same store shows what the first left.
  TestProgram second;
  second.scripted.settings.values = store.values;
  second.Open(PageId::Odds);
  EXPECT_EQ(second.PageAt(PageId::Odds)->findChild<QSpinBox*>("OddsTrials")->value(), 1234);
  EXPECT_EQ(second.PageAt(PageId::Odds)->findChild<QDoubleSpinBox*>("OddsCorrelationReturns")->value(), 0.5);
}

TEST_F(OddsPageTest, PlanPageMenuOpensItAndF1ShowsItsTopic) {
  program.Open(PageId::PlanTable);
  OpenOddsByKeyboard();
  program.scripted.desktop.helpTopics.clear();
  QTest::keyClick(program.window.get(), Qt::Key_F1);
  EXPECT_EQ(program.scripted.desktop.helpTopics, std::vector<int>{2400});
  QTest::keyClick(program.window.get(), Qt::Key_Escape);
  EXPECT_EQ(program.Current()->Id(), PageId::PlanTable);
}

}  // namespace
