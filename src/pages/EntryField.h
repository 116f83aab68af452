#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <variant>

#include "model/PlanRecord.h"

// A record field an edit box shows, whatever its kind; monostate for a row
// that shows none (a heading).
using PlanField = std::variant<std::monostate, std::int32_t PlanRecord::*, std::int64_t PlanRecord::*,
                               long double PlanRecord::*, std::string PlanRecord::*>;

// How a box shows and reads its field.
enum class EntryKind {
  Dollars,   // FormatDollars / ParseDollarEntry
  Whole,     // plain integer / ParseWholeEntry (64-bit fields: ParseDollarEntry)
  Decimal1,  // FormatDecimal with 1 place / ParseDecimalEntry
  Decimal2,  // FormatDecimal with 2 places / ParseDecimalEntry
  Text,      // as typed
};

// The text a box shows for a field of the given kind.
QString FormatEntry(const PlanRecord& plan, const PlanField& field, EntryKind kind);
// Sets the field to zero or empty.
void ClearField(PlanRecord& plan, const PlanField& field);
// Reads one box into its field (the parser follows the field's width); a rate
// outside the range of model/RateRange.h is refused.
// Returns the parser's error code (0 = stored); sets `blank` on a blank box.
std::int32_t ParseEntry(const QString& text, PlanRecord& plan, const PlanField& field, bool& blank);
