#pragma once

#include <string>

#include "report/ReportDocument.h"
#include "report/ReportFigures.h"

// What goes on each page of the plan report, in reading order: summary, graph,
// odds, stress tests, sensitivity, year table, inputs and notes.
ReportDocument BuildReportDocument(const ReportFigures& figures, const ReportSettings& settings,
                                   const std::string& date);

// The pages one at a time, for the builder above.
ReportPage SummaryPage(const ReportFigures& figures, const ReportSettings& settings);
ReportPage OddsPage(const ReportFigures& figures);
ReportPage StressPage(const ReportFigures& figures);
ReportPage SensitivityPage(const ReportFigures& figures);
ReportPage YearTablePage(const ReportFigures& figures);
ReportPage InputsPage(const ReportFigures& figures);
ReportPage NotesPage(const ReportFigures& figures, const ReportSettings& settings);

// Pieces the result pages print too.
// The fan of a model's trials' net worth in today's dollars, the median bold.
ReportChart OddsFanChart(const ReportOdds& odds, const PlanRecord& plan);
// Each model's share of trials at each shortfall level, beside each other.
ReportTable OddsLevelsTable(const std::vector<ReportOdds>& models);
// The first `rows` inputs that move the figure: value, step and the changes
// one step down and up, in dollars or (with odds) points of the share.
ReportTable SensitivityTable(const SensitivityResult& result, std::size_t rows, bool odds);

// "87.3 %": a share as simulate prints it.
std::string ShareText(double percent);
