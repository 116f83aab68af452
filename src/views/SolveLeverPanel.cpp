#include "views/SolveLeverPanel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "views/NamedWidget.h"
#include "views/SolveChoiceBoxes.h"

SolveLeverPanel::SolveLeverPanel(QWidget* parent)
    : QWidget(parent),
      lever_(Named(new QComboBox, "SolveLever", "Lever")),
      frontierLever_(Named(new QComboBox, "SolveFrontierLever", "Frontier along")),
      frontierFrom_(Named(new QLineEdit, "SolveFrontierFrom", "Frontier from")),
      frontierTo_(Named(new QLineEdit, "SolveFrontierTo", "Frontier to")),
      metric_(Named(new QComboBox, "SolveMetric", "Sensitivity figure")) {
  FillLeverBox(*lever_);
  FillLeverBox(*frontierLever_, true);
  FillMetricBox(*metric_);
  frontierFrom_->setPlaceholderText("around the plan's");
  frontierTo_->setPlaceholderText("sixteen values");
  metric_->setToolTip("With the odds, sensitivity shows the share of trials that meet the target.");
  auto* form = new QFormLayout(this);
  form->setContentsMargins(0, 0, 0, 0);
  form->addRow("&Lever:", lever_);
  form->addRow("Frontier alon&g:", frontierLever_);
  auto* range = new QHBoxLayout;
  range->addWidget(frontierFrom_);
  range->addWidget(new QLabel("to"));
  range->addWidget(frontierTo_);
  auto* fromLabel = new QLabel("Fro&m:");
  fromLabel->setBuddy(frontierFrom_);
  form->addRow(fromLabel, range);
  form->addRow("Sensitivity &by:", metric_);
  connect(lever_, &QComboBox::currentIndexChanged, this, &SolveLeverPanel::LeverChanged);
}

std::optional<Lever> SolveLeverPanel::Chosen(std::string& error) const { return LeverOfBox(*lever_, error); }

std::optional<FrontierRequest> SolveLeverPanel::FrontierOf(const SolveRequest& solve, const PlanRecord& plan,
                                                           std::string& error) const {
  return FrontierOfForm(*frontierLever_, *frontierFrom_, *frontierTo_, solve, plan, error);
}

ComparisonMetric SolveLeverPanel::Metric() const { return MetricOfBox(*metric_); }

QWidget* SolveLeverPanel::FirstFocus() const { return lever_; }

void SolveLeverPanel::SetBusy(bool busy, bool withOdds) {
  for (QWidget* control : std::initializer_list<QWidget*>{lever_, frontierLever_, frontierFrom_, frontierTo_}) {
    control->setEnabled(!busy);
  }
  metric_->setEnabled(!busy && !withOdds);
}
