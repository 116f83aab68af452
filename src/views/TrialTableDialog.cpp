#include "views/TrialTableDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "odds/TrialForecast.h"
#include "views/PlanGrid.h"

TrialTableDialog::TrialTableDialog(const PlanRecord& plan, const TrialReplay& replay, const QString& title,
                                   QWidget* parent)
    : QDialog(parent),
      replay_(replay),
      grid_(new QTableWidget(this)),
      todaysDollars_(new QCheckBox("&Today's dollars", this)) {
  setObjectName("TrialTableDialog");
  setWindowTitle(title);
  trial_.plan = plan;
  grid_->setAccessibleName("Year table of the trial");
  todaysDollars_->setObjectName("TrialTodaysDollars");
  SetupPlanGrid(*grid_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setText("&Close");
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(todaysDollars_, &QCheckBox::toggled, this, &TrialTableDialog::ShowTable);

  auto* layout = new QVBoxLayout(this);
  auto* caption = new QLabel(title, this);
  caption->setObjectName("TrialTitle");
  layout->addWidget(caption);
  layout->addWidget(grid_, 1);
  layout->addWidget(todaysDollars_);
  layout->addWidget(buttons);
  resize(900, 560);
  ShowTable();
}

void TrialTableDialog::ShowTable() {
  trial_.CurrentDollars = todaysDollars_->isChecked();
  trial_.table = trial_.CurrentDollars ? replay_.currentTable : replay_.table;
  SetPlanRows(*grid_, trial_);
  FillPlanGrid(*grid_, trial_);
}
