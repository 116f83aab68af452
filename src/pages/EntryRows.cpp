#include "pages/EntryRows.h"

#include <QComboBox>
#include <QLineEdit>
#include <algorithm>
#include <numeric>

#include "pages/EntryRefusal.h"

RowRects PlaceRow(const EntryRow& row, const PageGrid& grid, int top) {
  const int editWidth = row.editWidth > 0 ? row.editWidth : grid.editWidth;
  int editLeft = row.place.editLeft;
  if (editLeft == 0) editLeft = grid.alignBoxesLeft ? grid.EditLeft() : grid.right - editWidth;
  const int boxHeight = grid.BoxHeight();
  const QRect edit(editLeft, top, editWidth, boxHeight);
  const int labelLeft = row.place.labelLeft > 0 ? row.place.labelLeft : grid.left;
  const int labelWidth = row.place.labelWidth > 0 ? row.place.labelWidth : editLeft - labelLeft - 4;
  // Leader dots sit two pixels lower, on the box's text line.
  const QRect label = row.label == LabelText::Leaders ? QRect(labelLeft, top + 2, labelWidth, boxHeight - 2)
                                                      : QRect(labelLeft, top, labelWidth, boxHeight);
  return {label, edit};
}

int LineCount(const std::vector<EntryRow>& rows) {
  return static_cast<int>(
      std::count_if(rows.begin(), rows.end(), [](const EntryRow& row) { return !row.place.sameLine; }));
}

std::vector<std::size_t> ParseOrder(const std::vector<EntryRow>& rows) {
  std::vector<std::size_t> order(rows.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&rows](std::size_t a, std::size_t b) { return rows[a].parseOrder < rows[b].parseOrder; });
  return order;
}

void EntryBindings::BindRows(const std::vector<EntryRow>& rows, const std::vector<QLineEdit*>& edits) {
  for (std::size_t i : ParseOrder(rows)) {
    if (i < edits.size() && edits[i]) Bind(edits[i], rows[i].field, rows[i].kind, rows[i].readOnly);
  }
}

std::int32_t ParseBox(QLineEdit* edit, PlanRecord& plan, const PlanField& field, bool& blank, EntryKind kind) {
  // A box still showing its field's own text is left alone: a rate with more
  // decimals than the box shows keeps them when the page is only visited.
  if (edit->text() == FormatEntry(plan, field, kind)) {
    MarkEntryError(edit, {});
    return 0;
  }
  const std::int32_t errorCode = ParseEntry(edit->text(), plan, field, blank);
  MarkEntryError(edit, errorCode == 0 ? QString() : EntryRefusal(edit->text(), field, kind));
  return errorCode;
}

void MarkEntryError(QLineEdit* edit, const QString& reason) { edit->setProperty(kEntryErrorProperty, reason); }

QString EntryErrorOf(const QLineEdit* edit) { return edit->property(kEntryErrorProperty).toString(); }

void EntryBindings::Bind(QLineEdit* edit, PlanField field, EntryKind kind, bool readOnly) {
  bindings_.push_back({edit, field, kind, readOnly});
}

void EntryBindings::BindChoice(QComboBox* box, PlanField field, std::vector<ChoiceOption> options) {
  choices_.push_back({box, std::move(field), std::move(options)});
}

int ChoiceIndex(const std::vector<ChoiceOption>& options, const QString& text) {
  const auto key = [](const QString& words) { return words.toLower().remove(' '); };
  if (text.trimmed().isEmpty()) return options.empty() ? -1 : 0;
  for (std::size_t i = 0; i < options.size(); ++i) {
    if (key(options[i].stored) == key(text)) return static_cast<int>(i);
  }
  return -1;
}

void EntryBindings::Fill(const PlanRecord& plan) const {
  for (const Binding& b : bindings_) b.edit->setText(FormatEntry(plan, b.field, b.kind));
  // A text no option stands for shows no choice and stays until one is made.
  for (const ChoiceBinding& c : choices_)
    c.box->setCurrentIndex(ChoiceIndex(c.options, FormatEntry(plan, c.field, EntryKind::Whole)));
}

void EntryBindings::FillField(const PlanRecord& plan, const PlanField& field) const {
  for (const Binding& b : bindings_) {
    if (b.field == field) b.edit->setText(FormatEntry(plan, b.field, b.kind));
  }
}

QComboBox* EntryBindings::ChoiceFor(const PlanField& field) const {
  for (const ChoiceBinding& c : choices_) {
    if (c.field == field) return c.box;
  }
  return nullptr;
}

QLineEdit* EntryBindings::EditFor(const PlanField& field) const {
  for (const Binding& b : bindings_) {
    if (b.field == field) return b.edit;
  }
  return nullptr;
}

ParseOutcome EntryBindings::Parse(PlanRecord& plan) const {
  ParseOutcome outcome;
  for (const Binding& b : bindings_) {
    if (b.readOnly) continue;
    if (ParseBox(b.edit, plan, b.field, outcome.blank, b.kind) != 0) outcome.error = true;
  }
  // As with a box, a choice that still shows the field's own value leaves the field as it is.
  for (const ChoiceBinding& c : choices_) {
    const int chosen = c.box->currentIndex();
    if (chosen < 0 || chosen == ChoiceIndex(c.options, FormatEntry(plan, c.field, EntryKind::Whole))) continue;
    bool blank = false;
    ParseEntry(c.options[static_cast<std::size_t>(chosen)].stored, plan, c.field, blank);
  }
  return outcome;
}
