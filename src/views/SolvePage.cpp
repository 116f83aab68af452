#include "views/SolvePage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "odds/OddsRunner.h"
#include "shell/DocumentedKeys.h"
#include "shell/PageMenus.h"
#include "solve/SolveAdvice.h"
#include "views/ChartView.h"
#include "views/OddsSettings.h"
#include "views/SolveAnswerPanel.h"
#include "views/SolveChartsPanel.h"
#include "views/SolveInputPages.h"
#include "views/ResultExport.h"
#include "views/SolveLeverPanel.h"
#include "views/SolveTargetPanel.h"

namespace {

constexpr int kSolveHelpContext = 2700;
// An Alt key clicks its button this long after the key; an Escape before then cancels that start.
constexpr int kPendingClickMs = 500;
const char* const kCaptionTitle = "Solve Page [ ";
const char* const kPrompt = "Choose a lever and a target, then press Run.";

QPushButton* Button(const QString& caption, const QString& name, const QString& accessibleName) {
  auto* button = new QPushButton(caption);
  button->setObjectName(name);
  button->setAccessibleName(accessibleName);
  return button;
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

SolvePage::SolvePage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent)
    : Page(PageId::Solve, session, platform, navigator, parent),
      levers_(new SolveLeverPanel),
      target_(new SolveTargetPanel),
      answer_(new SolveAnswerPanel),
      charts_(new SolveChartsPanel),
      status_(new QLabel),
      progress_(new QProgressBar),
      run_(Button("&Run", "SolveRun", "Run the search")),
      cancel_(Button("C&ancel", "SolveCancel", "Cancel the search")),
      apply_(Button("A&pply to the plan", "SolveApply", "Apply the answer to the plan")),
      frontier_(Button("&Frontier", "SolveFrontier", "Solve along a second lever")),
      sensitivity_(Button("Se&nsitivity", "SolveSensitivity", "Which inputs matter most")),
      close_(Button("Clos&e", "SolveClose", "Close the solve page")) {
  setObjectName("SolvePage");
  status_->setObjectName("SolveStatus");
  status_->setAccessibleName("Forecasts run");
  progress_->setObjectName("SolveProgress");
  progress_->setAccessibleName("Search progress");
  SetHelpContext(kSolveHelpContext);
  auto* results = new QWidget;
  auto* resultsLayout = new QVBoxLayout(results);
  resultsLayout->setContentsMargins(0, 0, 0, 0);
  resultsLayout->addWidget(answer_);
  resultsLayout->addWidget(charts_, 1);
  auto* layout = new QHBoxLayout(Content());
  layout->addWidget(results, 1);
  layout->addWidget(BuildControls());
  BuildMenu();
  connect(run_, &QPushButton::clicked, this, &SolvePage::RunClicked);
  connect(cancel_, &QPushButton::clicked, this, &SolvePage::CancelClicked);
  connect(apply_, &QPushButton::clicked, this, &SolvePage::ApplyClicked);
  connect(frontier_, &QPushButton::clicked, this, &SolvePage::FrontierClicked);
  connect(sensitivity_, &QPushButton::clicked, this, &SolvePage::SensitivityClicked);
  connect(close_, &QPushButton::clicked, this, &SolvePage::CloseClicked);
  connect(charts_, &SolveChartsPanel::InputChosen, this, [this](int line) {
    if (const std::optional<PageId> page = PageOfField(line)) GoTo(*page);
  });
  // A frontier belongs to the lever it solved.
  connect(levers_, &SolveLeverPanel::LeverChanged, this, [this] {
    if (!FrontierChart()->accessibleDescription().isEmpty()) {
      charts_->ClearFrontier("The lever has changed: press Frontier to solve along it.");
      shownCharts_.frontier.reset();
    }
  });
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setObjectName("Escape");
  DescribeKey(escape, "on the solve page, cancel the search (also one just starting), else close the page");
  connect(escape, &QShortcut::activated, this, &SolvePage::EscapePressed);
  SetCaptionTitle(kCaptionTitle);
  answer_->ShowPrompt(kPrompt);
  SetRunning(false);
}

SolvePage::~SolvePage() = default;

QWidget* SolvePage::BuildControls() {
  auto* controls = new QWidget;
  controls->setFixedWidth(360);
  auto* layout = new QVBoxLayout(controls);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(levers_);
  layout->addWidget(target_);
  connect(target_, &SolveTargetPanel::Changed, this, [this] { SetRunning(IsRunning()); });
  progress_->setRange(0, 0);
  status_->setWordWrap(true);
  layout->addWidget(progress_);
  layout->addWidget(status_);
  auto* runRow = new QHBoxLayout;
  runRow->addWidget(run_);
  runRow->addWidget(cancel_);
  layout->addLayout(runRow);
  layout->addWidget(apply_);
  layout->addWidget(frontier_);
  layout->addWidget(sensitivity_);
  layout->addStretch(1);
  layout->addWidget(close_);
  return controls;
}

void SolvePage::BuildMenu() {
  QMenu* solve = MenuBar()->addMenu("&Solve");
  solve->setObjectName("SolveMenu");
  QAction* run = AddMenuCommand(solve, "&Run", "RunSolve", [this] { RunClicked(); });
  run->setShortcut(QKeySequence(Qt::Key_F5));
  DescribeKey(run, "run the solve page's search");
  AddMenuCommand(solve, "&Apply to the Plan", "ApplySolve", [this] { ApplyClicked(); });
  AddMenuCommand(solve, "&Frontier", "FrontierSolve", [this] { FrontierClicked(); });
  AddMenuCommand(solve, "&Sensitivity", "SensitivitySolve", [this] { SensitivityClicked(); });
  solve->addSeparator();
  AddResultExportCommands(solve, *this, session_, platform_,
                          {"solve", "There is nothing to print or copy yet: press Run, Frontier or Sensitivity first.",
                           [this] { return Printout(); }});
  solve->addSeparator();
  AddMenuCommand(solve, "&Close", "CloseSolve", [this] { CloseClicked(); });
  AddWindowMenu(MenuBar(), *this, WindowMenuOptions{kSolveHelpContext});
}

QWidget* SolvePage::FirstFocus() const { return levers_->FirstFocus(); }

const std::vector<SensitivityBar>& SolvePage::Bars() const { return charts_->Bars(); }
ChartView* SolvePage::FrontierChart() const { return charts_->FrontierChart(); }
ChartView* SolvePage::SensitivityChart() const { return charts_->SensitivityChart(); }
QString SolvePage::FrontierNote() const { return charts_->FrontierNote(); }

void SolvePage::Refresh() {
  SetCaptionTitle(kCaptionTitle);
  const PageId from = session_.LastPageLeft;
  if (from == PageId::Graph || from == PageId::PlanTable) origin_ = from;
  target_->SuggestAge(std::min(90, std::max(65, session_.plan.Age1)));
  // An answer and its charts belong to the plan they were found for.
  if (result_ && !(resultPlan_ == session_.plan)) {
    result_.reset();
    answer_->ShowPrompt("The plan has changed since the last run. " + QString(kPrompt));
  }
  if (chartsPlan_ && !(*chartsPlan_ == session_.plan)) {
    charts_->Clear("The plan has changed since the charts were drawn: press Frontier or Sensitivity again.");
    chartsPlan_.reset();
    shownCharts_ = {};
  }
  SetRunning(IsRunning());
}

std::optional<SolveRequest> SolvePage::RequestFromForm() {
  std::string error;
  const std::optional<Lever> lever = levers_->Chosen(error);
  if (!lever) {
    ShowError(Text(error));
    return std::nullopt;
  }
  SolveRequest request(*lever, target_->Chosen());
  request.rules = session_.Rules;
  if (target_->WithOdds()) {
    const OddsModelBuild build = BuildOddsModel(session_.plan, LoadOddsSettings(platform_.settings));
    if (!build.model) {
      ShowError(build.error);
      return std::nullopt;
    }
    SolveOdds odds;
    odds.percentHundredths = target_->OddsPercent() * 100;
    odds.threads = OddsThreads();
    odds.model = build.forPlan;
    request.odds = odds;
  }
  if (const std::string problem = SolveRequestProblem(session_.plan, request); !problem.empty()) {
    ShowError(Text(problem));
    return std::nullopt;
  }
  return request;
}

bool SolvePage::StartPending() const { return run_->isDown() || frontier_->isDown() || sensitivity_->isDown(); }

void SolvePage::Start(std::function<void(const SolveControl&)> work, std::function<void()> show) {
  // A click that lands after the page was left, or after Escape asked to cancel it, starts nothing.
  if (!isVisible() || startCancelled_) {
    startCancelled_ = false;
    status_->setText("Cancelled.");
    return;
  }
  show_ = std::move(show);
  job_ = std::make_unique<BackgroundJob>(
      [work = std::move(work)](const std::atomic<bool>& cancel, const BackgroundJob::Report& report) {
        SolveControl control;
        control.cancel = &cancel;
        control.progress = [&report](std::int64_t forecasts) { report(forecasts, 0); };
        work(control);
      },
      "search");
  connect(job_.get(), &BackgroundJob::Progress, this,
          [this](qint64 forecasts) { status_->setText(QString("%L1 forecasts run").arg(forecasts)); });
  connect(job_.get(), &BackgroundJob::Finished, this, &SolvePage::JobFinished);
  status_->setText("Starting...");
  SetRunning(true);
  job_->Start();
}

void SolvePage::RunClicked() {
  if (IsRunning()) return;
  std::optional<SolveRequest> request = RequestFromForm();
  if (!request) return;
  request_ = request;
  answer_->ShowSearching();
  const auto result = std::make_shared<SolveResult>();
  const PlanRecord plan = session_.plan;
  Start([result, plan, request = *request](const SolveControl& control) { *result = Solve(plan, request, control); },
        [this, result, plan] {
          result_ = *result;
          resultPlan_ = plan;
          ShowAnswer();
        });
}

void SolvePage::FrontierClicked() {
  if (IsRunning()) return;
  std::optional<SolveRequest> solve = RequestFromForm();
  if (!solve) return;
  std::string error;
  const std::optional<FrontierRequest> request = levers_->FrontierOf(*solve, session_.plan, error);
  if (!request) {
    ShowError(Text(error));
    return;
  }
  const PlanRecord plan = session_.plan;
  const auto frontier = std::make_shared<FrontierResult>();
  Start([frontier, plan, request = *request](const SolveControl& control) {
          *frontier = RunFrontier(plan, request, control);
        },
        [this, frontier, plan, request = *request] {
          charts_->ShowFrontier(request, *frontier);
          shownCharts_.frontier = SolveShown::FrontierShown{request, *frontier, {}};
          chartsPlan_ = plan;
          status_->setText(QString("Frontier: %L1 forecasts run in %2 s")
                               .arg(frontier->forecasts)
                               .arg(frontier->seconds, 0, 'f', 2));
        });
}

void SolvePage::SensitivityClicked() {
  if (IsRunning()) return;
  std::optional<SolveRequest> form = RequestFromForm();
  if (!form) return;
  SensitivityRequest request;
  request.odds = form->odds;
  request.target = form->target;
  request.metric = levers_->Metric();
  request.metric.rules = session_.Rules;
  if (const std::string problem = SensitivityRequestProblem(request); !problem.empty()) {
    ShowError(Text(problem));
    return;
  }
  const auto result = std::make_shared<SensitivityResult>();
  const PlanRecord plan = session_.plan;
  Start([result, plan, request](const SolveControl& control) { *result = RunSensitivity(plan, request, control); },
        [this, result, plan, request] {
          charts_->ShowSensitivity(request, *result);
          shownCharts_.sensitivity = SolveShown::SensitivityShown{request, *result, {}};
          chartsPlan_ = plan;
          status_->setText(QString("Sensitivity: %L1 forecasts run in %2 s; orange one step down, blue one step up")
                               .arg(result->forecasts)
                               .arg(result->seconds, 0, 'f', 2));
        });
}

// Dropping the job stops it and waits the moments its threads need to notice.
void SolvePage::CancelClicked() {
  if (!IsRunning()) return;
  job_.reset();
  show_ = nullptr;
  status_->setText("Cancelled.");
  SetRunning(false);
}

void SolvePage::EscapePressed() {
  if (IsRunning()) return CancelClicked();
  if (StartPending()) {
    startCancelled_ = true;
    QTimer::singleShot(kPendingClickMs, this, [this] { startCancelled_ = false; });
    return;
  }
  CloseClicked();
}

void SolvePage::JobFinished(bool cancelled, const QString& error) {
  if (!job_ || sender() != job_.get()) return;
  job_.release()->deleteLater();
  const std::function<void()> show = std::move(show_);
  SetRunning(false);
  if (!error.isEmpty()) {
    ShowError(error);
    return;
  }
  if (cancelled) {
    status_->setText("Cancelled.");
    return;
  }
  if (show) show();
}

void SolvePage::ShowAnswer() {
  const SolveResult& result = *result_;
  status_->setText(QString("%L1 forecasts run in %2 s").arg(result.forecasts).arg(result.seconds, 0, 'f', 2));
  answer_->ShowResult(resultPlan_, *request_, result);
  // The target that makes the lever matter is one Run away.
  if (const std::optional<Target> proposed = MeaningfulTarget(resultPlan_, *request_, result)) {
    target_->Choose(*proposed);
  }
  SetRunning(false);
}

void SolvePage::ApplyClicked() {
  if (!result_ || result_->status != SolveStatus::Solved || !(resultPlan_ == session_.plan)) return;
  session_.plan = WithLever(request_->lever, session_.plan, result_->answer.value);
  session_.RunForecastForView();
  // The window marks the plan as changed; nothing is written until Save.
  navigator_.PlanStateChanged();
  resultPlan_ = session_.plan;
  answer_->AddNote("Applied to the plan: " + Text(LeverWords(request_->lever)) + " now " +
                   Text(LeverValueText(request_->lever, result_->answer.value)) + ". Save writes it to the file.");
  if (chartsPlan_) {
    charts_->Clear("The answer was applied, so the plan has changed: press Frontier or Sensitivity again.");
    chartsPlan_.reset();
    shownCharts_ = {};
  }
  result_.reset();
  SetRunning(false);
}

void SolvePage::SetRunning(bool running) {
  for (QWidget* control : {run_, frontier_, sensitivity_}) control->setEnabled(!running);
  levers_->SetBusy(running, target_->WithOdds());
  target_->SetBusy(running);
  cancel_->setEnabled(running);
  progress_->setVisible(running);
  apply_->setEnabled(!running && result_ && result_->status == SolveStatus::Solved);
  if (running) {
    cancel_->setFocus();
  } else if (cancel_->hasFocus()) {
    run_->setFocus();
  }
}

std::optional<ResultPrintout> SolvePage::Printout() const {
  SolveShown shown = shownCharts_;
  if (result_ && request_) shown.answer = SolveShown::Answer{*request_, *result_};
  if (shown.frontier) shown.frontier->chart = charts_->FrontierDrawing();
  if (shown.sensitivity) shown.sensitivity->chart = charts_->SensitivityDrawing();
  return SolvePrintout(session_.plan, shown);
}

void SolvePage::CloseClicked() { GoTo(origin_); }

void SolvePage::Hidden() {
  job_.reset();
  show_ = nullptr;
  SetRunning(false);
}

void SolvePage::CloseRequested() { CloseClicked(); }
