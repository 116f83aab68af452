#include "views/LevelBar.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kBarHeight = 26;
constexpr int kSwatch = 12;

const std::array<QColor, kShortfallLevelCount> kLevelColours = {
    QColor(46, 139, 87), QColor(154, 205, 50), QColor(240, 200, 50), QColor(240, 140, 40), QColor(200, 40, 40)};

ShortfallLevel LevelAt(std::size_t index) { return static_cast<ShortfallLevel>(index); }

}  // namespace

QColor LevelColour(ShortfallLevel level) { return kLevelColours[static_cast<std::size_t>(level)]; }

QString LevelLegendText(ShortfallLevel level, double share) {
  return QString("%1 %2 %").arg(ShortfallLevelText(level)).arg(share, 0, 'f', 1);
}

void DrawLevelBar(QPainter& painter, const QRect& area, const LevelShares& shares) {
  painter.save();
  painter.fillRect(area, Qt::white);
  const QRect bar(area.left(), area.top(), area.width(), kBarHeight);
  // Edges are placed by the running total, so the pieces always fill the bar exactly.
  double total = 0.0;
  for (std::size_t k = 0; k < shares.size(); ++k) {
    const int left = bar.left() + static_cast<int>(std::lround(std::clamp(total, 0.0, 100.0) / 100.0 * bar.width()));
    total += shares[k];
    const int right = bar.left() + static_cast<int>(std::lround(std::clamp(total, 0.0, 100.0) / 100.0 * bar.width()));
    if (right > left) painter.fillRect(QRect(left, bar.top(), right - left, bar.height()), kLevelColours[k]);
  }
  painter.setPen(QColor(80, 80, 80));
  painter.drawRect(bar.adjusted(0, 0, -1, -1));

  // The legend flows in rows under the bar.
  const QFontMetrics metrics = painter.fontMetrics();
  int x = area.left();
  int y = bar.bottom() + 8;
  for (std::size_t k = 0; k < shares.size(); ++k) {
    const QString text = LevelLegendText(LevelAt(k), shares[k]);
    const int width = kSwatch + 6 + metrics.horizontalAdvance(text) + 18;
    if (x > area.left() && x + width > area.right()) {
      x = area.left();
      y += metrics.height() + 4;
    }
    painter.fillRect(QRect(x, y + (metrics.height() - kSwatch) / 2, kSwatch, kSwatch), kLevelColours[k]);
    painter.setPen(Qt::black);
    painter.drawText(x + kSwatch + 6, y + metrics.ascent(), text);
    x += width;
  }
  painter.restore();
}
