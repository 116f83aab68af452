#pragma once

#include <QRect>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/PlanRecord.h"
#include "pages/EntryField.h"
#include "pages/PageGrid.h"
#include "shell/PageId.h"

class QComboBox;
class QLineEdit;

// How a row's label reads.
enum class LabelText {
  Given,    // the caption as written, dots included where it has them
  Leaders,  // the caption's words followed by dots up to the box
  Button,   // a push button with the caption; the page says what it does
};

// Where a row leaves its page grid; 0 keeps the grid's place.
struct RowPlace {
  int labelLeft = 0;
  int labelWidth = 0;     // 0: up to the box
  int editLeft = 0;       // 0: the grid's box column
  bool sameLine = false;  // beside the row before instead of below it
};

// One entry of a choice box: the field's text when chosen and the words shown.
struct ChoiceOption {
  QString stored;
  QString words;
};

// One row of a data page: a label, a box, or both. A row without a box
// and with a text field is a heading that shows the field.
struct EntryRow {
  QString labelName;  // object name of the label ("" for none)
  QString caption;    // label text, or the words before the leader dots
  QString editName;   // object name of the box ("" for none)
  PlanField field;
  EntryKind kind = EntryKind::Dollars;
  bool readOnly = false;
  LabelText label = LabelText::Given;
  int editWidth = 0;  // 0: the page grid's
  RowPlace place = {};
  // Where the box is read among the page's boxes, when the page's rule fixes
  // an order other than the rows'; equal values keep row order.
  int parseOrder = 0;
  // A Button label opens this page or, without one, shows `note`.
  std::optional<PageId> opens = {};
  QString note = {};
  // Given, the box is a choice among these instead of a line to type in; an
  // empty field reads as the first.
  std::vector<ChoiceOption> choices = {};
};

// The label's and the box's rectangles of `row` on `grid`, on the line at `top`.
struct RowRects {
  QRect label;
  QRect edit;
};
RowRects PlaceRow(const EntryRow& row, const PageGrid& grid, int top);
// How many lines `rows` take (rows beside another take none of their own).
int LineCount(const std::vector<EntryRow>& rows);
// The row indices in the order their boxes are read.
std::vector<std::size_t> ParseOrder(const std::vector<EntryRow>& rows);

struct ParseOutcome {
  bool error = false;  // some box did not parse (its field kept its value)
  bool blank = false;  // some box was blank (it parsed as 0)
};

// The boxes of a page bound to their fields: fill shows every field, Parse
// reads the writable boxes back in order, storing what parsed.
class EntryBindings {
 public:
  void Bind(QLineEdit* edit, PlanField field, EntryKind kind, bool readOnly = false);
  // Binds the boxes built for `rows` (null for a row without one), in parse order.
  void BindRows(const std::vector<EntryRow>& rows, const std::vector<QLineEdit*>& edits);
  void BindChoice(QComboBox* box, PlanField field, std::vector<ChoiceOption> options);
  void Fill(const PlanRecord& plan) const;
  ParseOutcome Parse(PlanRecord& plan) const;
  // Shows only the boxes bound to these fields (a total after Update).
  void FillField(const PlanRecord& plan, const PlanField& field) const;
  // The box bound to `field`, or null.
  QLineEdit* EditFor(const PlanField& field) const;
  QComboBox* ChoiceFor(const PlanField& field) const;

 private:
  struct Binding {
    QLineEdit* edit;
    PlanField field;
    EntryKind kind;
    bool readOnly;
  };
  struct ChoiceBinding {
    QComboBox* box;
    PlanField field;
    std::vector<ChoiceOption> options;
  };
  std::vector<Binding> bindings_;
  std::vector<ChoiceBinding> choices_;
};

// The option a field's text stands for (case and spaces aside; empty is the
// first), or -1 for a text none stands for.
int ChoiceIndex(const std::vector<ChoiceOption>& options, const QString& text);

// Set on a box whose text did not parse at the last reading (why, in words),
// cleared when it does: the data error names the first such box, says why and
// puts the cursor there.
inline constexpr char kEntryErrorProperty[] = "entryError";
void MarkEntryError(QLineEdit* edit, const QString& reason);
// Why the box was refused at its last reading; empty when it was not.
QString EntryErrorOf(const QLineEdit* edit);

// Reads `edit` into its field as ParseEntry does and marks the box by the outcome.
std::int32_t ParseBox(QLineEdit* edit, PlanRecord& plan, const PlanField& field, bool& blank,
                      EntryKind kind = EntryKind::Dollars);
