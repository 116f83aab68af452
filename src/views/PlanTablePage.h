#pragma once

#include "render/PlanPrinting.h"
#include "views/ResultPage.h"

class YearGrid;

// The plan page: the forecast as a read-only grid, one row per year, in the
// dollar view shared with the graph page, with the fields the user chose.
class PlanTablePage : public ResultPage {
  Q_OBJECT

 public:
  PlanTablePage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent = nullptr);

  QSize PageSize() const override;
  QSize MinimumPageSize() const override;
  void PageResized(QSize size) override;
  // Arrow keys and Shift+arrows select in the grid at once.
  QWidget* FirstFocus() const override;

  // Brings the page up to date; re-runs the forecast unless the user came
  // from the graph page, which leaves the table as it showed it.
  void ShowPlanPage();

  void OnPrint();
  void OnPreview();
  PlanPrintJob PrintJob() const;
  void CopySelection();
  void CopyAll();
  // "Why this number?" on the current cell.
  void ExplainCurrentCell();
  // Selects `field` in calendar year `year` when the grid shows it.
  void SelectCell(const QString& field, int year);

 protected:
  void Refresh() override;
  void showEvent(QShowEvent* event) override;
  void ShowForecast() override;
  void ShowReplacedPlan() override { ShowPlanPage(false); }

 private:
  void BuildMenus();
  void ShowPlanPage(bool runForecast);
  // The year table with the columns the user chose, in the session's dollar view.
  void ShowTable();
  QSize HeldSize(QSize size) const;

  YearGrid* grid_;
};
