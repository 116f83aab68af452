#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/ForecastTable.h"
#include "model/PlanRecord.h"
#include "render/ReportPrinting.h"
#include "report/ReportDocument.h"

class QMenu;
class QWidget;
struct Platform;
struct Session;

// What a result page prints and exports, built from what it shows: the
// printed pages with the page's own charts, and the same figures as CSV.
struct ResultPrintout {
  ReportDocument document;
  std::vector<ReportDrawing> drawings;
  std::string csv;
  PlanRecord plan;  // the plan the result belongs to
};

struct ResultExportSource {
  QString name;        // what the files are called after the plan's name: "odds", "answer"
  QString nothingYet;  // said when the page has no result to export
  std::function<std::optional<ResultPrintout>()> build;
};

// Adds the page's print and export commands to `menu`: "&Print..." (Ctrl+P:
// the print preview, which prints or saves a PDF), "Save as P&DF...",
// "Cop&y" (Ctrl+Shift+C: the CSV text) and "Save as CS&V...". Failures to write
// are said in a message; an existing file is replaced only by a whole new one.
void AddResultExportCommands(QMenu* menu, QWidget& page, const Session& session, Platform& platform,
                             const ResultExportSource& source);

// The printout's pages on `device`; the pages drawn, 0 when it did not start.
int PrintResult(QPagedPaintDevice& device, const ResultPrintout& printout);
