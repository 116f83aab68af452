#include "views/OddsPage.h"

#include <QAction>
#include <QCheckBox>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <optional>

#include "odds/OddsRunner.h"
#include "shell/DocumentedKeys.h"
#include "shell/PageMenus.h"
#include "views/BackgroundJob.h"
#include "views/ChartView.h"
#include "views/RuleChoice.h"
#include "views/FanChart.h"
#include "views/LevelBar.h"
#include "views/OddsPrinting.h"
#include "views/OddsSettingsForm.h"
#include "views/OddsSummary.h"
#include "views/StressMenu.h"
#include "views/TrialTableDialog.h"

namespace {

constexpr int kOddsHelpContext = 2400;
const char* const kCaptionTitle = "Odds Page [ ";
const char* const kNoRunYet = "Press Run to see how likely the plan is to hold.";

QPushButton* Button(const QString& caption, const QString& name, const QString& accessibleName) {
  auto* button = new QPushButton(caption);
  button->setObjectName(name);
  button->setAccessibleName(accessibleName);
  return button;
}

}  // namespace

OddsPage::OddsPage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent)
    : Page(PageId::Odds, session, platform, navigator, parent),
      form_(new OddsSettingsForm(platform.prompts,
                                 [&session] { return QString::fromStdString(session.CurrentPlanFolder()); })),
      centerOnStress_(new QCheckBox),
      deflationFollows_(new QCheckBox("Spending follows prices down in deflation years")),
      headline_(new QLabel(kNoRunYet)),
      details_(new QLabel),
      levelBar_(new ChartView),
      fanChart_(new ChartView),
      progress_(new QProgressBar),
      runButton_(Button("&Run", "OddsRun", "Run the simulation")),
      cancel_(Button("C&ancel", "OddsCancel", "Cancel the simulation")),
      worst_(Button("S&how worst trial", "OddsWorstTrial", "Show the worst trial's year table")),
      close_(Button("Clos&e", "OddsClose", "Close the odds page")) {
  setObjectName("OddsPage");
  SetHelpContext(kOddsHelpContext);
  auto* layout = new QHBoxLayout(Content());
  layout->addWidget(BuildResults(), 1);
  layout->addWidget(BuildControls());
  BuildMenu();
  connect(runButton_, &QPushButton::clicked, this, &OddsPage::RunClicked);
  connect(cancel_, &QPushButton::clicked, this, &OddsPage::CancelClicked);
  connect(worst_, &QPushButton::clicked, this, &OddsPage::ShowWorstTrialClicked);
  connect(close_, &QPushButton::clicked, this, &OddsPage::CloseClicked);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setObjectName("Escape");
  DescribeKey(escape, "close the odds page (stopping a run first)");
  connect(escape, &QShortcut::activated, this, &OddsPage::EscapePressed);
  SetCaptionTitle(kCaptionTitle);
  ClearResult(kNoRunYet);
}

OddsPage::~OddsPage() = default;

void OddsPage::BuildMenu() {
  QMenu* odds = MenuBar()->addMenu("&Odds");
  odds->setObjectName("OddsMenu");
  runItem_ = AddMenuCommand(odds, "&Run", "RunOdds", [this] { RunClicked(); });
  runItem_->setShortcut(QKeySequence(Qt::Key_F5));
  DescribeKey(runItem_, "run the odds");
  worstItem_ = AddMenuCommand(odds, "Show &Worst Trial", "ShowWorstTrial", [this] { ShowWorstTrialClicked(); });
  odds->addSeparator();
  AddResultExportCommands(
      odds, *this, session_, platform_,
      {"odds", "There are no odds to print or copy yet: press Run first.", [this]() -> std::optional<ResultPrintout> {
         if (!result_ || !resultModel_) return std::nullopt;
         return OddsPrintout(resultPlan_, *result_, *resultModel_, resultCenter_);
       }});
  odds->addSeparator();
  AddMenuCommand(odds, "&Close", "CloseOdds", [this] { CloseClicked(); });
  AddWindowMenu(MenuBar(), *this, WindowMenuOptions{kOddsHelpContext});
}

