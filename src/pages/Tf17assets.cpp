#include "pages/Tf17assets.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <algorithm>

#include "engine/Factors.h"
#include "engine/Money.h"
#include "pages/HomeStatusRows.h"
#include "pages/HomeStatusTexts.h"
#include "shell/PageMenus.h"

namespace {

constexpr int kLeft = 10;
constexpr int kRight = 526;
constexpr int kRowHeight = 24;
constexpr int kEditWidth = 110;
constexpr int kEditLeft = kRight - kEditWidth;
constexpr int kFirstRowTop = 84;

// The record field behind each remembered quantity T1..T9.
struct Quantity {
  PlanField field;
  EntryKind kind;
};
const std::array<Quantity, 9> kQuantities = {{
    {&PlanRecord::HomeValue, EntryKind::Dollars},
    {&PlanRecord::HomeTaxes, EntryKind::Dollars},
    {&PlanRecord::MortgageBalance, EntryKind::Dollars},
    {&PlanRecord::MortgageYears, EntryKind::Whole},
    {&PlanRecord::YearsToMove, EntryKind::Whole},
    {&PlanRecord::NewHomePrice, EntryKind::Dollars},
    {&PlanRecord::NewMortgage, EntryKind::Dollars},
    {&PlanRecord::NewHomeTaxes, EntryKind::Dollars},
    {&PlanRecord::AnnualRent, EntryKind::Dollars},
}};

// Row 9 sits between rows 1 and 2 on screen; the rows that share a situation
// never overlap.
int RowTop(int row) {
  const int slot = row == 9 ? 1 : (row == 1 ? 0 : row);
  return kFirstRowTop + slot * kRowHeight;
}

void ClearCurrentHome(PlanRecord& plan) {
  plan.HomeValue = 0;
  plan.HomeTaxes = 0;
  plan.MortgageBalance = 0;
  plan.MortgageYears = 0;
}

void ClearNewHome(PlanRecord& plan) {
  plan.NewHomePrice = 0;
  plan.NewMortgage = 0;
  plan.NewHomeTaxes = 0;
}

}  // namespace

Tf17assets::Tf17assets(Session& session, Platform& platform, Navigator& navigator, QWidget* parent)
    : DataPage(kHomeStatusPage, session, platform, navigator, parent) {
  setWindowTitle("Assets - Home Details");
  SetClientSize(QSize(536, 500));
  BuildControls();
  BuildMenu();
  hidealledit();
}

void Tf17assets::BuildControls() {
  auto* panel = new QFrame(Content());
  panel->setObjectName("Panel1");
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Raised);
  panel->setGeometry(kLeft, 8, kRight - kLeft, 66);
  panel->setToolTip("Select home status radio button");
  // Three columns: rent and own; the two planned purchases; the move to renting.
  const QRect places[5] = {QRect(8, 8, 64, 22), QRect(8, 36, 64, 22), QRect(76, 8, 256, 22), QRect(76, 36, 256, 22),
                           QRect(336, 8, 176, 22)};
  for (int i = 0; i < 5; ++i) {
    auto* button = new QRadioButton(home_status_texts::kButtonCaptions[i], panel);
    button->setObjectName(QString("RadioButton%1").arg(i + 1));
    button->setGeometry(places[i]);
    const int situation = i + 1;
    connect(button, &QRadioButton::toggled, this, [this, situation](bool checked) {
      if (checked) RadioButtonClick(situation);
    });
    buttons_[i] = button;
  }

  for (int row = 1; row <= 9; ++row) {
    const int top = RowTop(row);
    labels_[row - 1] =
        AddLabel(QString("Label%1").arg(row), QString(), QRect(kLeft, top + 2, kEditLeft - kLeft - 4, kRowHeight - 4));
    edits_[row - 1] = AddEdit(QString("Edit%1").arg(row), QRect(kEditLeft, top, kEditWidth, kRowHeight - 2));
  }
  const int memoTop = RowTop(8) + kRowHeight + 8;
  memo_ = AddMemo("Memo1", QRect(kLeft, memoTop, kRight - kLeft, 492 - memoTop), QString());
}

void Tf17assets::BuildMenu() {
  AddMenuCommand(MenuBar(), "&Return", "Return1", [this] { Return1Click(); });
  QMenu* windows = AddWindowMenu(MenuBar(), *this, {kHelpContext});
  windows->setTitle("&Windows");
  windows->setObjectName("Windows1");
}

void Tf17assets::Refresh() {
  fillDue_ = true;
  update();
}

