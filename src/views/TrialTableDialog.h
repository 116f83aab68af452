#pragma once

#include <QDialog>

#include "model/PlanRecord.h"
#include "odds/OddsRunner.h"

class QCheckBox;
class SettingsStore;
class YearGrid;

// One trial's year table, read-only, laid out like the plan page (with the
// fields chosen there or here), in each year's own dollars or (ticked)
// today's dollars along the trial's inflation.
class TrialTableDialog : public QDialog {
  Q_OBJECT

 public:
  TrialTableDialog(const PlanRecord& plan, const TrialReplay& replay, const QString& title, SettingsStore& settings,
                   QWidget* parent = nullptr);

  YearGrid* Grid() const { return grid_; }
  QCheckBox* TodaysDollars() const { return todaysDollars_; }

 private:
  void ShowTable();

  PlanRecord plan_;
  TrialReplay replay_;
  SettingsStore& settings_;
  YearGrid* grid_;
  QCheckBox* todaysDollars_;
};
