#include <gtest/gtest.h>

#include <QPainter>
#include <string>

#include "engine/ForecastTable.h"
#include "model/PlanRecord.h"
#include "render/RecordingDevice.h"
#include "render/ReportPrinting.h"

namespace {

// Prints `document` with `drawings` on letter pages; the texts drawn, in order.
QStringList PrintedTexts(const ReportDocument& document, std::vector<ReportDrawing> drawings = {}) {
  RecordingDevice device;
  const PlanRecord plan;
  const ForecastTable table;
  QPainter painter(&device);
  PrintReport(
      painter,
      [&device] {
        ++device.Engine().page;
        return true;
      },
      ReportPrintJob{document, plan, table, std::move(drawings)});
  painter.end();
  QStringList texts;
  for (const RecordedText& text : device.Engine().texts) texts << text.text;
  return texts;
}

// A table too wide for the page and without key columns still names its rows
// where its further columns are printed: the first column opens every part.
TEST(PrintReport, ASplitTableRepeatsTheColumnThatNamesTheRows) {
  ReportTable table{{"Name"}, {false}, {{"first row"}, {"second row"}}, 0};
  for (int c = 0; c < 8; ++c) {
    table.header.push_back("A long column heading " + std::to_string(c));
    table.rightAligned.push_back(true);
    for (auto& row : table.rows) row.push_back("$" + std::to_string(c) + ",000,000");
  }
  ReportDocument document{"plan", "plan.plan", "today", {{"Wide", {TableBlock(table)}}}};
  const QStringList texts = PrintedTexts(document);
  EXPECT_GE(texts.count("second row"), 2);
  EXPECT_EQ(texts.count("second row"), texts.count("Name"));
  EXPECT_TRUE(texts.contains("A long column heading 7"));
}

// A page's own chart is drawn in its screen size, scaled into the page's width.
TEST(PrintReport, ADrawingIsPaintedInItsOwnSize) {
  QRect painted;
  const ReportDrawing drawing{QSize(700, 300), [&painted](QPainter& painter, const QRect& area) {
                                painted = area;
                                painter.drawText(area, Qt::AlignCenter, "the chart");
                              }};
  ReportDocument document{"plan", "plan.plan", "today", {{"Charts", {DrawingBlock(0), ParagraphBlock("after it")}}}};
  const QStringList texts = PrintedTexts(document, {drawing});
  EXPECT_EQ(painted, QRect(0, 0, 700, 300));
  EXPECT_LT(texts.indexOf("the chart"), texts.indexOf("after it"));
}

}  // namespace
