#pragma once

#include <QColor>
#include <QLine>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPointF>
#include <QPolygon>
#include <QString>
#include <memory>
#include <vector>

// A letter page at 1200 dpi that records what is drawn on it, page by page,
// so printouts can be checked by text, position and colour.
struct RecordedText {
  int page;
  QString text;
  QPointF at;
  QColor colour;
};

struct RecordedLine {
  int page;
  QLine line;
  QColor colour;
};

struct RecordedPolygon {
  int page;
  QPolygon polygon;
  QColor colour;
};

class RecordingEngine : public QPaintEngine {
 public:
  RecordingEngine();
  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  void updateState(const QPaintEngineState& state) override;
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawTextItem(const QPointF& p, const QTextItem& textItem) override;
  void drawLines(const QLineF* lines, int lineCount) override;
  void drawLines(const QLine* lines, int lineCount) override;
  void drawPolygon(const QPointF* points, int pointCount, PolygonDrawMode mode) override;
  void drawPolygon(const QPoint* points, int pointCount, PolygonDrawMode mode) override;
  void drawPath(const QPainterPath&) override {}
  void drawRects(const QRectF*, int) override {}
  void drawRects(const QRect*, int) override {}
  void drawEllipse(const QRectF&) override {}
  Type type() const override { return QPaintEngine::User; }

  int page = 1;
  QColor pen;
  std::vector<RecordedText> texts;
  std::vector<RecordedLine> lines;
  std::vector<RecordedPolygon> polygons;
};

class RecordingDevice : public QPaintDevice {
 public:
  static constexpr int kDpi = 1200;
  static constexpr int kWidth = 8500 * kDpi / 1000;  // 8.5 by 11 inches
  static constexpr int kHeight = 11 * kDpi;

  QPaintEngine* paintEngine() const override { return engine_.get(); }
  RecordingEngine& Engine() { return *engine_; }
  const RecordingEngine& Engine() const { return *engine_; }
  // Texts drawn on one page, in order.
  QStringList TextsOnPage(int page) const;

 protected:
  int metric(PaintDeviceMetric metric) const override;

 private:
  std::unique_ptr<RecordingEngine> engine_ = std::make_unique<RecordingEngine>();
};
