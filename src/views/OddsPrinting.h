#pragma once

#include <QString>

#include "odds/OddsResult.h"
#include "odds/PathModel.h"
#include "views/ResultExport.h"

// The odds page's result on paper and as CSV: the headline and what it
// means, the levels in words and as a table, the fan of net worth, the worst
// trial and the caution; the CSV holds the summary figures, the levels and
// the net worth percentiles year by year. `center` names the stress test the
// trials were centered on, or is empty.
ResultPrintout OddsPrintout(const PlanRecord& plan, const OddsResult& result, const PathModel& model,
                            const QString& center);
