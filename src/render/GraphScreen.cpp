#include "render/GraphScreen.h"

#include <QFontDatabase>
#include <QPainter>
#include <algorithm>

#include "engine/DollarViews.h"
#include "model/PlanRecord.h"

namespace {

// Sizes past this are clamped before any arithmetic, so no stored or typed
// size can overflow it.
constexpr int kLargestDrawingSide = 16384;

const char* const kAbadiFamily = "Abadi MT Condensed Extra Bold";
const char* const kTimesFamily = "Times New Roman";

// The plot box sits inside fixed margins: 90 left and right, 50 above, and
// 180 below it (the window's frame and the legend).
constexpr int kLeft = 90;
constexpr int kTop = 50;

QFont GraphFont(const QString& family, int points, bool underline) {
  QFont font(family);
  font.setPointSize(points);
  font.setBold(true);
  font.setUnderline(underline);
  return font;
}

}  // namespace

int SizeStep(int width) {
  if (width <= 506) return 2;
  if (width <= 1024) return 3;
  return 4;
}

QString GraphFontFamily(int screenWidth) {
  if (screenWidth < 700 || !QFontDatabase::families().contains(kAbadiFamily)) return kTimesFamily;
  return kAbadiFamily;
}

QString GraphTitle(const PlanRecord& plan, int width) {
  const QString name1 = QString::fromStdString(plan.Name1);
  const QString name2 = QString::fromStdString(plan.Name2);
  const std::int64_t needed =
      (static_cast<std::int64_t>(plan.Name1.size()) + static_cast<std::int64_t>(plan.Name2.size())) * 16;
  if (plan.SecondPerson && needed < width) return "Financial Graph for " + name1 + " and " + name2;
  return "Financial Graph for " + name1;
}

QString UnitCaption(int plotWidth, bool currentDollars, std::int32_t currentYear) {
  QString name = QString::fromStdString(DollarViewName(currentDollars, currentYear));
  // Between "Assets" and "Annual Cash Flow" a narrow plot has room for "$" only.
  if (plotWidth <= 400) name.replace(" dollars", " $");
  return name + ", in thousands";
}

GraphParameters ScreenGraphParameters(int width, int height, QSize canvasSize, const PlanRecord& plan,
                                      bool currentDollars, const GraphScales& scales, const QString& fontFamily) {
  // Stored or typed sizes may be extreme; the arithmetic below must not overflow.
  width = std::clamp(width, 0, kLargestDrawingSide);
  height = std::clamp(height, 0, kLargestDrawingSide);
  GraphParameters p;
  const int step = SizeStep(width);
  p.canvasSize = canvasSize;
  p.frame = MakePlotFrame(kLeft, kTop, width - 180, height - 230, plan.Age1);
  p.style = CanvasStyle{0, 1, step, false};
  p.titleFont = GraphFont(fontFamily, step + 9, true);
  p.labelFont = GraphFont(fontFamily, step + 7, false);

  p.title = GraphTitle(plan, width);
  p.axisCaption = "Age of " + QString::fromStdString(plan.Name1);
  p.unitCaption = UnitCaption(p.frame.width, currentDollars, plan.CurrentYear);
  p.titleAt = QPoint(RoundPixel(width / 2.0L), 10);
  p.axisCaptionAt = QPoint(RoundPixel(width / 2.0L - 10), p.frame.height + 100);
  p.unitCaptionAt = QPoint(RoundPixel(width / 2.0L), 34);
  p.assetsAt = QPoint(kLeft, 34);
  p.cashFlowAt = QPoint(width - 90, 34);
  p.leftLabelX = 80;
  p.rightLabelX = width - 80;
  p.ageLabelY = p.frame.height + 62;
  p.yearLabelY = p.ageLabelY + step + 11;
  p.yearFont = p.labelFont;
  p.yearFont.setPointSize(step + 5);
  p.yearFont.setBold(false);

  p.scales = scales;
  p.curveOrder = {4, 7, 8, 5, 6, 1, 3, 2};
  for (int n = 1; n <= kCurveCount; ++n) {
    const bool left = n <= 4;
    const int y = left ? height - 160 + 18 * n : height - 233 + 18 * n;
    const int markerX = left ? 50 : width - 120;
    p.legend[static_cast<std::size_t>(n - 1)] = {QPoint(markerX, y), QPoint(markerX + 10, y)};
  }
  p.legendOnlyShownCurves = false;
  // Under the last legend row of each half, beside the check boxes.
  p.scaleNotes = ScaleNotes();
  p.scaleNotesAt = {QPoint(p.legend[3].name.x(), p.legend[3].name.y() + 18),
                    QPoint(p.legend[7].name.x(), p.legend[7].name.y() + 18)};
  return p;
}

void SetScreenResolution(QImage& image) {
  // 96 dots per inch.
  image.setDotsPerMeterX(3780);
  image.setDotsPerMeterY(3780);
}

QImage RenderScreenGraph(const GraphInput& input, int width, int height, QSize canvasSize, const QString& fontFamily,
                         GraphScales* scales, bool smoothCurves) {
  const GraphScales used = InputScales(input);
  if (scales) *scales = used;
  QImage image(canvasSize, QImage::Format_RGB32);
  if (image.isNull()) return image;
  SetScreenResolution(image);
  QPainter painter(&image);
  GraphParameters parameters =
      ScreenGraphParameters(width, height, canvasSize, input.plan, input.currentDollars, used, fontFamily);
  parameters.style.smoothCurves = smoothCurves;
  DrawGraph(painter, parameters, input);
  return image;
}
