#pragma once

#include "shell/Page.h"

class QAction;
class QTableWidget;

// The plan page: the forecast as a read-only grid, one row per year of the
// first person's age, in the dollar view shared with the graph page.
class Tf2plan : public Page {
  Q_OBJECT

 public:
  Tf2plan(Session& session, Platform& platform, Navigator& navigator, QWidget* parent = nullptr);

  bool IsResizable() const override { return true; }
  QSize PageSize() const override;
  QSize MinimumPageSize() const override;
  void PageResized(QSize size) override;

  // Brings the page up to date; re-runs the forecast unless the user came
  // from the graph page, which leaves the table as it showed it.
  void ShowPlanPage();

  void New1Click();
  void Open1Click();
  void Save1Click();
  void PrintPlan1Click();
  void Exit1Click();
  void Curr1Click();
  void CopySelection1Click();
  void CopyAll1Click();

 protected:
  void Refresh() override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildMenus();
  void ShowPlanPage(bool runForecast);
  void UpdateDollarsItem();
  void SaveSettings();
  QSize HeldSize(QSize size) const;

  QTableWidget* sgrid_;
  QAction* curr1_ = nullptr;
};