QWidget* OddsPage::BuildResults() {
  auto* results = new QWidget;
  auto* layout = new QVBoxLayout(results);
  layout->setContentsMargins(0, 0, 0, 0);
  headline_->setObjectName("OddsHeadline");
  headline_->setAccessibleName("Headline");
  QFont large = headline_->font();
  large.setPointSizeF(large.pointSizeF() * 1.8);
  large.setBold(true);
  headline_->setFont(large);
  headline_->setWordWrap(true);
  headline_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  details_->setObjectName("OddsDetails");
  details_->setAccessibleName("Details");
  details_->setWordWrap(true);
  levelBar_->setObjectName("OddsLevelBar");
  levelBar_->setAccessibleName("Shortfall levels");
  levelBar_->setMinimumHeight(100);
  levelBar_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  fanChart_->setObjectName("OddsFanChart");
  fanChart_->setAccessibleName("Net worth bands, today's dollars");
  fanChart_->setMinimumSize(360, 240);
  auto* caution = new QLabel(kOddsCaution);
  caution->setObjectName("OddsCaution");
  caution->setWordWrap(true);
  QFont small = caution->font();
  small.setItalic(true);
  caution->setFont(small);
  layout->addWidget(headline_);
  layout->addWidget(details_);
  layout->addWidget(levelBar_);
  layout->addWidget(fanChart_, 1);
  layout->addWidget(caution);
  return results;
}

QWidget* OddsPage::BuildControls() {
  auto* controls = new QWidget;
  controls->setFixedWidth(380);
  auto* layout = new QVBoxLayout(controls);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(form_);
  centerOnStress_->setObjectName("OddsCenterOnStress");
  centerOnStress_->setAccessibleName("Center the trials on the stress test's rates");
  layout->addWidget(centerOnStress_);
  connect(form_, &OddsSettingsForm::ModelChosen, this, &OddsPage::ShowCenterChoice);
  deflationFollows_->setObjectName("OddsDeflationFollows");
  deflationFollows_->setAccessibleName(deflationFollows_->text());
  deflationFollows_->setToolTip(
      "The program's deflation rule, also under File, Stress Test: ticked, spending falls with prices in a year of "
      "deflation; otherwise it holds. Changing it clears the last result.");
  layout->addWidget(deflationFollows_);
  connect(deflationFollows_, &QCheckBox::toggled, this, &OddsPage::DeflationToggled);
  progress_->setObjectName("OddsProgress");
  progress_->setAccessibleName("Simulation progress");
  progress_->setFormat("%v of %m trials");
  layout->addWidget(progress_);
  auto* runRow = new QHBoxLayout;
  runRow->addWidget(runButton_);
  runRow->addWidget(cancel_);
  layout->addLayout(runRow);
  layout->addWidget(worst_);
  layout->addStretch(1);
  layout->addWidget(close_);
  return controls;
}

QSize OddsPage::PageSize() const { return {980, 660}; }

QSize OddsPage::MinimumPageSize() const { return {840, 600}; }

void OddsPage::Refresh() {
  SetCaptionTitle(kCaptionTitle);
  form_->SetValues(LoadOddsSettings(platform_.settings));
  ShowCenterChoice();
  const PageId from = session_.LastPageLeft;
  if (from == PageId::Graph || from == PageId::PlanTable) origin_ = from;
  const QSignalBlocker quiet(deflationFollows_);
  deflationFollows_->setChecked(session_.Rules.deflation == DeflationRule::Follow);
  ClearIfStale();
}

