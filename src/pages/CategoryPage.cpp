#include "pages/CategoryPage.h"

#include <QLabel>
#include <QLineEdit>

namespace {

constexpr PageGrid kGrid = kCategoryPageGrid;
constexpr int kTop = 10;

void MakeRed(QLabel* label) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Qt::red);
  label->setPalette(palette);
}

}  // namespace

CategoryPage::CategoryPage(CategoryPageLayout layout, Session& session, Platform& platform, Navigator& navigator,
                           QWidget* parent)
    : CategoryPageBase(layout.id, layout.designCaption, layout.helpContext, session, platform, navigator, parent),
      layout_(std::move(layout)) {
  BuildRows();
  BuildMenu({layout_.update});
}

void CategoryPage::BuildRows() {
  std::vector<EntryRow> rows = layout_.rows;
  rows.insert(rows.end(), layout_.secondPersonRows.begin(), layout_.secondPersonRows.end());
  if (layout_.total) rows.push_back(*layout_.total);
  const std::vector<QLineEdit*> edits = AddRows(rows, kGrid, kTop);

  const auto firstCount = static_cast<std::ptrdiff_t>(layout_.rows.size());
  const auto secondEnd = firstCount + static_cast<std::ptrdiff_t>(layout_.secondPersonRows.size());
  bindings_.BindRows(layout_.rows, {edits.begin(), edits.begin() + firstCount});
  secondBindings_.BindRows(layout_.secondPersonRows, {edits.begin() + firstCount, edits.begin() + secondEnd});
  if (layout_.total) {
    bindings_.BindRows({*layout_.total}, {edits.back()});
    if (layout_.redTotal) MakeRed(Content()->findChild<QLabel*>(layout_.total->labelName));
  }
  secondPersonWidgets_ = WidgetsOf(layout_.secondPersonRows);
  for (const EntryRow& row : rows) {
    if (row.editName.isEmpty() && !std::holds_alternative<std::monostate>(row.field))
      nameLabels_.emplace_back(Content()->findChild<QLabel*>(row.labelName), row.field);
  }

  ApplyFonts();
  AddInstructions(kTop + LineCount(rows) * kGrid.rowHeight + 8, layout_.instructions, layout_.instructionsHint);
}

std::vector<QWidget*> CategoryPage::WidgetsOf(const std::vector<EntryRow>& rows) const {
  std::vector<QWidget*> widgets;
  for (const EntryRow& row : rows) {
    for (const QString& name : {row.labelName, row.editName}) {
      if (!name.isEmpty()) widgets.push_back(Content()->findChild<QWidget*>(name));
    }
  }
  return widgets;
}

QLineEdit* CategoryPage::EditFor(const PlanField& field) const {
  QLineEdit* edit = bindings_.EditFor(field);
  return edit ? edit : secondBindings_.EditFor(field);
}

void CategoryPage::Refresh() {
  SetCaptionTitle(layout_.title);
  for (const auto& [label, field] : nameLabels_) label->setText(FormatEntry(session_.plan, field, EntryKind::Text));
  for (QWidget* widget : secondPersonWidgets_) widget->setVisible(session_.plan.SecondPerson);
  bindings_.Fill(session_.plan);
  secondBindings_.Fill(session_.plan);
}

void CategoryPage::ClearSecondPerson() {
  for (const EntryRow& row : layout_.secondPersonRows) {
    if (!row.editName.isEmpty()) ClearField(session_.plan, row.field);
  }
}

bool CategoryPage::ValidatePage() {
  PlanRecord& plan = session_.plan;
  if (layout_.recomputeBeforeParsing) layout_.recompute(plan);
  bool error = bindings_.Parse(plan).error;
  if (plan.SecondPerson) {
    if (secondBindings_.Parse(plan).error) error = true;
  } else {
    ClearSecondPerson();
  }
  if (!layout_.recomputeBeforeParsing) layout_.recompute(plan);
  if (error) {
    ShowDataEntryError();
    return false;
  }
  return true;
}

void CategoryPage::UpdateTotal() {
  ValidatePage();
  layout_.recompute(session_.plan);
  if (layout_.total) bindings_.FillField(session_.plan, layout_.total->field);
}
