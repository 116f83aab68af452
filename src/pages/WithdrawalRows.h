#pragma once

#include <string>
#include <vector>

#include "pages/EntryRows.h"

// The assumptions page's withdrawals section: the order in which the accounts
// cover a shortfall, the tax bracket filled from the tax-deferred balance and
// where that goes, a fixed yearly conversion, and the ages it runs between.
std::vector<EntryRow> WithdrawalRows();

// Withdrawal figures that are allowed but look mistyped, each as a sentence:
// ages that end before they start or lie outside the forecast, a conversion
// with nothing to convert, a fixed amount beside a bracket.
std::vector<std::string> WithdrawalWarnings(const PlanRecord& plan);
