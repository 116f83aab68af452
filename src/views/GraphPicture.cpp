#include "views/GraphPicture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

bool IsReadoutKey(int key) {
  switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Escape:
      return true;
    default:
      return false;
  }
}

}  // namespace

GraphPicture::GraphPicture(QWidget* parent) : QWidget(parent) {
  setObjectName("GraphPicture");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName("Graph");
}

void GraphPicture::SetImage(const QImage& image) {
  image_ = image;
  update();
}

void GraphPicture::SetPlotArea(const QRect& area) {
  plotArea_ = area;
  update();
}

void GraphPicture::SetReadout(std::optional<GraphReadout> readout, const QFont& font) {
  readout_ = std::move(readout);
  readoutFont_ = font;
  setAccessibleDescription(readout_ ? readout_->lines.join("; ") : QString());
  update();
}

void GraphPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.drawImage(0, 0, image_);
  if (readout_) DrawGraphReadout(painter, *readout_, readoutFont_, plotArea_);
  if (hasFocus() && plotArea_.isValid()) {
    painter.setPen(QPen(Qt::darkGray, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plotArea_.adjusted(-3, -3, 3, 3));
  }
}

void GraphPicture::mouseMoveEvent(QMouseEvent* event) {
  emit PointedAt(event->position().toPoint());
  QWidget::mouseMoveEvent(event);
}

void GraphPicture::leaveEvent(QEvent* event) {
  emit PointerLeft();
  QWidget::leaveEvent(event);
}

void GraphPicture::keyPressEvent(QKeyEvent* event) {
  if (!IsReadoutKey(event->key()) || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
    QWidget::keyPressEvent(event);
    return;
  }
  emit ReadoutKey(event->key());
  event->accept();
}

void GraphPicture::focusInEvent(QFocusEvent* event) {
  update();
  QWidget::focusInEvent(event);
}

void GraphPicture::focusOutEvent(QFocusEvent* event) {
  update();
  QWidget::focusOutEvent(event);
}
