#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "shell/Page.h"
#include "solve/Frontier.h"
#include "solve/Sensitivity.h"
#include "solve/Solver.h"
#include "views/SolveCharts.h"
#include "views/BackgroundJob.h"
#include "views/SolvePrinting.h"

class ChartView;
class QLabel;
class QProgressBar;
class QPushButton;
class SolveAnswerPanel;
class SolveChartsPanel;
class SolveLeverPanel;
class SolveTargetPanel;

// Answers for the plan: the best spending, retirement age or savings for a
// target, proved by its neighbour; Apply puts the answer into the plan. A
// frontier along a second lever and the inputs that matter most, as charts.
// Work runs in the background with Cancel; returns to the page it came from.
class SolvePage : public Page {
  Q_OBJECT

 public:
  SolvePage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent = nullptr);
  ~SolvePage() override;

  bool IsResizable() const override { return true; }
  QSize PageSize() const override { return {1120, 760}; }
  QSize MinimumPageSize() const override { return {940, 640}; }
  QWidget* FirstFocus() const override;
  void Hidden() override;
  void CloseRequested() override;

  void RunClicked();
  void CancelClicked();
  void ApplyClicked();
  void FrontierClicked();
  void SensitivityClicked();
  void CloseClicked();
  // Escape: cancels a search, also one a button is about to start; else closes.
  void EscapePressed();

  bool IsRunning() const { return job_ != nullptr; }
  const std::optional<SolveResult>& Result() const { return result_; }
  const std::vector<SensitivityBar>& Bars() const;
  ChartView* FrontierChart() const;
  ChartView* SensitivityChart() const;
  QString FrontierNote() const;

 protected:
  void Refresh() override;

 private:
  QWidget* BuildControls();
  void BuildMenu();
  std::optional<SolveRequest> RequestFromForm();
  // Runs `work` in the background, then `show` on its result.
  void Start(std::function<void(const SolveControl&)> work, std::function<void()> show);
  void JobFinished(bool cancelled, const QString& error);
  void SetRunning(bool running);
  void ShowAnswer();
  bool StartPending() const;
  std::optional<ResultPrintout> Printout() const;

  PageId origin_ = PageId::Graph;
  std::unique_ptr<BackgroundJob> job_;
  std::function<void()> show_;
  std::optional<SolveRequest> request_;
  std::optional<SolveResult> result_;
  PlanRecord resultPlan_;
  // The plan the charts were drawn for: a chart never stands under another plan's answer.
  std::optional<PlanRecord> chartsPlan_;
  // The frontier and sensitivity the charts show, for printing and export.
  SolveShown shownCharts_;
  bool startCancelled_ = false;

  SolveLeverPanel* levers_;
  SolveTargetPanel* target_;
  SolveAnswerPanel* answer_;
  SolveChartsPanel* charts_;
  QLabel* status_;
  QProgressBar* progress_;
  QPushButton* run_;
  QPushButton* cancel_;
  QPushButton* apply_;
  QPushButton* frontier_;
  QPushButton* sensitivity_;
  QPushButton* close_;
};
