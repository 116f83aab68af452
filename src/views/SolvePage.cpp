#include "views/SolvePage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <thread>

#include "model/PlanFieldLabels.h"
#include "odds/OddsRunner.h"
#include "shell/PageMenus.h"
#include "solve/SolveSummary.h"
#include "views/ChartView.h"
#include "views/OddsModelBuilder.h"
#include "views/OddsSettings.h"
#include "views/SolveChoiceBoxes.h"
#include "views/SolveInputPages.h"

namespace {

constexpr int kSolveHelpContext = 2700;
constexpr int kShownBars = 15;
const char* const kCaptionTitle = "Solve Page [ ";
const char* const kPrompt = "Choose a lever and a target, then press Run.";

QPushButton* Button(const QString& caption, const QString& name, const QString& accessibleName) {
  auto* button = new QPushButton(caption);
  button->setObjectName(name);
  button->setAccessibleName(accessibleName);
  return button;
}

template <typename Widget>
Widget* Named(Widget* widget, const QString& name, const QString& accessibleName) {
  widget->setObjectName(name);
  widget->setAccessibleName(accessibleName);
  return widget;
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

SolvePage::SolvePage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent)
    : Page(PageId::Solve, session, platform, navigator, parent),
      lever_(Named(new QComboBox, "SolveLever", "Lever")),
      target_(Named(new QComboBox, "SolveTarget", "Target")),
      targetAge_(Named(new QSpinBox, "SolveTargetAge", "Net worth age")),
      targetAmount_(Named(new QSpinBox, "SolveTargetAmount", "Net worth at least, today's dollars")),
      useOdds_(Named(new QCheckBox("With the &odds of the odds page"), "SolveUseOdds", "With the odds")),
      oddsPercent_(Named(new QSpinBox, "SolveOddsPercent", "Share of trials that must meet the target")),
      frontierLever_(Named(new QComboBox, "SolveFrontierLever", "Frontier along")),
      frontierFrom_(Named(new QLineEdit, "SolveFrontierFrom", "Frontier from")),
      frontierTo_(Named(new QLineEdit, "SolveFrontierTo", "Frontier to")),
      metric_(Named(new QComboBox, "SolveMetric", "Sensitivity figure")),
      answer_(Named(new QLabel(kPrompt), "SolveAnswer", "Answer")),
      proof_(Named(new QLabel, "SolveProof", "Proof")),
      status_(Named(new QLabel, "SolveStatus", "Forecasts run")),
      progress_(Named(new QProgressBar, "SolveProgress", "Search progress")),
      frontierChart_(Named(new ChartView, "SolveFrontierChart", "Frontier chart")),
      sensitivityChart_(Named(new ChartView, "SolveSensitivityChart", "Sensitivity chart: the inputs that matter most")),
      run_(Button("&Run", "SolveRun", "Run the search")),
      cancel_(Button("C&ancel", "SolveCancel", "Cancel the search")),
      apply_(Button("A&pply to the plan", "SolveApply", "Apply the answer to the plan")),
      frontier_(Button("&Frontier", "SolveFrontier", "Solve along a second lever")),
      sensitivity_(Button("Se&nsitivity", "SolveSensitivity", "Which inputs matter most")),
      close_(Button("Clos&e", "SolveClose", "Close the solve page")) {
  setObjectName("SolvePage");
  SetHelpContext(kSolveHelpContext);
  auto* layout = new QHBoxLayout(Content());
  layout->addWidget(BuildResults(), 1);
  layout->addWidget(BuildControls());
  BuildMenu();
  connect(run_, &QPushButton::clicked, this, &SolvePage::RunClicked);
  connect(cancel_, &QPushButton::clicked, this, &SolvePage::CancelClicked);
  connect(apply_, &QPushButton::clicked, this, &SolvePage::ApplyClicked);
  connect(frontier_, &QPushButton::clicked, this, &SolvePage::FrontierClicked);
  connect(sensitivity_, &QPushButton::clicked, this, &SolvePage::SensitivityClicked);
  connect(close_, &QPushButton::clicked, this, &SolvePage::CloseClicked);
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
          [this] { IsRunning() ? CancelClicked() : CloseClicked(); });
  SetCaptionTitle(kCaptionTitle);
  ShowFrontier({}, {});
  ShowSensitivity({});
  SetRunning(false);
}

SolvePage::~SolvePage() = default;

