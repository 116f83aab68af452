#pragma once

#include <QString>

#include "odds/OddsResult.h"
#include "odds/PathModel.h"

inline constexpr char kOddsCaution[] =
    "A model's odds are not a promise: markets can do what no model and no history contains. "
    "Compare plans and settings with them rather than read them as a forecast.";

// "Monte Carlo", "Historical" or "Bootstrap": the model the trials ran on.
QString OddsModelName(const PathModel& model);

// "83.4 % of trials: the savings lasted (never borrowed)": the page's headline.
QString OddsHeadline(const OddsResult& result);

// The lines under the headline: the share that never took new debt, trial
// count, the below-zero share, the median first year of new debt, the mean
// real returns and swings the model assumes and, for a replayed history, how
// many windows wrapped round to the data's first year.
QString OddsDetails(const OddsResult& result, const PathModel& model);

// The share of trials at each shortfall level, in words, as the level bar's legend reads.
QString LevelsDescription(const OddsResult& result);

// "Worst trial: trial 17, took new debt".
QString WorstTrialTitle(const OddsResult& result, const PathModel& model);
