#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "model/PlanRecord.h"

class QLineEdit;

// A record field an edit box shows, whatever its kind.
using PlanField = std::variant<std::int32_t PlanRecord::*, std::int64_t PlanRecord::*, long double PlanRecord::*,
                               std::string PlanRecord::*>;

// How a box shows and reads its field.
enum class EntryKind {
  Dollars,   // FormatDollars / ParseDollarEntry
  Whole,     // plain integer / ParseWholeEntry (64-bit fields: ParseDollarEntry)
  Decimal1,  // FormatDecimal with 1 place / ParseDecimalEntry
  Decimal2,  // FormatDecimal with 2 places / ParseDecimalEntry
  Text,      // as typed
};

// How a row's label reads.
enum class LabelText {
  Given,    // the caption as written, dots included where it has them
  Leaders,  // the caption's words followed by dots up to the box
};

// One labelled box of a data page.
struct EntryRow {
  QString labelName;  // object name of the label ("" for none)
  QString caption;    // label text
  QString editName;   // object name of the box
  PlanField field;
  EntryKind kind = EntryKind::Dollars;
  bool readOnly = false;
  LabelText label = LabelText::Given;
  int editWidth = 0;  // 0: the page grid's
};

struct ParseOutcome {
  bool error = false;  // some box did not parse (its field kept its value)
  bool blank = false;  // some box was blank (it parsed as 0)
};

// The boxes of a page bound to their fields: fill shows every field, Parse
// reads the writable boxes back in order, storing what parsed.
class EntryBindings {
 public:
  void Bind(QLineEdit* edit, PlanField field, EntryKind kind, bool readOnly = false);
  void Fill(const PlanRecord& plan) const;
  ParseOutcome Parse(PlanRecord& plan) const;
  // Shows only the boxes bound to these fields (a total after Update).
  void FillField(const PlanRecord& plan, const PlanField& field) const;
  // The box bound to `field`, or null.
  QLineEdit* EditFor(const PlanField& field) const;

 private:
  struct Binding {
    QLineEdit* edit;
    PlanField field;
    EntryKind kind;
    bool readOnly;
  };
  std::vector<Binding> bindings_;
};

// Set on a box whose text did not parse at the last reading, cleared when it
// does: the data error names the first such box and puts the cursor there.
inline constexpr char kEntryErrorProperty[] = "entryError";

// Reads `edit` into its field as ParseEntry does and marks the box by the outcome.
std::int32_t ParseBox(QLineEdit* edit, PlanRecord& plan, const PlanField& field, bool& blank);

// The text a box shows for a field of the given kind.
QString FormatEntry(const PlanRecord& plan, const PlanField& field, EntryKind kind);
// Reads one box into its field (the parser follows the field's width).
// Returns the parser's error code (0 = stored); sets `blank` on a blank box.
std::int32_t ParseEntry(const QString& text, PlanRecord& plan, const PlanField& field, bool& blank);
