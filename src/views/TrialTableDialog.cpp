#include "views/TrialTableDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "odds/TrialForecast.h"
#include "views/ExplainCommands.h"
#include "views/YearColumnMenu.h"
#include "views/YearGrid.h"

TrialTableDialog::TrialTableDialog(const PlanRecord& plan, const TrialReplay& replay, const QString& title,
                                   SettingsStore& settings, QWidget* parent)
    : QDialog(parent),
      plan_(plan),
      replay_(replay),
      settings_(settings),
      grid_(new YearGrid(this)),
      todaysDollars_(new QCheckBox("&Today's dollars", this)) {
  setObjectName("TrialTableDialog");
  setWindowTitle(title);
  grid_->setAccessibleName("Year table of the trial");
  todaysDollars_->setObjectName("TrialTodaysDollars");
  auto* columns = new QPushButton("Co&lumns", this);
  columns->setObjectName("TrialColumns");
  columns->setMenu(NewYearColumnMenu(this, settings_, [this] { ShowTable(); }));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setText("&Close");
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(todaysDollars_, &QCheckBox::toggled, this, &TrialTableDialog::ShowTable);

  auto* layout = new QVBoxLayout(this);
  auto* caption = new QLabel(title, this);
  caption->setObjectName("TrialTitle");
  layout->addWidget(caption);
  layout->addWidget(grid_, 1);
  auto* options = new QHBoxLayout;
  options->addWidget(todaysDollars_);
  options->addStretch(1);
  options->addWidget(columns);
  layout->addLayout(options);
  layout->addWidget(buttons);
  ShowTable();
  // As wide as the table, within the screen.
  const int screenWidth = screen() ? screen()->availableGeometry().width() : 900;
  resize(std::min(std::max(900, grid_->FullWidth() + 24), std::max(900, screenWidth - 40)), 560);
}

void TrialTableDialog::ShowTable() {
  grid_->SetColumns(YearTableColumns(plan_.SecondPerson, RememberedYearFields(settings_)));
  grid_->ShowYears(plan_, todaysDollars_->isChecked() ? replay_.currentTable : replay_.table);
}

void TrialTableDialog::OfferExplanations(Explainer explain) {
  if (!explain_) AddWhyThisNumber(grid_, [this] { ExplainCurrentCell(); });
  explain_ = std::move(explain);
}

void TrialTableDialog::ExplainCurrentCell() {
  const int row = grid_->currentRow();
  const YearField field = grid_->FieldAt(grid_->currentColumn());
  if (explain_ && row >= 0 && field != nullptr) explain_(field, row + 1, todaysDollars_->isChecked());
}
