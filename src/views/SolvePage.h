#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "shell/Page.h"
#include "solve/Frontier.h"
#include "solve/Sensitivity.h"
#include "solve/Solver.h"
#include "views/SolveCharts.h"
#include "views/SolveJob.h"

class ChartView;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;

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
  QSize PageSize() const override { return {1040, 700}; }
  QSize MinimumPageSize() const override { return {900, 620}; }
  QWidget* FirstFocus() const override;
  void Hidden() override;
  void CloseRequested() override;

  void RunClicked();
  void CancelClicked();
  void ApplyClicked();
  void FrontierClicked();
  void SensitivityClicked();
  void CloseClicked();
  // Opens the data page of the input behind sensitivity bar `bar`.
  void OpenInputOfBar(int bar);

  bool IsRunning() const { return job_ != nullptr; }
  const std::optional<SolveResult>& Result() const { return result_; }
  const std::vector<SensitivityBar>& Bars() const { return bars_; }
  ChartView* FrontierChart() const { return frontierChart_; }
  ChartView* SensitivityChart() const { return sensitivityChart_; }

 protected:
  void Refresh() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildControls();
  QWidget* BuildResults();
  void BuildMenu();
  std::optional<SolveRequest> RequestFromForm();
  void Start(SolveJob::Work work, std::function<void()> show);
  void JobFinished(bool cancelled, const QString& error);
  void SetRunning(bool running);
  void ShowAnswer();
  void ShowFrontier(const FrontierRequest& request, const FrontierResult& frontier);
  void ShowSensitivity(const SensitivityResult& result);
  void SelectBar(int bar);

  PageId origin_ = PageId::Graph;
  std::unique_ptr<SolveJob> job_;
  std::function<void()> show_;
  std::optional<SolveRequest> request_;
  std::optional<SolveResult> result_;
  PlanRecord resultPlan_;
  std::vector<SensitivityBar> bars_;
  std::vector<int> barLines_;
  int selectedBar_ = -1;

  QComboBox* lever_;
  QComboBox* target_;
  QSpinBox* targetAge_;
  QSpinBox* targetAmount_;
  QCheckBox* useOdds_;
  QSpinBox* oddsPercent_;
  QComboBox* frontierLever_;
  QLineEdit* frontierFrom_;
  QLineEdit* frontierTo_;
  QComboBox* metric_;
  QLabel* answer_;
  QLabel* proof_;
  QLabel* status_;
  QProgressBar* progress_;
  ChartView* frontierChart_;
  ChartView* sensitivityChart_;
  QPushButton* run_;
  QPushButton* cancel_;
  QPushButton* apply_;
  QPushButton* frontier_;
  QPushButton* sensitivity_;
  QPushButton* close_;
};
