#pragma once

#include <QPageSize>
#include <QString>
#include <functional>
#include <optional>

class Platform;
class QPrinter;
class QWidget;

// Shows what `paint` draws (it returns the pages drawn) in the print preview
// on a high-resolution printer, named `docName` in the print queue and on
// `paper`; either left out keeps the printer's own.
void ShowPrintPreview(QWidget* page, Platform& platform, const std::function<int(QPrinter&)>& paint,
                      const QString& docName = {}, std::optional<QPageSize::PageSizeId> paper = std::nullopt);
