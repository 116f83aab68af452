#pragma once

#include <QDialog>
#include <functional>

#include "model/PlanRecord.h"
#include "odds/OddsRunner.h"
#include "views/YearColumns.h"

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

  // Offers "Why this number?" on the table's cells (right-click, or Ctrl+E as
  // on the plan page): `explain` gets the current cell's field, its forecast
  // year (1 = the current year) and whether today's dollars are shown.
  using Explainer = std::function<void(YearField field, int year, bool todaysDollars)>;
  void OfferExplanations(Explainer explain);
  void ExplainCurrentCell();

 private:
  void ShowTable();

  PlanRecord plan_;
  TrialReplay replay_;
  SettingsStore& settings_;
  YearGrid* grid_;
  QCheckBox* todaysDollars_;
  Explainer explain_;
};