QWidget* SolvePage::BuildControls() {
  auto* controls = new QWidget;
  controls->setFixedWidth(340);
  auto* layout = new QVBoxLayout(controls);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* form = new QFormLayout;
  FillLeverBox(*lever_);
  FillLeverBox(*frontierLever_, true);
  FillMetricBox(*metric_);
  frontierFrom_->setPlaceholderText("around the plan's");
  frontierTo_->setPlaceholderText("sixteen values");
  metric_->setToolTip("With the odds, sensitivity shows the share of trials that never took new debt.");
  target_->addItems({"Never take new debt", "Never borrow (no home equity either)", "Net worth at an age"});
  targetAge_->setRange(0, 120);
  targetAmount_->setRange(0, 2000000000);
  targetAmount_->setSingleStep(10000);
  targetAmount_->setPrefix("$");
  targetAmount_->setGroupSeparatorShown(true);
  oddsPercent_->setRange(1, 100);
  oddsPercent_->setValue(90);
  oddsPercent_->setSuffix(" % of the trials");
  form->addRow("&Lever:", lever_);
  form->addRow("&Target:", target_);
  form->addRow("At &age:", targetAge_);
  form->addRow("At lea&st:", targetAmount_);
  form->addRow(useOdds_);
  form->addRow("&In:", oddsPercent_);
  form->addRow("Frontier alon&g:", frontierLever_);
  auto* range = new QHBoxLayout;
  range->addWidget(frontierFrom_);
  range->addWidget(new QLabel("to"));
  range->addWidget(frontierTo_);
  auto* fromLabel = new QLabel("Fro&m:");
  fromLabel->setBuddy(frontierFrom_);
  form->addRow(fromLabel, range);
  form->addRow("Sensitivity &by:", metric_);
  const auto netWorthShown = [this] {
    targetAge_->setEnabled(target_->currentIndex() == 2);
    targetAmount_->setEnabled(target_->currentIndex() == 2);
  };
  connect(target_, &QComboBox::currentIndexChanged, this, netWorthShown);
  connect(useOdds_, &QCheckBox::toggled, this, [this] { SetRunning(IsRunning()); });
  netWorthShown();
  oddsPercent_->setEnabled(false);
  layout->addLayout(form);
  progress_->setRange(0, 0);
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

QWidget* SolvePage::BuildResults() {
  auto* results = new QWidget;
  auto* layout = new QVBoxLayout(results);
  layout->setContentsMargins(0, 0, 0, 0);
  QFont large = answer_->font();
  large.setPointSizeF(large.pointSizeF() * 1.8);
  large.setBold(true);
  answer_->setFont(large);
  for (QLabel* label : {answer_, proof_, status_}) {
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  }
  frontierChart_->setMinimumHeight(200);
  sensitivityChart_->setMinimumHeight(260);
  sensitivityChart_->setFocusPolicy(Qt::StrongFocus);
  sensitivityChart_->setToolTip("Up and Down choose an input, Enter opens its page; a click does both.");
  sensitivityChart_->installEventFilter(this);
  layout->addWidget(answer_);
  layout->addWidget(proof_);
  layout->addWidget(frontierChart_, 2);
  layout->addWidget(sensitivityChart_, 3);
  return results;
}

void SolvePage::BuildMenu() {
  QMenu* solve = MenuBar()->addMenu("&Solve");
  solve->setObjectName("SolveMenu");
  AddMenuCommand(solve, "&Run", "RunSolve", [this] { RunClicked(); })->setShortcut(QKeySequence(Qt::Key_F5));
  AddMenuCommand(solve, "&Apply to the Plan", "ApplySolve", [this] { ApplyClicked(); });
  AddMenuCommand(solve, "&Frontier", "FrontierSolve", [this] { FrontierClicked(); });
  AddMenuCommand(solve, "&Sensitivity", "SensitivitySolve", [this] { SensitivityClicked(); });
  solve->addSeparator();
  AddMenuCommand(solve, "&Close", "CloseSolve", [this] { CloseClicked(); });
  AddWindowMenu(MenuBar(), *this, WindowMenuOptions{kSolveHelpContext});
}

QWidget* SolvePage::FirstFocus() const { return lever_; }

void SolvePage::Refresh() {
  SetCaptionTitle(kCaptionTitle);
  const PageId from = session_.LastPageLeft;
  if (from == PageId::Graph || from == PageId::PlanTable) origin_ = from;
  if (targetAge_->value() == 0) targetAge_->setValue(std::min(90, std::max(65, session_.plan.Age1)));
  // An answer belongs to the plan it was found for.
  if (result_ && !(resultPlan_ == session_.plan)) {
    result_.reset();
    answer_->setText("The plan has changed since the last run. " + QString(kPrompt));
    proof_->clear();
  }
  SetRunning(IsRunning());
}

std::optional<SolveRequest> SolvePage::RequestFromForm() {
  std::string error;
  const std::optional<Lever> lever = LeverOfBox(*lever_, error);
  if (!lever) {
    ShowError(Text(error));
    return std::nullopt;
  }
  SolveRequest request(*lever, Target{});
  request.rules = session_.Rules;
  if (target_->currentIndex() == 1) request.target.kind = TargetKind::NeverBorrow;
  if (target_->currentIndex() == 2) request.target = {TargetKind::NetWorthAt, targetAge_->value(), targetAmount_->value()};
  if (useOdds_->isChecked()) {
    const OddsSettings settings = LoadOddsSettings(platform_.settings);
    const OddsModelBuild build = BuildOddsModel(session_.plan, settings);
    if (!build.model) {
      ShowError(build.error);
      return std::nullopt;
    }
    SolveOdds odds;
    odds.percentHundredths = oddsPercent_->value() * 100;
    odds.threads = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMaxOddsThreads);
    odds.model = [settings, base = build.model, plan = session_.plan](const PlanRecord& moved) {
      // The levers do not move the rates, so the base plan's model serves unless the plan differs in them.
      return moved == plan ? base : BuildOddsModel(moved, settings).model;
    };
    request.odds = odds;
  }
  if (const std::string problem = SolveRequestProblem(session_.plan, request); !problem.empty()) {
    ShowError(Text(problem));
    return std::nullopt;
  }
  return request;
}

