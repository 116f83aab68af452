#include "views/ResultExport.h"

#include <QDate>
#include <QLocale>
#include <QMenu>
#include <QPdfWriter>
#include <QPrinter>

#include "model/FileSave.h"
#include "model/NumberFormat.h"
#include "platform/Platform.h"
#include "render/PdfDocument.h"
#include "shell/DocumentedKeys.h"
#include "shell/PageMenus.h"
#include "shell/Session.h"
#include "views/PrintPreview.h"

namespace {

// The printout, or nothing after saying there is none yet.
std::optional<ResultPrintout> Build(QWidget& page, Platform& platform, const ResultExportSource& source) {
  std::optional<ResultPrintout> printout = source.build();
  if (!printout) {
    platform.prompts.Information(&page, source.nothingYet);
    return printout;
  }
  printout->document.date = QLocale::system().toString(QDate::currentDate(), QLocale::LongFormat).toStdString();
  return printout;
}

std::optional<QString> AskSavePath(QWidget& page, const Session& session, Platform& platform,
                                   const ResultExportSource& source, const QString& kind, const QString& extension) {
  FileDialogRequest request;
  request.title = "Save as " + kind;
  request.filter = QString("%1 files (*.%2)").arg(kind, extension);
  request.defaultExtension = extension;
  request.initialFolder = QString::fromStdString(session.CurrentPlanFolder());
  request.proposedName =
      QString::fromStdString(CaptionPlanName(session.plan.PlanFileName)) + " " + source.name + "." + extension;
  std::optional<QString> path = platform.prompts.SaveFile(&page, request);
  if (path && !path->endsWith("." + extension, Qt::CaseInsensitive)) *path += "." + extension;
  return path;
}

void SaveContents(QWidget& page, Platform& platform, const QString& path, const std::string& contents,
                  const QString& kind) {
  const std::string problem = SaveFileContents(path.toStdString(), contents);
  if (!problem.empty()) {
    platform.prompts.Error(&page, QString("The %1 could not be saved as \"%2\": %3.")
                                      .arg(kind, path, QString::fromStdString(problem)));
  }
}

void Preview(QWidget& page, Platform& platform, const ResultExportSource& source) {
  const std::optional<ResultPrintout> printout = Build(page, platform, source);
  if (!printout) return;
  ShowPrintPreview(
      &page, platform, [&printout](QPrinter& target) { return PrintResult(target, *printout); },
      QString::fromStdString(printout->document.planName) + " " + source.name, LocalePaper());
}

void SavePdf(QWidget& page, const Session& session, Platform& platform, const ResultExportSource& source) {
  const std::optional<ResultPrintout> printout = Build(page, platform, source);
  if (!printout) return;
  const std::optional<QString> path = AskSavePath(page, session, platform, source, "PDF", "pdf");
  if (!path) return;
  const QByteArray pdf = PdfDocument(LocalePaper(), [&printout](QPdfWriter& writer) {
    writer.setTitle(QString::fromStdString(printout->document.pages.front().title));
    return PrintResult(writer, *printout) > 0;
  });
  if (pdf.isEmpty()) {
    platform.prompts.Error(&page, "The PDF could not be made: the PDF writer did not start.");
    return;
  }
  SaveContents(page, platform, *path, pdf.toStdString(), "PDF");
}

void SaveCsv(QWidget& page, const Session& session, Platform& platform, const ResultExportSource& source) {
  const std::optional<ResultPrintout> printout = Build(page, platform, source);
  if (!printout) return;
  const std::optional<QString> path = AskSavePath(page, session, platform, source, "CSV", "csv");
  if (path) SaveContents(page, platform, *path, printout->csv, "CSV file");
}

void Copy(QWidget& page, Platform& platform, const ResultExportSource& source) {
  const std::optional<ResultPrintout> printout = Build(page, platform, source);
  if (printout) platform.desktop.SetClipboardText(QString::fromStdString(printout->csv));
}

}  // namespace

int PrintResult(QPagedPaintDevice& device, const ResultPrintout& printout) {
  const ForecastTable noTable;
  return PrintReport(device, ReportPrintJob{printout.document, printout.plan, noTable, printout.drawings});
}

void AddResultExportCommands(QMenu* menu, QWidget& page, const Session& session, Platform& platform,
                             const ResultExportSource& source) {
  SetStandardShortcut(
      AddMenuCommand(menu, "&Print...", "PrintResult", [&page, &platform, source] { Preview(page, platform, source); }),
      QKeySequence::Print, "print the odds or the solve page's results (in the print preview)");
  AddMenuCommand(menu, "Save as P&DF...", "SaveResultPdf",
                 [&page, &session, &platform, source] { SavePdf(page, session, platform, source); });
  // Not Ctrl+C: that copies the text of the box that has the focus.
  QAction* copy = AddMenuCommand(menu, "Cop&y", "CopyResult", [&page, &platform, source] { Copy(page, platform, source); });
  copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  DescribeKey(copy, "copy the odds or the solve page's results as CSV");
  AddMenuCommand(menu, "Save as CS&V...", "SaveResultCsv",
                 [&page, &session, &platform, source] { SaveCsv(page, session, platform, source); });
}
