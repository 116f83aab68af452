#pragma once

#include <QWidget>
#include <vector>

#include "render/ReportPrinting.h"
#include "solve/Frontier.h"
#include "solve/Sensitivity.h"
#include "views/SolveCharts.h"

class ChartView;
class QLabel;

// The frontier and sensitivity charts with what explains them: the frontier's
// point readout (hover, or Left and Right) and the points with no answer and
// why; the sensitivity bars with their amounts and steps. A click on a bar, or
// Up, Down and Enter, asks for that input's page.
class SolveChartsPanel : public QWidget {
  Q_OBJECT

 public:
  explicit SolveChartsPanel(QWidget* parent = nullptr);

  void ShowFrontier(const FrontierRequest& request, const FrontierResult& frontier);
  void ShowSensitivity(const SensitivityRequest& request, const SensitivityResult& result);
  // Empties both charts, saying why (the plan or the lever changed).
  void Clear(const QString& why);
  void ClearFrontier(const QString& why);

  const std::vector<SensitivityBar>& Bars() const { return bars_; }
  ChartView* FrontierChart() const { return frontierChart_; }
  ChartView* SensitivityChart() const { return sensitivityChart_; }
  QString FrontierNote() const;
  // The charts as printed: nothing selected, at a screen size that fits what they hold.
  ReportDrawing FrontierDrawing() const;
  ReportDrawing SensitivityDrawing() const;

 signals:
  void InputChosen(int line);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void DrawFrontier();
  void SelectPoint(int point);
  void SelectBar(int bar);
  void ChooseBar(int bar);

  std::vector<FrontierChartPoint> points_;
  std::optional<FrontierChartPoint> planPoint_;
  FrontierAxes axes_;
  int selectedPoint_ = -1;
  std::vector<SensitivityBar> bars_;
  std::vector<int> barLines_;
  std::function<QString(double)> changeText_;
  int selectedBar_ = -1;

  ChartView* frontierChart_;
  QLabel* frontierNote_;
  QLabel* frontierReadout_;
  ChartView* sensitivityChart_;
};
