#include "views/PrintPreview.h"

#include <QPrinter>

#include "platform/Platform.h"

void ShowPrintPreview(QWidget* page, Platform& platform, const std::function<int(QPrinter&)>& paint,
                      const QString& docName, std::optional<QPageSize::PageSizeId> paper) {
  QPrinter printer(QPrinter::HighResolution);
  if (paper) printer.setPageSize(QPageSize(*paper));
  if (!docName.isEmpty()) printer.setDocName(docName);
  platform.prompts.PreviewPrint(page, printer, paint);
}
