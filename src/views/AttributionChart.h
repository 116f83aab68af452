#pragma once

#include <QWidget>
#include <vector>

#include "views/ComparisonRows.h"

// The attribution as a bar list (see PaintAttributionBars). It takes the
// keyboard focus so a screen reader reads the bars from its description.
class AttributionChart : public QWidget {
  Q_OBJECT

 public:
  explicit AttributionChart(QWidget* parent = nullptr);
  void SetBars(std::vector<AttributionBar> bars);
  const std::vector<AttributionBar>& Bars() const { return bars_; }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<AttributionBar> bars_;
};
