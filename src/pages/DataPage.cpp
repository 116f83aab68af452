#include "pages/DataPage.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

#include "pages/ControlNames.h"
#include "shell/DocumentedKeys.h"
#include "shell/PageMenus.h"
#include "shell/PlanFileFlows.h"
#include "shell/WindowSettings.h"

namespace {
const QColor kReadOnlyColour(0, 255, 255);  // aqua
}

DataPage::DataPage(PageId id, Session& session, Platform& platform, Navigator& navigator, QWidget* parent)
    : Page(id, session, platform, navigator, parent) {
  AddPageKeys();
}

LeaveDecision DataPage::DecideLeaving(PageId, LeaveBy) {
  return ValidatePage() ? LeaveDecision::Go() : LeaveDecision::Stay();
}

void DataPage::Activated() {
  // A return from the about box or a detail page is no new arrival.
  const PageId from = session_.LastPageLeft;
  if (from != Id() && from != PageId::About && from != PageId::Text) cameFrom_ = from;
  NameControlsFromLabels(Content());
}

void DataPage::AddPageKeys() {
  const struct {
    const char* name;
    QKeySequence::StandardKey key;
  } commands[] = {{"New", QKeySequence::New},
                  {"Open", QKeySequence::Open},
                  {"Save", QKeySequence::Save},
                  {"SaveAs", QKeySequence::SaveAs},
                  {"Exit", QKeySequence::Quit}};
  for (const auto& command : commands) {
    auto* action = new QAction(this);
    action->setObjectName(command.name);
    SetPlanFileShortcut(action, command.key);
    const QString name = command.name;
    connect(action, &QAction::triggered, this, [this, name] { RunPlanCommand(name); });
    addAction(action);
  }
  auto* next = new QAction(this);
  next->setObjectName("NextBox");
  next->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
  DescribeKey(next, "on a data page, the next box, as Tab does");
  // A focused button is pressed, as Enter does in a dialog; a box hands the
  // cursor on.
  connect(next, &QAction::triggered, this, [this] {
    if (auto* button = qobject_cast<QAbstractButton*>(focusWidget())) {
      button->click();
    } else {
      focusNextChild();
    }
  });
  addAction(next);
  auto* back = new QAction(this);
  back->setObjectName("GoBack");
  back->setShortcut(QKeySequence(Qt::Key_Escape));
  DescribeKey(back, "on a data page, back to the page you came from, checking the entries as leaving does");
  connect(back, &QAction::triggered, this, [this] { GoBack(); });
  addAction(back);
}

void DataPage::RunPlanCommand(const QString& name) {
  if (DecideLeaving(Id(), LeaveBy::Command).kind == LeaveDecision::Kind::Stay) return;
  if (name == "Save" || name == "SaveAs") {
    // The file gets what the result pages would save: the plan with the
    // values its forecast computes.
    session_.RunForecastForView();
    if (name == "Save" ? SavePlan(session_, platform_, this) : SavePlanAs(session_, platform_, this))
      SaveWindowSettings(session_, platform_.settings, navigator_.WindowTop(), navigator_.WindowLeft());
    Refresh();
    navigator_.PlanStateChanged();
  } else if (name == "Exit") {
    if (SaveFirst(session_, platform_, this)) navigator_.ExitProgram();
    navigator_.PlanStateChanged();
  } else {
    navigator_.RunOnGraphPage(Id(), name);
  }
}

namespace {

// The first box, in Tab order, whose text did not parse.
QLineEdit* FirstBoxInError(QWidget* page) {
  for (QWidget* w = page->nextInFocusChain(); w && w != page; w = w->nextInFocusChain()) {
    auto* box = qobject_cast<QLineEdit*>(w);
    if (box && page->isAncestorOf(box) && box->isVisibleTo(page) && !EntryErrorOf(box).isEmpty()) return box;
  }
  return nullptr;
}

}  // namespace

void DataPage::ShowError(const QString& text) {
  QLineEdit* box = FirstBoxInError(this);
  if (!box) {
    Page::ShowError(text);
    return;
  }
  NameControlsFromLabels(Content());
  const QString where = box->accessibleName();
  const QString why = EntryErrorOf(box);
  Page::ShowError((where.isEmpty() ? text : text + '\n' + where) + '\n' + why);
  // Each error is told once; the next reading marks the boxes again.
  for (QLineEdit* edit : Content()->findChildren<QLineEdit*>()) MarkEntryError(edit, QString());
  box->setFocus(Qt::OtherFocusReason);
  box->selectAll();
}

void DataPage::AddKeyFor(QWidget* control, const QKeySequence& key, const QString& does, std::function<void()> action) {
  auto* shortcut = new QShortcut(key, this);
  DescribeKey(shortcut, does, control);
  connect(shortcut, &QShortcut::activated, control, [action = std::move(action)] { action(); });
  const QString shown = key.toString(QKeySequence::NativeText);
  control->setToolTip(control->toolTip().isEmpty() ? shown : control->toolTip() + " (" + shown + ")");
}

