#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryDir>

#include "render/PrinterPage.h"

// prevora-cli writes its PDFs without Qt's printer (which needs widgets); its
// pages must still be those the desktop program prints to a PDF file.
TEST(PrinterPage, WriterHasTheDesktopPdfPrintersPage) {
  QTemporaryDir dir;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageSize(QPageSize(QPageSize::Letter));
  printer.setOutputFileName(dir.filePath("printer.pdf"));
  QPdfWriter pdf(dir.filePath("writer.pdf"));
  SetUpLetterPdf(pdf);

  EXPECT_EQ(pdf.width(), printer.width());
  EXPECT_EQ(pdf.height(), printer.height());
  EXPECT_EQ(pdf.logicalDpiX(), printer.logicalDpiX());
  EXPECT_EQ(pdf.logicalDpiY(), printer.logicalDpiY());
  EXPECT_EQ(pdf.pageLayout().fullRectPoints(), printer.pageLayout().fullRectPoints());
  EXPECT_EQ(pdf.pageLayout().paintRectPoints(), printer.pageLayout().paintRectPoints());
  const PrinterPage written = ReadPrinterPage(pdf);
  const PrinterPage printed = ReadPrinterPage(printer);
  EXPECT_EQ(written.PageWidthDots, printed.PageWidthDots);
  EXPECT_EQ(written.PageHeightDots, printed.PageHeightDots);
}
