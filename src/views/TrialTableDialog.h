#pragma once

#include <QDialog>

#include "odds/OddsRunner.h"
#include "shell/Session.h"

class QCheckBox;
class QTableWidget;

// One trial's year table, read-only, laid out like the plan page, in each
// year's own dollars or (ticked) today's dollars along the trial's inflation.
class TrialTableDialog : public QDialog {
  Q_OBJECT

 public:
  TrialTableDialog(const PlanRecord& plan, const TrialReplay& replay, const QString& title, QWidget* parent = nullptr);

  QTableWidget* Grid() const { return grid_; }
  QCheckBox* TodaysDollars() const { return todaysDollars_; }

 private:
  void ShowTable();

  // The grid code reads a session; this one holds the trial instead of the plan's forecast.
  Session trial_;
  TrialReplay replay_;
  QTableWidget* grid_;
  QCheckBox* todaysDollars_;
};
