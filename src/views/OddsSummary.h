#pragma once

#include <QString>

#include "odds/OddsResult.h"
#include "odds/PathModel.h"

// "83.4 % of trials: the savings lasted (never borrowed)": the page's headline.
QString OddsHeadline(const OddsResult& result);

// The lines under the headline: the share that never took new debt, trial
// count, the below-zero share, the median first year of new debt, the mean
// real returns and swings the model assumes and, for a replayed history, how
// many windows wrapped round to the data's first year.
QString OddsDetails(const OddsResult& result, const PathModel& model);

// "Worst trial: trial 17, took new debt".
QString WorstTrialTitle(const OddsResult& result, const PathModel& model);
