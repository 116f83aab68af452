#include "views/ChartView.h"

#include <QImage>
#include <QPainter>

ChartView::ChartView(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void ChartView::SetDrawer(Drawer drawer) {
  drawer_ = std::move(drawer);
  update();
}

QImage ChartView::Picture() const {
  QImage image(size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setFont(font());
  if (drawer_) drawer_(painter, image.rect());
  return image;
}

void ChartView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (drawer_) drawer_(painter, rect());
}
