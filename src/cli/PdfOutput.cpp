#include "cli/PdfOutput.h"

#include <QBuffer>
#include <QLocale>
#include <QPdfWriter>
#include <cstdio>

#include "model/FileSave.h"
#include "model/ReadableText.h"
#include "render/PrinterPage.h"

namespace {

int CannotWrite(const std::string& path, const std::string& problem) {
  std::fprintf(stderr, "prevora-cli: cannot write \"%s\"%s\n", ReadableText(path).c_str(),
               problem.empty() ? "" : (": " + problem).c_str());
  return 2;
}

}  // namespace

int WritePdfForCli(const std::string& path, QPageSize::PageSizeId paper,
                   const std::function<bool(QPdfWriter&)>& print) {
  QBuffer document;
  document.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&document);
    SetUpPdf(pdf, paper);
    if (!print(pdf)) return CannotWrite(path, {});
  }
  const std::string problem = SaveFileContents(path, document.data().toStdString());
  if (!problem.empty()) return CannotWrite(path, problem);
  return 0;
}

QPageSize::PageSizeId LocalePaper() {
  return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}
