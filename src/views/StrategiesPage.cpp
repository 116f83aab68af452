#include "views/StrategiesPage.h"

#include <QAction>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "model/NumberFormat.h"
#include "odds/MonteCarloModel.h"
#include "odds/OddsRunner.h"
#include "shell/DocumentedKeys.h"
#include "shell/PageMenus.h"
#include "solve/StrategyText.h"
#include "views/BackgroundJob.h"
#include "views/NamedWidget.h"

namespace {

constexpr int kStrategiesHelpContext = 2800;
const char* const kCaptionTitle = "Strategies Page [ ";
const char* const kNoRunYet = "Press Run to rank the strategies of the plan.";
// Trials a row runs for the odds measure when the box says none.
constexpr int kDefaultTrials = 1000;
const QStringList kColumns = {"Rank",    "Strategy", "Lifetime taxes", "After-tax net worth",
                              "Borrows", "Spending/year", "Savings last"};
constexpr StrategyMeasure kMeasures[] = {StrategyMeasure::AfterTaxNetWorth, StrategyMeasure::LifetimeTaxes,
                                         StrategyMeasure::Spending, StrategyMeasure::Odds};

QPushButton* Button(const QString& caption, const QString& name, const QString& accessibleName) {
  return Named(new QPushButton(caption), name, accessibleName);
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

StrategiesPage::StrategiesPage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent)
    : Page(PageId::Strategies, session, platform, navigator, parent),
      measure_(new QComboBox),
      trials_(new QSpinBox),
      table_(new QTableWidget(0, static_cast<int>(kColumns.size()))),
      status_(new QLabel(kNoRunYet)),
      progress_(new QProgressBar),
      runButton_(Button("&Run", "StrategiesRun", "Run the strategy table")),
      cancel_(Button("C&ancel", "StrategiesCancel", "Cancel the run")),
      apply_(Button("A&pply to the plan", "StrategiesApply", "Apply the chosen strategy to the plan")),
      close_(Button("Clos&e", "StrategiesClose", "Close the strategies page")) {
  setObjectName("StrategiesPage");
  SetHelpContext(kStrategiesHelpContext);
  auto* layout = new QVBoxLayout(Content());
  layout->addWidget(BuildControls());
  table_->setObjectName("StrategiesTable");
  table_->setAccessibleName("Strategies, best first");
  table_->setHorizontalHeaderLabels(kColumns);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  layout->addWidget(table_, 1);
  status_->setObjectName("StrategiesStatus");
  status_->setWordWrap(true);
  layout->addWidget(status_);
  BuildMenu();
  connect(runButton_, &QPushButton::clicked, this, &StrategiesPage::RunClicked);
  connect(cancel_, &QPushButton::clicked, this, &StrategiesPage::CancelClicked);
  connect(apply_, &QPushButton::clicked, this, &StrategiesPage::ApplyClicked);
  connect(close_, &QPushButton::clicked, this, &StrategiesPage::CloseClicked);
  connect(table_, &QTableWidget::itemSelectionChanged, this, [this] { SetRunning(IsRunning()); });
  connect(table_, &QTableWidget::cellDoubleClicked, this, [this] { ApplyClicked(); });
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setObjectName("Escape");
  DescribeKey(escape, "close the strategies page (stopping a run first)");
  connect(escape, &QShortcut::activated, this, &StrategiesPage::EscapePressed);
  SetCaptionTitle(kCaptionTitle);
  ClearTable(kNoRunYet);
}

StrategiesPage::~StrategiesPage() = default;

void StrategiesPage::BuildMenu() {
  QMenu* menu = MenuBar()->addMenu("&Strategies");
  menu->setObjectName("StrategiesMenu");
  runItem_ = AddMenuCommand(menu, "&Run", "RunStrategies", [this] { RunClicked(); });
  runItem_->setShortcut(QKeySequence(Qt::Key_F5));
  DescribeKey(runItem_, "run the strategy table");
  applyItem_ = AddMenuCommand(menu, "&Apply to the Plan", "ApplyStrategy", [this] { ApplyClicked(); });
  QAction* copy = AddMenuCommand(menu, "Cop&y", "CopyStrategies", [this] { CopyClicked(); });
  copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  DescribeKey(copy, "copy the strategy table as CSV");
  menu->addSeparator();
  AddMenuCommand(menu, "&Close", "CloseStrategies", [this] { CloseClicked(); });
  AddWindowMenu(MenuBar(), *this, WindowMenuOptions{kStrategiesHelpContext});
}

QWidget* StrategiesPage::BuildControls() {
  auto* controls = new QWidget;
  auto* row = new QHBoxLayout(controls);
  row->setContentsMargins(0, 0, 0, 0);
  auto* form = new QFormLayout;
  measure_->setObjectName("StrategyMeasure");
  for (const StrategyMeasure measure : kMeasures) measure_->addItem(Text(StrategyMeasureWords(measure)));
  form->addRow("Rank &by:", measure_);
  trials_->setObjectName("StrategyTrials");
  trials_->setRange(0, 100000);
  trials_->setSingleStep(100);
  trials_->setSpecialValueText("none");
  trials_->setToolTip("Monte Carlo trials for each strategy; none leaves the odds out (the odds measure takes 1,000).");
  form->addRow("Odds &trials:", trials_);
  row->addLayout(form, 1);
  progress_->setObjectName("StrategiesProgress");
  progress_->setFormat("%v of %m strategies");
  for (QWidget* widget : std::initializer_list<QWidget*>{progress_, runButton_, cancel_, apply_, close_})
    row->addWidget(widget);
  return controls;
}

void StrategiesPage::Refresh() {
  SetCaptionTitle(kCaptionTitle);
  const PageId from = session_.LastPageLeft;
  if (from == PageId::Graph || from == PageId::PlanTable) origin_ = from;
  // A table belongs to the plan it ran on.
  if (result_ && (!(resultPlan_ == session_.plan) || resultRules_ != session_.Rules))
    ClearTable("The plan has changed since the last run. " + QString(kNoRunYet));
}

void StrategiesPage::RunClicked() {
  if (IsRunning()) return;
  StrategyRequest request;
  request.measure = kMeasures[measure_->currentIndex()];
  request.rules = session_.Rules;
  request.threads = OddsThreads();
  int trials = trials_->value();
  if (trials == 0 && request.measure == StrategyMeasure::Odds) trials = kDefaultTrials;
  if (trials > 0) {
    MonteCarloSettings settings;
    settings.trials = trials;
    request.odds = std::make_shared<MonteCarloModel>(session_.plan, settings);
  }
  runPlan_ = session_.plan;
  runRequest_ = request;
  runOutcome_ = std::make_shared<std::optional<StrategyTableResult>>();
  run_ = std::make_unique<BackgroundJob>(
      [plan = runPlan_, request, outcome = runOutcome_](const std::atomic<bool>& cancel,
                                                        const BackgroundJob::Report& report) {
        StrategyControl control;
        control.cancel = &cancel;
        control.progress = [&report](int done, int total) { report(done, total); };
        *outcome = RunStrategyTable(plan, request, control);
      },
      "strategy table");
  connect(run_.get(), &BackgroundJob::Progress, this, [this](qint64 done, qint64 total) {
    progress_->setRange(0, static_cast<int>(total));
    progress_->setValue(static_cast<int>(done));
  });
  connect(run_.get(), &BackgroundJob::Finished, this, &StrategiesPage::RunFinished);
  progress_->setRange(0, static_cast<int>(StrategySet(runPlan_).size()));
  progress_->setValue(0);
  status_->setText("Running the strategies...");
  SetRunning(true);
  run_->Start();
}

// Dropping the run stops it and waits for its thread; its rows are discarded.
void StrategiesPage::CancelClicked() {
  if (!IsRunning()) return;
  run_.reset();
  SetRunning(false);
  status_->setText(result_ ? "The run was cancelled; the table is that of the run before it."
                           : "Cancelled. " + QString(kNoRunYet));
}

void StrategiesPage::RunFinished(bool cancelled, const QString& error) {
  if (!run_ || sender() != run_.get()) return;
  run_.release()->deleteLater();
  SetRunning(false);
  if (!error.isEmpty()) ShowError(error);
  if (cancelled || !error.isEmpty() || !*runOutcome_ || (*runOutcome_)->cancelled) return;
  result_ = std::move(**runOutcome_);
  resultPlan_ = runPlan_;
  resultRules_ = runRequest_.rules;
  resultRequest_ = runRequest_;
  ShowTable();
}

void StrategiesPage::ShowTable() {
  const std::vector<StrategyRow>& rows = result_->rows;
  table_->setRowCount(static_cast<int>(rows.size()));
  int own = 0;
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const StrategyRow& row = rows[static_cast<std::size_t>(r)];
    const QString cells[] = {(row.planOwn ? "* " : "") + QString::number(row.rank),
                             Text(StrategyWords(row.strategy, resultPlan_)) + (row.planOwn ? " (the plan)" : ""),
                             Text(FormatDollars(row.lifetimeTaxes)),
                             Text(FormatDollars(row.afterTaxNetWorth)),
                             Text(BorrowYearText(row)),
                             Text(SpendingText(row)),
                             Text(SavingsLastedText(row))};
    for (int c = 0; c < static_cast<int>(std::size(cells)); ++c) {
      auto* item = new QTableWidgetItem(cells[c]);
      QFont font = item->font();
      font.setBold(row.planOwn);
      item->setFont(font);
      if (c != 1) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table_->setItem(r, c, item);
    }
    if (row.planOwn) own = r;
  }
  // Figures the run did not ask for take no room.
  table_->setColumnHidden(5, !resultRequest_.spending && resultRequest_.measure != StrategyMeasure::Spending);
  table_->setColumnHidden(6, !resultRequest_.odds);
  table_->resizeColumnsToContents();
  table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  table_->selectRow(0);
  table_->setFocus();
  status_->setText(QString("Ranked by %1. The plan's own strategy is marked * (rank %2). %3 strategies, %4 forecasts.")
                       .arg(Text(StrategyMeasureWords(resultRequest_.measure)))
                       .arg(own + 1)
                       .arg(rows.size())
                       .arg(result_->forecasts));
  SetRunning(false);
}