void DataPage::AddKeyFor(QLineEdit* box, const QKeySequence& key, const QString& does) {
  AddKeyFor(box, key, does, [box] {
    box->setFocus(Qt::ShortcutFocusReason);
    box->selectAll();
  });
}

bool DataPage::ConfirmOnce(OnceWarnings& once, const std::vector<std::string>& warnings) {
  return once.Confirm(warnings, [this](const QString& notice) {
    return platform_.prompts.Warning(this, notice, QuestionKind::YesNo) == PromptButton::Yes;
  });
}

QLabel* DataPage::AddLabel(const QString& objectName, const QString& caption, QRect geometry) {
  auto* label = new QLabel(caption, Content());
  label->setObjectName(objectName);
  label->setGeometry(geometry);
  return label;
}

QLabel* DataPage::AddLeaderLabel(const QString& objectName, const QString& words, QRect geometry) {
  QLabel* label = AddLabel(objectName, QString(), geometry);
  SetLeaderText(label, words);
  return label;
}

void DataPage::SetLeaderText(QLabel* label, const QString& words) {
  if (words.isEmpty()) {
    label->clear();
    return;
  }
  const QFontMetrics metrics(label->font());
  QString text = words + ' ';
  while (metrics.horizontalAdvance(text + '.') <= label->width()) text += '.';
  label->setText(text);
}

QLabel* DataPage::AddHeading(const QString& objectName, const QString& text, QRect geometry) {
  QLabel* label = AddLabel(objectName, text, geometry);
  QFont font = label->font();
  font.setBold(true);
  font.setUnderline(true);
  label->setFont(font);
  return label;
}

QLineEdit* DataPage::AddEdit(const QString& objectName, QRect geometry, bool readOnly) {
  auto* edit = new QLineEdit(Content());
  edit->setObjectName(objectName);
  edit->setGeometry(geometry);
  if (readOnly) {
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, kReadOnlyColour);
    edit->setPalette(palette);
  }
  return edit;
}

QPlainTextEdit* DataPage::AddMemo(const QString& objectName, QRect geometry, const QString& text, const QString& hint) {
  auto* memo = new QPlainTextEdit(Content());
  memo->setObjectName(objectName);
  memo->setGeometry(geometry);
  memo->setReadOnly(true);
  memo->setFocusPolicy(Qt::NoFocus);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // The text wraps at the memo's width; without this a stale horizontal bar
  // is left over from the layout before the page is first shown.
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo->setToolTip(hint);
  memo->setPlainText(text);
  return memo;
}

void DataPage::SetPageColour(const QColor& colour) {
  Content()->setAutoFillBackground(true);
  QPalette palette = Content()->palette();
  palette.setColor(QPalette::Window, colour);
  Content()->setPalette(palette);
}

std::vector<QLineEdit*> DataPage::AddRows(const std::vector<EntryRow>& rows, const PageGrid& grid, int top) {
  std::vector<QLineEdit*> edits;
  int y = top - grid.rowHeight;
  for (const EntryRow& row : rows) {
    if (!row.place.sameLine) y += grid.rowHeight;
    const RowRects rects = PlaceRow(row, grid, y);
    if (!row.labelName.isEmpty()) {
      switch (row.label) {
        case LabelText::Given:
          AddLabel(row.labelName, row.caption, rects.label);
          break;
        case LabelText::Leaders:
          AddLeaderLabel(row.labelName, row.caption, rects.label);
          break;
        case LabelText::Button: {
          auto* button = new QPushButton(row.caption, Content());
          button->setObjectName(row.labelName);
          button->setGeometry(rects.label);
          break;
        }
      }
    }
    if (!row.choices.empty()) {
      AddChoiceBox(row, rects.edit);
      edits.push_back(nullptr);
      continue;
    }
    edits.push_back(row.editName.isEmpty() ? nullptr : AddEdit(row.editName, rects.edit, row.readOnly));
  }
  return edits;
}

QComboBox* DataPage::AddChoiceBox(const EntryRow& row, QRect geometry) {
  auto* box = new QComboBox(Content());
  box->setObjectName(row.editName);
  box->setGeometry(geometry);
  for (const ChoiceOption& option : row.choices) box->addItem(option.words);
  return box;
}

std::vector<QLineEdit*> DataPage::AddEntryRows(const std::vector<EntryRow>& rows, const PageGrid& grid, int top) {
  std::vector<QLineEdit*> edits = AddRows(rows, grid, top);
  bindings_.BindRows(rows, edits);
  for (const EntryRow& row : rows) {
    if (!row.choices.empty())
      bindings_.BindChoice(Content()->findChild<QComboBox*>(row.editName), row.field, row.choices);
  }
  return edits;
}
