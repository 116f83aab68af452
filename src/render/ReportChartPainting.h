#pragma once

#include <QRect>

#include "report/ReportDocument.h"

class QPainter;

// A report's line chart in `area`: dollar scale marks on the left, a row of
// calendar years below, the bands, the lines and a legend under it all.
void PaintReportChart(QPainter& painter, const QRect& area, const ReportChart& chart);
