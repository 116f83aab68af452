#include "pages/CategoryPage.h"

#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int kTop = 10;
constexpr int kRowHeight = 26;
constexpr int kYearsWidth = 58;

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
  BuildLines();
  BuildMenu({layout_.update, layout_.returnName, layout_.window});
}

void CategoryPage::BuildLines() {
  const int editLeft = kBoxRight - kAmountWidth;
  int y = kTop;
  for (const CategoryLine& line : layout_.lines) {
    std::vector<QWidget*> widgets;
    const QRect labelRect(kLabelLeft, y, editLeft - kLabelLeft - 4, kRowHeight - 2);
    switch (line.kind) {
      case CategoryLineKind::Heading: {
        QLabel* label = AddLabel(line.entry.labelName, line.entry.caption, labelRect);
        if (line.name) nameLabels_.emplace_back(label, line.name);
        widgets.push_back(label);
        break;
      }
      case CategoryLineKind::Entry: {
        widgets.push_back(AddEdit(line.entry.editName, QRect(editLeft, y, kAmountWidth, kRowHeight - 2),
                                  line.entry.readOnly));
        widgets.push_back(AddLabel(line.entry.labelName, line.entry.caption, labelRect));
        break;
      }
      case CategoryLineKind::YearsPair: {
        // "Years Had [..]   Years Remaining [..]", the second box in the box column.
        const int firstBoxLeft = 150;
        widgets.push_back(AddLabel(line.entry.labelName, line.entry.caption,
                                   QRect(kLabelLeft + 20, y, firstBoxLeft - kLabelLeft - 24, kRowHeight - 2)));
        widgets.push_back(AddEdit(line.entry.editName, QRect(firstBoxLeft, y, kYearsWidth, kRowHeight - 2)));
        widgets.push_back(AddLabel(line.second.labelName, line.second.caption,
                                   QRect(firstBoxLeft + kYearsWidth + 20, y, 150, kRowHeight - 2)));
        widgets.push_back(AddEdit(line.second.editName, QRect(editLeft, y, kYearsWidth, kRowHeight - 2)));
        break;
      }
    }
    if (line.red) MakeRed(qobject_cast<QLabel*>(widgets.back()));
    for (QWidget* widget : widgets) {
      auto* edit = qobject_cast<QLineEdit*>(widget);
      if (!edit) continue;
      const EntryRow& row = edit->objectName() == line.entry.editName ? line.entry : line.second;
      (line.secondPerson ? secondBindings_ : bindings_).Bind(edit, row.field, row.kind, row.readOnly);
    }
    if (line.secondPerson) secondPersonWidgets_.insert(secondPersonWidgets_.end(), widgets.begin(), widgets.end());
    y += kRowHeight;
  }
  ApplyFonts();
  AddInstructions(y + 8, layout_.instructions, layout_.instructionsHint);
}

QLineEdit* CategoryPage::EditFor(const PlanField& field) const {
  QLineEdit* edit = bindings_.EditFor(field);
  return edit ? edit : secondBindings_.EditFor(field);
}

void CategoryPage::Refresh() {
  SetCaptionTitle(layout_.title);
  for (const auto& [label, name] : nameLabels_) label->setText(QString::fromStdString(session_.plan.*name));
  for (QWidget* widget : secondPersonWidgets_) widget->setVisible(session_.plan.SecondPerson);
  bindings_.Fill(session_.plan);
  secondBindings_.Fill(session_.plan);
}

void CategoryPage::ClearSecondPerson() {
  for (const CategoryLine& line : layout_.lines) {
    if (!line.secondPerson || line.kind != CategoryLineKind::Entry) continue;
    std::visit([this](auto member) { session_.plan.*member = {}; }, line.entry.field);
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
  if (layout_.total) bindings_.FillField(session_.plan, *layout_.total);
}
