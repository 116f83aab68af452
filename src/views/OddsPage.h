#pragma once

#include <QPointer>
#include <memory>

#include "odds/OddsResult.h"
#include "odds/PathModel.h"
#include "shell/Page.h"

class ChartView;
class BackgroundJob;
class OddsSettingsForm;
class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class TrialTableDialog;

// The odds of the plan: many market paths (or a replayed history) run in the
// background, graded by how deep their shortfalls went. Shows the headline,
// the levels as one bar, the fan of net worth, and the settings; returns to
// the page it was opened from.
class OddsPage : public Page {
  Q_OBJECT

 public:
  OddsPage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent = nullptr);
  ~OddsPage() override;

  bool IsResizable() const override { return true; }
  QSize PageSize() const override;
  QSize MinimumPageSize() const override;
  void Hidden() override;
  void CloseRequested() override;

  void RunClicked();
  void CancelClicked();
  void ShowWorstTrialClicked();
  void CloseClicked();

  bool IsRunning() const;
  // The last finished run's result, null before one or after the plan changed.
  const OddsResult* Result() const { return result_.get(); }
  // The open trial table, if any.
  TrialTableDialog* TrialTable() const;
  OddsSettingsForm* SettingsForm() const { return form_; }
  // Shown while a stress test is chosen; ticked, the Monte Carlo trials draw
  // each year around that year's stress rates instead of the plan's.
  QCheckBox* CenterOnStress() const { return centerOnStress_; }
  // The program's deflation rule, which the trials run under: ticked, spending
  // follows prices down.
  QCheckBox* DeflationFollows() const { return deflationFollows_; }

 protected:
  void Refresh() override;

 private:
  void BuildMenu();
  QWidget* BuildResults();
  QWidget* BuildControls();
  void RunFinished(bool cancelled, const QString& error);
  void ShowProgress(int done, int total);
  void SetRunning(bool running);
  void ShowResult();
  void ClearResult(const QString& note);
  void EscapePressed();
  void ShowCenterChoice();
  void DeflationToggled(bool follows);
  // A result run on another plan or other rules than the session's is cleared.
  void ClearIfStale();

  PageId origin_ = PageId::Graph;
  std::unique_ptr<BackgroundJob> run_;
  // What the running trials work on, and where their result goes.
  PlanRecord runPlan_;
  std::shared_ptr<const PathModel> runModel_;
  ForecastRules runRules_;
  std::shared_ptr<std::optional<OddsResult>> runOutcome_;
  std::shared_ptr<const OddsResult> result_;
  std::shared_ptr<const PathModel> resultModel_;
  PlanRecord resultPlan_;
  ForecastRules resultRules_;

  OddsSettingsForm* form_;
  QCheckBox* centerOnStress_;
  QCheckBox* deflationFollows_;
  QString runCenter_;     // what the running trials are centered on, or empty
  QString resultCenter_;  // the same for the result shown
  QLabel* headline_;
  QLabel* details_;
  ChartView* levelBar_;
  ChartView* fanChart_;
  QProgressBar* progress_;
  QPushButton* runButton_;
  QPushButton* cancel_;
  QPushButton* worst_;
  QPushButton* close_;
  QAction* runItem_ = nullptr;
  QAction* worstItem_ = nullptr;
  QPointer<TrialTableDialog> trialTable_;
};
