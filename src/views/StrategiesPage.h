#pragma once

#include <memory>
#include <optional>

#include "shell/Page.h"
#include "solve/StrategyTable.h"

class BackgroundJob;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

// The strategy table of the plan: every withdrawal order, bracket filling and
// claiming age of the set, run in the background and ranked by the chosen
// measure, the plan's own row marked. Apply takes the chosen row into the plan.
class StrategiesPage : public Page {
  Q_OBJECT

 public:
  StrategiesPage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent = nullptr);
  ~StrategiesPage() override;

  bool IsResizable() const override { return true; }
  QSize PageSize() const override { return {1100, 640}; }
  QSize MinimumPageSize() const override { return {760, 480}; }
  void Hidden() override;
  void CloseRequested() override { CloseClicked(); }

  void RunClicked();
  void CancelClicked();
  void ApplyClicked();
  void CopyClicked();
  void CloseClicked();

  bool IsRunning() const { return run_ != nullptr; }
  // The last finished table, null before one, after Apply or when the plan changed.
  const StrategyTableResult* Result() const { return result_ ? &*result_ : nullptr; }
  QTableWidget* Table() const { return table_; }
  QComboBox* MeasureBox() const { return measure_; }
  QSpinBox* TrialsBox() const { return trials_; }
  QLabel* Status() const { return status_; }

 protected:
  void Refresh() override;

 private:
  void BuildMenu();
  QWidget* BuildControls();
  void RunFinished(bool cancelled, const QString& error);
  void ShowTable();
  void ClearTable(const QString& note);
  void SetRunning(bool running);
  void EscapePressed();

  PageId origin_ = PageId::Graph;
  std::unique_ptr<BackgroundJob> run_;
  PlanRecord runPlan_;
  StrategyRequest runRequest_;
  std::shared_ptr<std::optional<StrategyTableResult>> runOutcome_;
  std::optional<StrategyTableResult> result_;
  PlanRecord resultPlan_;
  ForecastRules resultRules_;
  StrategyRequest resultRequest_;

  QComboBox* measure_;
  QSpinBox* trials_;
  QTableWidget* table_;
  QLabel* status_;
  QProgressBar* progress_;
  QPushButton* runButton_;
  QPushButton* cancel_;
  QPushButton* apply_;
  QPushButton* close_;
  QAction* runItem_ = nullptr;
  QAction* applyItem_ = nullptr;
};
