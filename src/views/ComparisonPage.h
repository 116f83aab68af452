#pragma once

#include "compare/Comparison.h"
#include "shell/Page.h"

class AttributionChart;
class QCheckBox;
class QLabel;
class QTabWidget;
class QTableWidget;
class YearGrid;

// Two plans, the current one and a second one, either of them the base:
// what inputs changed,
// the headline figures, how much of the change each input caused and the
// year-by-year differences. Reads the session's plan and never changes it.
class ComparisonPage : public Page {
  Q_OBJECT

 public:
  ComparisonPage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent = nullptr);

  bool IsResizable() const override { return true; }
  QSize PageSize() const override { return size_; }
  QSize MinimumPageSize() const override;
  void PageResized(QSize size) override;
  void CloseRequested() override { CloseComparison(); }

  const Comparison& Shown() const { return comparison_; }

  // Forgets the other plan and returns to the page the comparison came from,
  // as that page was left.
  void CloseComparison();
  void CopySelection();
  void CopyAll();
  // Makes the other plan the base and the base the other.
  void SwapBase();

 protected:
  void Refresh() override;

 private:
  void BuildMenus();
  void FitChangesWithinScreen();
  QWidget* BuildSummaryTab();
  QWidget* BuildChangesTab();
  QWidget* BuildYearsTab();

  Comparison comparison_;
  QSize size_{820, 560};
  QLabel* plans_;
  QCheckBox* curve_;
  // Shown while a stress test (a typed rate scenario or a history start) is
  // chosen: both plans run on its rates, as `diff --rates` or `--history-start` runs them.
  QCheckBox* onStressRates_;
  QTabWidget* tabs_;
  QLabel* summaryHeading_ = nullptr;
  QTableWidget* summary_ = nullptr;
  QLabel* attributionHeading_ = nullptr;
  AttributionChart* chart_ = nullptr;
  QLabel* attributionNotes_ = nullptr;
  QTableWidget* changes_ = nullptr;
  QLabel* yearsHeading_ = nullptr;
  YearGrid* years_ = nullptr;
};
