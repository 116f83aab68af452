#pragma once

#include <QWidget>
#include <functional>

// A widget that shows a picture drawn by a pure drawing function, so the
// drawing itself can be tested on an image without the widget.
class ChartView : public QWidget {
  Q_OBJECT

 public:
  using Drawer = std::function<void(QPainter&, const QRect&)>;

  explicit ChartView(QWidget* parent = nullptr);
  void SetDrawer(Drawer drawer);

  // The picture at the widget's current size, as the screen shows it.
  QImage Picture() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Drawer drawer_;
};
