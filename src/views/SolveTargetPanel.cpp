#include "views/SolveTargetPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QSpinBox>

#include "views/NamedWidget.h"

SolveTargetPanel::SolveTargetPanel(QWidget* parent)
    : QWidget(parent),
      kind_(Named(new QComboBox, "SolveTarget", "Target")),
      age_(Named(new QSpinBox, "SolveTargetAge", "Net worth age")),
      amount_(Named(new QSpinBox, "SolveTargetAmount", "Net worth at least, today's dollars")),
      useOdds_(Named(new QCheckBox("With the &odds of the odds page"), "SolveUseOdds", "With the odds")),
      oddsPercent_(Named(new QSpinBox, "SolveOddsPercent", "Share of trials that must meet the target")) {
  kind_->addItem("Never borrow: the savings last", static_cast<int>(TargetKind::NeverBorrow));
  kind_->addItem("Never take new debt (home equity allowed)", static_cast<int>(TargetKind::NeverNewDebt));
  kind_->addItem("Net worth at an age", static_cast<int>(TargetKind::NetWorthAt));
  kind_->setToolTip("Never borrow: no borrowing against the home and no new debt in any year.");
  age_->setRange(0, 120);
  amount_->setRange(0, 2000000000);
  amount_->setSingleStep(10000);
  amount_->setPrefix("$");
  amount_->setGroupSeparatorShown(true);
  oddsPercent_->setRange(1, 100);
  oddsPercent_->setValue(90);
  oddsPercent_->setSuffix(" % of the trials");
  auto* form = new QFormLayout(this);
  form->setContentsMargins(0, 0, 0, 0);
  form->addRow("&Target:", kind_);
  form->addRow("At &age:", age_);
  form->addRow("At lea&st:", amount_);
  form->addRow(useOdds_);
  form->addRow("&In:", oddsPercent_);
  for (QSpinBox* box : {age_, amount_, oddsPercent_}) {
    connect(box, &QSpinBox::valueChanged, this, &SolveTargetPanel::Changed);
  }
  connect(kind_, &QComboBox::currentIndexChanged, this, [this] {
    Enable();
    emit Changed();
  });
  connect(useOdds_, &QCheckBox::toggled, this, [this] {
    Enable();
    emit Changed();
  });
  Enable();
}

Target SolveTargetPanel::Chosen() const {
  const auto kind = static_cast<TargetKind>(kind_->currentData().toInt());
  if (kind != TargetKind::NetWorthAt) return Target{kind};
  return {kind, age_->value(), amount_->value()};
}

bool SolveTargetPanel::WithOdds() const { return useOdds_->isChecked(); }

int SolveTargetPanel::OddsPercent() const { return oddsPercent_->value(); }

void SolveTargetPanel::SuggestAge(int age) {
  if (age_->value() == 0) age_->setValue(age);
}

void SolveTargetPanel::Choose(const Target& target) {
  kind_->setCurrentIndex(kind_->findData(static_cast<int>(target.kind)));
  if (target.kind != TargetKind::NetWorthAt) return;
  age_->setValue(static_cast<int>(target.age));
  amount_->setValue(static_cast<int>(std::min<std::int64_t>(target.amount, amount_->maximum())));
}

void SolveTargetPanel::SetBusy(bool busy) {
  busy_ = busy;
  Enable();
}

void SolveTargetPanel::Enable() {
  const bool netWorth = Chosen().kind == TargetKind::NetWorthAt;
  kind_->setEnabled(!busy_);
  useOdds_->setEnabled(!busy_);
  age_->setEnabled(!busy_ && netWorth);
  amount_->setEnabled(!busy_ && netWorth);
  oddsPercent_->setEnabled(!busy_ && useOdds_->isChecked());
}
