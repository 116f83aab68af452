#include "render/GraphCanvas.h"

#include <QPainter>
#include <QPolygon>
#include <QRect>
#include <algorithm>

#include "render/GraphCurves.h"
#include "render/GraphGeometry.h"

namespace {

// Wide enough for any label, so anchoring never clips.
constexpr int kLabelRoom = 4000;

QPolygon Polygon(std::initializer_list<QPoint> points) { return QPolygon(QList<QPoint>(points)); }

}  // namespace

GraphCanvas::GraphCanvas(QPainter& painter, const CanvasStyle& style) : painter_(painter), style_(style) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setBrush(Qt::white);
  SetBlack();
}

void GraphCanvas::SetCurveColour(int curve) {
  QPen pen(CurveColour(curve));
  pen.setWidth(0);
  painter_.setPen(pen);
}

void GraphCanvas::SetBlack() { SetCurveColour(0); }

void GraphCanvas::ThinLine(int x1, int y1, int x2, int y2) { DoubledLine(x1, y1, x2, y2, style_.thinLineOffset); }

void GraphCanvas::ThickLine(int x1, int y1, int x2, int y2) { DoubledLine(x1, y1, x2, y2, style_.thickLineOffset); }

void GraphCanvas::DoubledLine(int x1, int y1, int x2, int y2, int offset) {
  painter_.drawLine(x1, y1, x2, y2);
  if (offset == 0) return;
  if (x1 == x2) {
    painter_.drawLine(x1 + offset, y1, x2 + offset, y2);
  } else {
    painter_.drawLine(x1, y1 + offset, x2, y2 + offset);
  }
}

void GraphCanvas::DrawLabel(int x, int y, const QString& text, TextAnchor anchor) {
  QRect box;
  int flags = Qt::AlignVCenter | Qt::TextDontClip | Qt::TextSingleLine;
  switch (anchor) {
    case TextAnchor::Centre:
      box = QRect(x - kLabelRoom, y - kLabelRoom, 2 * kLabelRoom, 2 * kLabelRoom);
      flags |= Qt::AlignHCenter;
      break;
    case TextAnchor::Left:
      box = QRect(x, y - kLabelRoom, kLabelRoom, 2 * kLabelRoom);
      flags |= Qt::AlignLeft;
      break;
    case TextAnchor::Right:
      box = QRect(x - kLabelRoom, y - kLabelRoom, kLabelRoom, 2 * kLabelRoom);
      flags |= Qt::AlignRight;
      break;
  }
  painter_.drawText(box, flags, text);
}

void GraphCanvas::DrawMarker(int x, int y, int curve) {
  const int s = style_.markerSize;
  QPainter& p = painter_;
  switch (curve) {
    case 1:
      p.drawEllipse(x - s - 1, y - s - 1, 2 * s + 2, 2 * s + 2);
      p.drawEllipse(x - s, y - s, 2 * s, 2 * s);
      break;
    case 2:
      p.drawLine(x - s + 1, y, x + s + 1, y);
      p.drawLine(x, y - s + 1, x, y + s + 1);
      p.drawLine(x - s + 1, y + 1, x + s + 1, y + 1);
      p.drawLine(x + 1, y - s + 1, x + 1, y + s + 1);
      break;
    case 3:
      p.drawPolygon(Polygon({{x - s, y}, {x, y - s}, {x + s, y}, {x + s, y + s}, {x - s, y + s}}));
      p.drawPolygon(
          Polygon({{x - s + 1, y}, {x, y - s + 1}, {x + s - 1, y}, {x + s - 1, y + s - 1}, {x - s + 1, y + s - 1}}));
      break;
    case 4:
      p.drawLine(x - s + 1, y - s + 1, x + s, y + s);
      p.drawLine(x + s - 1, y - s + 1, x - s, y + s);
      p.drawLine(x - s + 2, y - s + 1, x + s + 1, y + s);
      p.drawLine(x + s, y - s + 1, x - s + 1, y + s);
      break;
    case 5:
      p.drawPolygon(Polygon({{x - s, y + s}, {x + s, y + s}, {x, y - s}}));
      p.drawPolygon(Polygon({{x - s + 1, y + s - 1}, {x + s - 1, y + s - 1}, {x, y - s + 1}}));
      break;
    case 6:
      p.drawPolygon(Polygon({{x - s, y - s}, {x + s, y - s}, {x + s, y + s}, {x - s, y + s}}));
      p.drawPolygon(
          Polygon({{x - s + 1, y - s + 1}, {x + s - 1, y - s + 1}, {x + s - 1, y + s - 1}, {x - s + 1, y + s - 1}}));
      break;
    case 7: {
      const int insets = style_.tripleDownTriangle ? 3 : 2;
      const int step = style_.tripleDownTriangle ? 2 : 1;
      for (int k = 0; k < insets; ++k) {
        const int d = k * step;
        p.drawPolygon(Polygon({{x - s + d, y - s + d}, {x + s - d, y - s + d}, {x, y + s - d}}));
      }
      break;
    }
    case 8:
      p.drawPolygon(Polygon({{x - s, y}, {x, y - s}, {x + s, y}, {x, y + s}}));
      p.drawPolygon(Polygon({{x - s + 1, y}, {x, y - s + 1}, {x + s - 1, y}, {x, y + s - 1}}));
      break;
    default:
      p.drawEllipse(x - s, y - s, 2 * s, 2 * s);
      break;
  }
}

void GraphCanvas::BeginCurves() {
  painter_.save();
  if (!style_.smoothCurves) return;
  painter_.setRenderHint(QPainter::Antialiasing, true);
  // On pixel centres, one-pixel lines along the grid stay sharp.
  painter_.translate(0.5, 0.5);
}

void GraphCanvas::EndCurves() { painter_.restore(); }

void GraphCanvas::DrawCurveStep(const PlotFrame& frame, int curve, int index, int lastIndex, std::int64_t current,
                                std::int64_t next, std::int64_t scale) {
  if (current == 0 && next == 0) return;
  // A scale that was never computed still maps: the smallest axis.
  const std::int64_t safeScale = scale > 0 ? scale : AxisMaximum(0);
  const std::int64_t top = 1000 * safeScale;
  const std::int64_t bottom = -200 * safeScale;
  const bool currentShown = bottom <= current && current <= top;
  if (currentShown && bottom < next && next < top && index != lastIndex) {
    const QPoint from(frame.X(index), frame.Y(current, safeScale));
    const QPoint to(frame.X(index + 1), frame.Y(next, safeScale));
    if (style_.smoothCurves) {
      // One line as wide as the doubled one, over the same pixels.
      const QPen thin = painter_.pen();
      QPen wide = thin;
      wide.setWidth(style_.thickLineOffset + 1);
      wide.setCapStyle(Qt::RoundCap);
      painter_.setPen(wide);
      const QPointF shift(0, style_.thickLineOffset / 2.0);
      painter_.drawLine(QPointF(from) + shift, QPointF(to) + shift);
      painter_.setPen(thin);
    } else {
      ThickLine(from.x(), from.y(), to.x(), to.y());
    }
  }
  if (currentShown) DrawMarker(frame.X(index), frame.Y(current, safeScale), curve);
}
