#include "render/RecordingDevice.h"

#include <QPainterPath>

RecordingEngine::RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

void RecordingEngine::updateState(const QPaintEngineState& state) {
  if (state.state() & QPaintEngine::DirtyPen) pen = state.pen().color();
}

void RecordingEngine::drawTextItem(const QPointF& p, const QTextItem& textItem) {
  texts.push_back({page, textItem.text(), p, pen});
}

void RecordingEngine::drawLines(const QLineF* lineList, int lineCount) {
  for (int i = 0; i < lineCount; ++i) lines.push_back({page, lineList[i].toLine(), pen});
}

void RecordingEngine::drawLines(const QLine* lineList, int lineCount) {
  for (int i = 0; i < lineCount; ++i) lines.push_back({page, lineList[i], pen});
}

void RecordingEngine::drawPolygon(const QPointF* points, int pointCount, PolygonDrawMode) {
  QPolygon polygon;
  for (int i = 0; i < pointCount; ++i) polygon << points[i].toPoint();
  polygons.push_back({page, polygon, pen});
}

void RecordingEngine::drawPolygon(const QPoint* points, int pointCount, PolygonDrawMode) {
  polygons.push_back({page, QPolygon(QList<QPoint>(points, points + pointCount)), pen});
}

QStringList RecordingDevice::TextsOnPage(int page) const {
  QStringList result;
  for (const RecordedText& text : engine_->texts)
    if (text.page == page) result << text.text;
  return result;
}

int RecordingDevice::metric(PaintDeviceMetric metric) const {
  switch (metric) {
    case PdmWidth:
      return kWidth;
    case PdmHeight:
      return kHeight;
    case PdmWidthMM:
      return 216;
    case PdmHeightMM:
      return 279;
    case PdmNumColors:
      return 0x7fffffff;
    case PdmDepth:
      return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
      return kDpi;
    case PdmDevicePixelRatio:
      return 1;
    case PdmDevicePixelRatioScaled:
      return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
    default:
      return 0;
  }
}
