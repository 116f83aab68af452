#include "render/PdfDocument.h"

#include <QBuffer>
#include <QLocale>
#include <QPdfWriter>

#include "render/PrinterPage.h"

QByteArray PdfDocument(QPageSize::PageSizeId paper, const std::function<bool(QPdfWriter&)>& print) {
  QBuffer document;
  document.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&document);
    SetUpPdf(pdf, paper);
    if (!print(pdf)) return {};
  }
  return document.data();
}

QPageSize::PageSizeId LocalePaper() {
  return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}
