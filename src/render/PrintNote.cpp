#include "render/PrintNote.h"

#include <QPainter>

#include "render/PrinterPage.h"

void DrawPrintNote(QPainter& painter, const QString& note) {
  if (note.isEmpty()) return;
  const int width = painter.device()->width();
  const int height = painter.device()->height();
  painter.save();
  painter.setPen(Qt::black);
  painter.setFont(PrinterFont(8));
  // Below the plan table's grid and the graph's legend, above the page's edge.
  painter.drawText(QRect(0, height * 97 / 100 - height / 40, width, height / 40), Qt::AlignCenter, note);
  painter.restore();
}