// Odds belong to the plan and the rules they ran on.
void OddsPage::ClearIfStale() {
  if (!result_) return;
  if (!(resultPlan_ == session_.plan)) {
    ClearResult("The plan has changed since the last run. " + QString(kNoRunYet));
  } else if (resultRules_ != session_.Rules) {
    ClearResult("The forecast's rules have changed since the last run. " + QString(kNoRunYet));
  }
}

void OddsPage::DeflationToggled(bool follows) {
  if (!ChooseRule(session_, platform_, &ForecastRules::deflation, follows ? DeflationRule::Follow : DeflationRule::Hold)) return;
  ClearIfStale();
}

bool OddsPage::IsRunning() const { return run_ != nullptr; }

void OddsPage::RunClicked() {
  if (IsRunning()) return;
  const OddsSettings settings = form_->Values();
  SaveOddsSettings(platform_.settings, settings);
  const bool centered =
      session_.stress.Due() && settings.model == MarketModelKind::MonteCarlo && centerOnStress_->isChecked();
  const std::optional<RatePath> means =
      centered ? std::optional<RatePath>(StressRates(session_.plan, session_.stress)) : std::nullopt;
  const OddsModelBuild build = BuildOddsModel(session_.plan, settings, means ? &*means : nullptr);
  if (!build.model) {
    ShowError(build.error);
    return;
  }
  runCenter_ = centered ? QString::fromStdString(StressName(session_.plan, session_.stress)) : QString();
  runPlan_ = session_.plan;
  runModel_ = build.model;
  runRules_ = session_.Rules;
  runOutcome_ = std::make_shared<std::optional<OddsResult>>();
  run_ = std::make_unique<BackgroundJob>(
      [plan = runPlan_, model = runModel_, rules = runRules_, outcome = runOutcome_](
          const std::atomic<bool>& cancel, const BackgroundJob::Report& report) {
        OddsRunControl control;
        control.threads = OddsThreads();
        control.rules = rules;
        control.cancel = &cancel;
        control.progress = [&report](int done, int total) { report(done, total); };
        *outcome = RunOdds(plan, *model, control);
      },
      "simulation");
  connect(run_.get(), &BackgroundJob::Progress, this,
          [this](qint64 done, qint64 total) { ShowProgress(static_cast<int>(done), static_cast<int>(total)); });
  connect(run_.get(), &BackgroundJob::Finished, this, &OddsPage::RunFinished);
  progress_->setRange(0, build.model->TrialCount());
  progress_->setValue(0);
  SetRunning(true);
  run_->Start();
}

// Dropping the run stops its trials and waits the few milliseconds its
// threads need to notice; its result, if one was on the way, is discarded.
void OddsPage::CancelClicked() {
  if (!IsRunning()) return;
  run_.reset();
  SetRunning(false);
  if (result_) {
    details_->setText(OddsDetails(*result_, *resultModel_) +
                      "\nThe last run was cancelled; these are the odds of the run before it.");
  } else {
    ClearResult("Cancelled. " + QString(kNoRunYet));
  }
}

void OddsPage::ShowProgress(int done, int total) {
  progress_->setRange(0, total);
  progress_->setValue(done);
}

void OddsPage::RunFinished(bool cancelled, const QString& error) {
  if (!run_ || sender() != run_.get()) return;
  // The run emitted this signal; it is deleted once control is back in the event loop.
  run_.release()->deleteLater();
  SetRunning(false);
  if (!error.isEmpty()) ShowError(error);
  if (cancelled || !error.isEmpty() || !*runOutcome_) return;
  result_ = std::make_shared<const OddsResult>(std::move(**runOutcome_));
  resultModel_ = runModel_;
  resultPlan_ = runPlan_;
  resultRules_ = runRules_;
  resultCenter_ = runCenter_;
  // The graph can show the band of the plan's net worth behind its curves.
  session_.odds.Store(resultPlan_, result_->years);
  ShowResult();
}