void StrategiesPage::ClearTable(const QString& note) {
  result_.reset();
  table_->setRowCount(0);
  status_->setText(note);
  SetRunning(IsRunning());
}

void StrategiesPage::ApplyClicked() {
  const int r = table_->currentRow();
  if (IsRunning() || !result_ || r < 0 || r >= static_cast<int>(result_->rows.size()) ||
      !(resultPlan_ == session_.plan))
    return;
  const StrategyRow& row = result_->rows[static_cast<std::size_t>(r)];
  const QString words = Text(StrategyWords(row.strategy, resultPlan_));
  ApplyStrategy(row.strategy, session_.plan);
  session_.RunForecastForView();
  // The window marks the plan as changed; nothing is written until Save.
  navigator_.PlanStateChanged();
  ClearTable("Applied to the plan: " + words + ". Save writes it to the file; Run ranks the strategies again.");
}

void StrategiesPage::CopyClicked() {
  if (!result_) {
    ShowError("There is no strategy table to copy yet: press Run first.");
    return;
  }
  platform_.desktop.SetClipboardText(Text(StrategyTableCsv(resultPlan_, *result_)));
}

void StrategiesPage::SetRunning(bool running) {
  for (QWidget* control : std::initializer_list<QWidget*>{measure_, trials_, runButton_}) control->setEnabled(!running);
  runItem_->setEnabled(!running);
  cancel_->setEnabled(running);
  progress_->setVisible(running);
  const bool applicable = !running && result_ && table_->currentRow() >= 0;
  apply_->setEnabled(applicable);
  applyItem_->setEnabled(applicable);
  if (running) cancel_->setFocus();
}

// Escape stops a run first; pressed again it leaves the page.
void StrategiesPage::EscapePressed() {
  if (IsRunning()) {
    CancelClicked();
  } else {
    CloseClicked();
  }
}

void StrategiesPage::CloseClicked() { GoTo(origin_); }

void StrategiesPage::Hidden() {
  run_.reset();
  SetRunning(false);
}
