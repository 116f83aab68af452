#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QWidget>
#include <optional>

#include "render/GraphReadout.h"

// The picture control: shows the graph bitmap from its top-left corner and,
// over it, the readout of the year pointed at or chosen with the keys.
// Pointing and keys are passed on; the page decides what to read.
class GraphPicture : public QWidget {
  Q_OBJECT

 public:
  explicit GraphPicture(QWidget* parent = nullptr);
  void SetImage(const QImage& image);
  // The plot box of the image: the readout keeps inside it, and it is framed
  // while the picture has the keyboard focus.
  void SetPlotArea(const QRect& area);
  void SetReadout(std::optional<GraphReadout> readout, const QFont& font);
  const std::optional<GraphReadout>& Readout() const { return readout_; }

 signals:
  void PointedAt(QPoint at);
  void PointerLeft();
  // Left, Right, Page Up, Page Down, Home, End or Escape was pressed.
  void ReadoutKey(int key);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  QImage image_;
  QRect plotArea_;
  std::optional<GraphReadout> readout_;
  QFont readoutFont_;
};
