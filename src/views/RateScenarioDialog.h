#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "engine/RateScenario.h"
#include "model/PlanRecord.h"

class QCheckBox;
class QDoubleSpinBox;
class QSpinBox;

// A rate scenario typed as overrides: for each market rate ticked, the first
// year, the number of years and the rate in percent, returns and growth above
// inflation unless Nominal is ticked. The boxes allow only what the forecast
// can run.
class RateScenarioDialog : public QDialog {
  Q_OBJECT

 public:
  // Starts from `current`, or from the plan's rates for ten years when empty.
  RateScenarioDialog(const PlanRecord& plan, const std::vector<RateOverride>& current, QWidget* parent = nullptr);

  // The ticked rows, in the order of the dialog.
  std::vector<RateOverride> Overrides() const;

 private:
  // The value boxes' spoken names say whether returns are above or before inflation.
  void NameValueBoxes();

  QCheckBox* nominal_;
  struct Row {
    QCheckBox* use;
    QSpinBox* firstYear;
    QSpinBox* years;
    QDoubleSpinBox* value;
  };
  std::array<Row, kRateSeries.size()> rows_{};
};
