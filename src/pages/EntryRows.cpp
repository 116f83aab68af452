#include "pages/EntryRows.h"

#include <QLineEdit>
#include <algorithm>
#include <numeric>

#include "model/NumberFormat.h"
#include "model/RateRange.h"
#include "pages/EntryRefusal.h"

namespace {

template <class... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

int DecimalsOf(EntryKind kind) { return kind == EntryKind::Decimal1 ? 1 : 2; }

}  // namespace

QString FormatEntry(const PlanRecord& plan, const PlanField& field, EntryKind kind) {
  return std::visit(
      Overloaded{
          [](std::monostate) { return QString(); },
          [&](std::int32_t PlanRecord::*member) {
            const std::int32_t value = plan.*member;
            return kind == EntryKind::Dollars ? QString::fromStdString(FormatDollars(value)) : QString::number(value);
          },
          [&](std::int64_t PlanRecord::*member) {
            const std::int64_t value = plan.*member;
            return kind == EntryKind::Dollars ? QString::fromStdString(FormatDollars(value)) : QString::number(value);
          },
          [&](long double PlanRecord::*member) {
            return QString::fromStdString(FormatDecimal(plan.*member, DecimalsOf(kind)));
          },
          [&](std::string PlanRecord::*member) { return QString::fromStdString(plan.*member); },
      },
      field);
}

std::int32_t ParseEntry(const QString& text, PlanRecord& plan, const PlanField& field, bool& blank) {
  const std::string entry = text.toStdString();
  std::int32_t errorCode = 0;
  std::visit(Overloaded{
                 [](std::monostate) {},
                 [&](std::int32_t PlanRecord::*member) {
                   if (ParseWholeEntry(entry, plan.*member, errorCode)) blank = true;
                 },
                 [&](std::int64_t PlanRecord::*member) {
                   if (ParseDollarEntry(entry, plan.*member, errorCode)) blank = true;
                 },
                 [&](long double PlanRecord::*member) {
                   // Every decimal field is a rate: one outside the range is refused, not stored.
                   long double rate = plan.*member;
                   if (ParseDecimalEntry(entry, rate, errorCode)) blank = true;
                   if (errorCode == 0 && !RateInRange(rate)) errorCode = 1;
                   if (errorCode == 0) plan.*member = rate;
                 },
                 [&](std::string PlanRecord::*member) { plan.*member = entry; },
             },
             field);
  return errorCode;
}

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

void ClearField(PlanRecord& plan, const PlanField& field) {
  std::visit(Overloaded{[](std::monostate) {}, [&plan](auto member) { plan.*member = {}; }}, field);
}

std::int32_t ParseBox(QLineEdit* edit, PlanRecord& plan, const PlanField& field, bool& blank, EntryKind kind) {
  const std::int32_t errorCode = ParseEntry(edit->text(), plan, field, blank);
  MarkEntryError(edit, errorCode == 0 ? QString() : EntryRefusal(edit->text(), field, kind));
  return errorCode;
}

void MarkEntryError(QLineEdit* edit, const QString& reason) { edit->setProperty(kEntryErrorProperty, reason); }

QString EntryErrorOf(const QLineEdit* edit) { return edit->property(kEntryErrorProperty).toString(); }

void EntryBindings::Bind(QLineEdit* edit, PlanField field, EntryKind kind, bool readOnly) {
  bindings_.push_back({edit, field, kind, readOnly});
}

void EntryBindings::Fill(const PlanRecord& plan) const {
  for (const Binding& b : bindings_) b.edit->setText(FormatEntry(plan, b.field, b.kind));
}

void EntryBindings::FillField(const PlanRecord& plan, const PlanField& field) const {
  for (const Binding& b : bindings_) {
    if (b.field == field) b.edit->setText(FormatEntry(plan, b.field, b.kind));
  }
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
  return outcome;
}