void OddsPage::SetRunning(bool running) {
  form_->setEnabled(!running);
  deflationFollows_->setEnabled(!running);
  runButton_->setEnabled(!running);
  runItem_->setEnabled(!running);
  cancel_->setEnabled(running);
  progress_->setVisible(running);
  const bool worstReady = !running && result_ != nullptr;
  worst_->setEnabled(worstReady);
  worstItem_->setEnabled(worstReady);
  if (running) {
    cancel_->setFocus();
  } else if (cancel_->hasFocus() || !focusWidget()) {
    runButton_->setFocus();
  }
}

void OddsPage::ShowResult() {
  const std::shared_ptr<const OddsResult> result = result_;
  headline_->setText(OddsHeadline(*result));
  details_->setText(OddsDetails(*result, *resultModel_) +
                    (resultCenter_.isEmpty() ? QString() : "\nTrials centered on the rates of " + resultCenter_ + "."));
  LevelShares shares{};
  for (int k = 0; k < kShortfallLevelCount; ++k)
    shares[static_cast<std::size_t>(k)] = result->LevelShare(static_cast<ShortfallLevel>(k));
  levelBar_->SetDrawer([shares](QPainter& painter, const QRect& area) { DrawLevelBar(painter, area, shares); });
  levelBar_->setAccessibleDescription(LevelsDescription(*result));
  fanChart_->SetDrawer([result](QPainter& painter, const QRect& area) {
    DrawFanChart(painter, area.adjusted(0, 0, -1, -1), result->years);
  });
  SetRunning(false);
}

void OddsPage::ClearResult(const QString& note) {
  result_.reset();
  resultModel_.reset();
  headline_->setText(note);
  details_->clear();
  levelBar_->SetDrawer([](QPainter& painter, const QRect& area) { DrawLevelBar(painter, area, LevelShares{}); });
  levelBar_->setAccessibleDescription(QString());
  fanChart_->SetDrawer([](QPainter& painter, const QRect& area) { DrawFanChart(painter, area, {}); });
  SetRunning(IsRunning());
}

void OddsPage::ShowWorstTrialClicked() {
  if (!result_ || !resultModel_ || result_->trialSummaries.empty()) return;
  const int worst = result_->WorstTrial();
  const TrialReplay replay = ReplayTrial(resultPlan_, *resultModel_, worst, resultRules_);
  if (trialTable_) trialTable_->close();
  trialTable_ =
      new TrialTableDialog(resultPlan_, replay, WorstTrialTitle(*result_, *resultModel_), platform_.settings, this);
  trialTable_->setAttribute(Qt::WA_DeleteOnClose);
  trialTable_->show();
}

// Escape stops a run first; pressed again it leaves the page.
void OddsPage::EscapePressed() {
  if (IsRunning()) {
    CancelClicked();
  } else {
    CloseClicked();
  }
}

void OddsPage::CloseClicked() { GoTo(origin_); }

// The stress test's rates can be the Monte Carlo draws' means; history replays its own years.
void OddsPage::ShowCenterChoice() {
  const StressChoice& stress = session_.stress;
  centerOnStress_->setVisible(stress.Due());
  centerOnStress_->setText(QString("Center the trials on the %1:\n%2")
                               .arg(stress.IsScenario() ? "rate scenario" : "stress start",
                                    QString::fromStdString(StressName(session_.plan, stress))));
  const bool monteCarlo = form_->Values().model == MarketModelKind::MonteCarlo;
  centerOnStress_->setEnabled(monteCarlo);
  centerOnStress_->setToolTip(monteCarlo ? QString() : "The Monte Carlo model only: history replays its own years.");
}

void OddsPage::Hidden() {
  run_.reset();
  SetRunning(false);
  if (trialTable_) trialTable_->close();
  SaveOddsSettings(platform_.settings, form_->Values());
}

void OddsPage::CloseRequested() { CloseClicked(); }

TrialTableDialog* OddsPage::TrialTable() const { return trialTable_.data(); }
