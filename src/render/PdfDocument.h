#pragma once

#include <QByteArray>
#include <QPageSize>
#include <functional>

class QPdfWriter;

// The PDF `print` draws on the printer's paper, made in memory so it can be
// saved like a plan (a failed save leaves any old file as it was). `print`
// says whether the writer started; empty when it did not.
QByteArray PdfDocument(QPageSize::PageSizeId paper, const std::function<bool(QPdfWriter&)>& print);

// Letter where the locale measures in inches, A4 elsewhere.
QPageSize::PageSizeId LocalePaper();