void SolvePage::Start(SolveJob::Work work, std::function<void()> show) {
  show_ = std::move(show);
  job_ = std::make_unique<SolveJob>(std::move(work));
  connect(job_.get(), &SolveJob::Progress, this,
          [this](qint64 forecasts) { status_->setText(QString("%L1 forecasts run").arg(forecasts)); });
  connect(job_.get(), &SolveJob::Finished, this, &SolvePage::JobFinished);
  status_->setText("Starting...");
  SetRunning(true);
  job_->Start();
}

void SolvePage::RunClicked() {
  if (IsRunning()) return;
  std::optional<SolveRequest> request = RequestFromForm();
  if (!request) return;
  request_ = request;
  answer_->setText("Searching...");
  proof_->clear();
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
  const std::optional<FrontierRequest> request =
      FrontierOfForm(*frontierLever_, *frontierFrom_, *frontierTo_, *solve, session_.plan, error);
  if (!request) {
    ShowError(Text(error));
    return;
  }
  const PlanRecord plan = session_.plan;
  const auto frontier = std::make_shared<FrontierResult>();
  Start([frontier, plan, request = *request](const SolveControl& control) {
          *frontier = RunFrontier(plan, request, control);
        },
        [this, frontier, request = *request] { ShowFrontier(request, *frontier); });
}

void SolvePage::SensitivityClicked() {
  if (IsRunning()) return;
  std::optional<SolveRequest> form = RequestFromForm();
  if (!form) return;
  SensitivityRequest request;
  request.odds = form->odds;
  request.metric = MetricOfBox(*metric_);
  request.metric.rules = session_.Rules;
  const auto result = std::make_shared<SensitivityResult>();
  const PlanRecord plan = session_.plan;
  Start([result, plan, request](const SolveControl& control) { *result = RunSensitivity(plan, request, control); },
        [this, result] { ShowSensitivity(*result); });
}