void Tf17assets::paintEvent(QPaintEvent* event) {
  FillIfDue();
  DataPage::paintEvent(event);
}

void Tf17assets::FillIfDue() {
  if (!fillDue_) return;
  fillDue_ = false;
  FillHomeStatusPage();
}

void Tf17assets::FillHomeStatusPage() {
  const PlanRecord& plan = session_.plan;
  SetCaptionTitle(home_status_texts::kTitle);
  for (QLineEdit* edit : edits_) edit->setText("$0");
  for (const HomeStatusRow& row : HomeStatusRows(plan.HomeStatus)) {
    const Quantity& q = kQuantities[row.quantity];
    edits_[row.row - 1]->setText(FormatEntry(plan, q.field, q.kind));
  }
  SelectHomeStatusButton();
}

void Tf17assets::SelectHomeStatusButton() {
  const int status = session_.plan.HomeStatus;
  if (status < 1 || status > 5) return;
  QRadioButton* chosen = buttons_[status - 1];
  chosen->setChecked(true);
  // The page opens with the cursor on its first button; it belongs on the
  // chosen one, so that a stray space bar cannot change the situation.
  if (std::find(buttons_.begin(), buttons_.end(), window()->focusWidget()) != buttons_.end()) chosen->setFocus();
}

void Tf17assets::RadioButtonClick(int situation) {
  setedit(session_.plan.HomeStatus);
  ShowSituationLayout(situation);
  for (const HomeStatusRow& row : HomeStatusRows(situation)) {
    edits_[row.row - 1]->setText(QString::fromStdString(session_.working.HomeEditTexts[row.quantity]));
  }
  session_.plan.HomeStatus = situation;
}

void Tf17assets::setedit(int situation) {
  for (const HomeStatusRow& row : HomeStatusRows(situation)) {
    session_.working.HomeEditTexts[row.quantity] = edits_[row.row - 1]->text().toStdString();
  }
}

void Tf17assets::hidealledit() {
  for (int i = 0; i < 9; ++i) {
    labels_[i]->clear();
    labels_[i]->hide();
    edits_[i]->hide();
  }
}

void Tf17assets::ShowSituationLayout(int situation) {
  hidealledit();
  for (const HomeStatusRow& row : HomeStatusRows(situation)) {
    QLabel* label = labels_[row.row - 1];
    SetLeaderText(label, row.words);
    label->show();
    edits_[row.row - 1]->show();
  }
  memo_->setPlainText(home_status_texts::Instructions(situation));
}

bool Tf17assets::ValidateHomeStatusPage() {
  FillIfDue();
  PlanRecord& plan = session_.plan;
  const int status = plan.HomeStatus;
  // What the situation rules out is cleared before the boxes are read.
  if (status == 1) {
    ClearCurrentHome(plan);
    plan.YearsToMove = 1;
    ClearNewHome(plan);
  } else if (status == 3) {
    ClearCurrentHome(plan);
  }

  bool error = false;
  for (const HomeStatusRow& row : HomeStatusRows(status)) {
    bool blank = false;
    const Quantity& q = kQuantities[row.quantity];
    if (ParseEntry(edits_[row.row - 1]->text(), plan, q.field, blank) != 0) error = true;
  }

  if (status == 2) {
    plan.YearsToMove = 1;
    ClearNewHome(plan);
    plan.AnnualRent = 0;
  } else if (status == 4) {
    plan.AnnualRent = 0;
  }

  if (error) {
    ShowError(home_status_texts::kDataError);
    return false;
  }
  if (status == 1 || status == 3) {
    plan.HomeMortgageOrRent = plan.AnnualRent;
    plan.HomeRealEstateTax = 0;
  } else if (status >= 2 && status <= 5) {
    plan.HomeMortgageOrRent = RoundMoney(AnnuityFactor(plan, plan.MortgageYears) * plan.MortgageBalance);
    plan.HomeRealEstateTax = plan.HomeTaxes;
  }
  if (plan.YearsToMove <= 0) plan.YearsToMove = 1;
  return true;
}

void Tf17assets::Return1Click() {
  if (ValidateHomeStatusPage()) navigator_.ReturnToPage(kHomeStatusPage, kAssetsPage);
}

// The situation follows the checked button; with none checked (a status the
// page does not know) the plan keeps its own.
void Tf17assets::FormHide() {
  for (int i = 0; i < 5; ++i) {
    if (buttons_[i]->isChecked()) session_.plan.HomeStatus = i + 1;
  }
}
