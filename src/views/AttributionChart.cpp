#include "views/AttributionChart.h"

#include <QPainter>

#include "model/NumberFormat.h"
#include "views/AttributionPainting.h"

AttributionChart::AttributionChart(QWidget* parent) : QWidget(parent) {
  setObjectName("AttributionChart");
  setAccessibleName("Attribution of the change, largest effect first");
  setFocusPolicy(Qt::TabFocus);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Minimum);
}

void AttributionChart::SetBars(std::vector<AttributionBar> bars) {
  bars_ = std::move(bars);
  QStringList lines;
  for (const AttributionBar& bar : bars_) {
    const QString values = bar.values.isEmpty() ? QString() : " " + bar.values;
    lines
        << QString("%1 (%2)%3: %4").arg(bar.name, bar.detail, values, QString::fromStdString(FormatDollars(bar.value)));
  }
  setAccessibleDescription(lines.join("; "));
  setToolTip(lines.join("\n"));
  updateGeometry();
  update();
}

QSize AttributionChart::sizeHint() const {
  return {400, AttributionRowHeight(fontMetrics()) * static_cast<int>(bars_.size()) + 4};
}

void AttributionChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  PaintAttributionBars(painter, rect().adjusted(4, 2, -4, -2), bars_);
  if (hasFocus()) {
    painter.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}