// Dropping the job stops it and waits the moments its threads need to notice.
void SolvePage::CancelClicked() {
  if (!IsRunning()) return;
  job_.reset();
  show_ = nullptr;
  status_->setText("Cancelled.");
  SetRunning(false);
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
  const SolveRequest& request = *request_;
  status_->setText(QString("%L1 forecasts run in %2 s").arg(result.forecasts).arg(result.seconds, 0, 'f', 2));
  if (result.status == SolveStatus::Solved) {
    answer_->setText(Text(AnswerLine(request, result)));
    proof_->setText("Target: " + Text(TargetLine(request)) + ".\nProof: " + Text(ProofLine(request, result)) + ".");
  } else {
    answer_->setText("No answer");
    proof_->setText(Text(result.reason) + ".");
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
  proof_->setText(proof_->text() + "\nApplied to the plan: " + Text(LeverWords(request_->lever)) + " now " +
                  Text(LeverValueText(request_->lever, result_->answer.value)) + ". Save writes it to the file.");
  result_.reset();
  SetRunning(false);
}

void SolvePage::ShowFrontier(const FrontierRequest& request, const FrontierResult& frontier) {
  std::vector<FrontierChartPoint> points;
  std::optional<FrontierChartPoint> plan;
  const auto number = [](const Lever& lever, std::int64_t value) {
    return UnitOf(lever) == LeverUnit::Percent ? value / 100.0 : static_cast<double>(value);
  };
  for (const FrontierPoint& point : frontier.points) {
    if (point.result.status != SolveStatus::Solved) continue;
    const FrontierChartPoint shown{number(request.along, point.value),
                                   number(request.solve.lever, point.result.answer.value)};
    points.push_back(shown);
    if (point.value == frontier.planValue) plan = shown;
  }
  const QString along = request.along.name.empty() ? QString() : Text(LeverWords(request.along));
  const QString solved = request.solve.lever.name.empty() ? QString() : Text(LeverWords(request.solve.lever));
  frontierChart_->SetDrawer([points, plan, along, solved](QPainter& painter, const QRect& area) {
    DrawFrontierChart(painter, area.adjusted(0, 0, -1, -1), points, plan, along, solved);
  });
  frontierChart_->setAccessibleDescription(
      points.empty() ? QString() : QString("%1 against %2, %3 points").arg(solved, along).arg(points.size()));
  if (!frontier.points.empty()) {
    status_->setText(QString("Frontier: %L1 forecasts run in %2 s").arg(frontier.forecasts).arg(frontier.seconds, 0, 'f', 2));
  }
}

void SolvePage::ShowSensitivity(const SensitivityResult& result) {
  bars_.clear();
  barLines_.clear();
  for (const SensitivityRow& row : result.rows) {
    if (static_cast<int>(bars_.size()) == kShownBars || row.Swing() == 0.0) break;
    const PlanFieldLabel& label = PlanFieldLabels()[static_cast<std::size_t>(row.input.line)];
    // The section tells apart the two persons' boxes of the same words.
    const QString where = *label.section ? label.section : label.page;
    bars_.push_back({QString("%1 (%2)").arg(QString(label.words).trimmed(), where), row.changeDown, row.changeUp});
    barLines_.push_back(row.input.line);
  }
  if (!result.rows.empty()) {
    status_->setText(QString("Sensitivity: %L1 forecasts run in %2 s; orange one step down, blue one step up")
                         .arg(result.forecasts)
                         .arg(result.seconds, 0, 'f', 2));
  }
  SelectBar(bars_.empty() ? -1 : 0);
}

void SolvePage::SelectBar(int bar) {
  selectedBar_ = bar;
  const std::vector<SensitivityBar> bars = bars_;
  sensitivityChart_->SetDrawer([bars, bar](QPainter& painter, const QRect& area) {
    DrawSensitivityBars(painter, area.adjusted(0, 0, -1, -1), bars, bar);
  });
  sensitivityChart_->setAccessibleDescription(bar >= 0 ? bars_[static_cast<std::size_t>(bar)].label : QString());
}

void SolvePage::OpenInputOfBar(int bar) {
  if (bar < 0 || bar >= static_cast<int>(barLines_.size())) return;
  if (const std::optional<PageId> page = PageOfField(barLines_[static_cast<std::size_t>(bar)])) GoTo(*page);
}

bool SolvePage::eventFilter(QObject* watched, QEvent* event) {
  if (watched != sensitivityChart_) return Page::eventFilter(watched, event);
  if (event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const int bar = SensitivityBarAt(sensitivityChart_->rect(), static_cast<int>(bars_.size()), mouse->pos().y());
    SelectBar(bar);
    OpenInputOfBar(bar);
    return true;
  }
  if (event->type() == QEvent::KeyPress && !bars_.empty()) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    const int last = static_cast<int>(bars_.size()) - 1;
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      SelectBar(std::clamp(selectedBar_ + (key == Qt::Key_Down ? 1 : -1), 0, last));
      return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      OpenInputOfBar(selectedBar_);
      return true;
    }
  }
  return Page::eventFilter(watched, event);
}

void SolvePage::SetRunning(bool running) {
  for (QWidget* control : std::initializer_list<QWidget*>{lever_, target_, useOdds_, run_, frontier_, sensitivity_,
                                                          frontierLever_, frontierFrom_, frontierTo_}) {
    control->setEnabled(!running);
  }
  // With the odds, sensitivity measures the share of trials without new debt.
  metric_->setEnabled(!running && !useOdds_->isChecked());
  oddsPercent_->setEnabled(!running && useOdds_->isChecked());
  targetAge_->setEnabled(!running && target_->currentIndex() == 2);
  targetAmount_->setEnabled(!running && target_->currentIndex() == 2);
  cancel_->setEnabled(running);
  progress_->setVisible(running);
  apply_->setEnabled(!running && result_ && result_->status == SolveStatus::Solved);
  if (running) {
    cancel_->setFocus();
  } else if (cancel_->hasFocus()) {
    run_->setFocus();
  }
}

void SolvePage::CloseClicked() { GoTo(origin_); }

void SolvePage::Hidden() {
  job_.reset();
  show_ = nullptr;
  SetRunning(false);
}

void SolvePage::CloseRequested() { CloseClicked(); }
