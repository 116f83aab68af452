#include "pages/HomeStatusPage.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <algorithm>

#include "engine/Factors.h"
#include "engine/Money.h"
#include "pages/HomeStatusRows.h"
#include "pages/HomeStatusTexts.h"
#include "pages/HomeWarnings.h"
#include "shell/PageMenus.h"

namespace {

constexpr PageGrid kGrid = kWidePageGrid;
constexpr int kFirstRowTop = 84;

// The situations in the order of their buttons.
constexpr std::array<HomeSituation, 5> kSituations = {HomeSituation::Rent, HomeSituation::Own,
                                                      HomeSituation::RentThenBuy, HomeSituation::OwnThenBuyAnother,
                                                      HomeSituation::OwnThenRent};
// The buttons' object names, in the same order.
const char* const kSituationNames[5] = {"Rent", "Own", "RentThenBuy", "OwnThenBuyAnother", "OwnThenRent"};

// Row 9 sits between rows 1 and 2 on screen; the rows that share a situation
// never overlap.
int RowTop(int row) {
  const int slot = row == 9 ? 1 : (row == 1 ? 0 : row);
  return kFirstRowTop + slot * kGrid.rowHeight;
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

HomeStatusPage::HomeStatusPage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent)
    : DataPage(PageId::HomeStatus, session, platform, navigator, parent) {
  setWindowTitle("Assets - Home Details");
  SetClientSize(QSize(536, 500));
  BuildControls();
  BuildMenu();
  HideAllRows();
}

void HomeStatusPage::BuildControls() {
  auto* panel = new QFrame(Content());
  panel->setObjectName("HomeSituations");
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Raised);
  panel->setGeometry(kGrid.left, 8, kGrid.right - kGrid.left, 66);
  panel->setToolTip("Select home status radio button");
  // Three columns: rent and own; the two planned purchases; the move to renting.
  const QRect places[5] = {QRect(8, 8, 64, 22), QRect(8, 36, 64, 22), QRect(76, 8, 256, 22), QRect(76, 36, 256, 22),
                           QRect(336, 8, 176, 22)};
  for (int i = 0; i < 5; ++i) {
    auto* button = new QRadioButton(home_status_texts::kButtonCaptions[i], panel);
    button->setObjectName(kSituationNames[i]);
    button->setGeometry(places[i]);
    const HomeSituation situation = kSituations[i];
    connect(button, &QRadioButton::toggled, this, [this, situation](bool checked) {
      if (checked) SituationChosen(situation);
    });
    buttons_[i] = button;
  }

  // Rows 1..9 stand empty until a situation gives them words and figures.
  // They are made top to bottom, so Tab follows the boxes as drawn.
  for (const int row : {1, 9, 2, 3, 4, 5, 6, 7, 8}) {
    const EntryRow empty = home_status_rows::Row(row, "", {});
    edits_[row - 1] = AddRows({empty}, kGrid, RowTop(row)).front();
    labels_[row - 1] = Content()->findChild<QLabel*>(empty.labelName);
  }
  const int memoTop = RowTop(8) + kGrid.rowHeight + 8;
  memo_ = AddMemo("Instructions", QRect(kGrid.left, memoTop, kGrid.right - kGrid.left, 492 - memoTop), QString());
}

QLineEdit* HomeStatusPage::EditFor(const PlanField& field) const {
  for (const EntryRow& row : HomeStatusRows(HomeSituationOf(session_.plan.HomeStatus))) {
    if (row.field == field) return EditOf(row);
  }
  return nullptr;
}

QLineEdit* HomeStatusPage::EditOf(const EntryRow& row) const { return Content()->findChild<QLineEdit*>(row.editName); }

void HomeStatusPage::BuildMenu() {
  AddMenuCommand(MenuBar(), "&Return", "Return", [this] { ReturnToAssets(); });
  AddWindowMenu(MenuBar(), *this, {kHelpContext});
}

void HomeStatusPage::Refresh() {
  fillDue_ = true;
  update();
}

void HomeStatusPage::paintEvent(QPaintEvent* event) {
  FillIfDue();
  DataPage::paintEvent(event);
}

void HomeStatusPage::FillIfDue() {
  if (!fillDue_) return;
  fillDue_ = false;
  FillHomeStatusPage();
}

void HomeStatusPage::FillHomeStatusPage() {
  const PlanRecord& plan = session_.plan;
  SetCaptionTitle(home_status_texts::kTitle);
  for (QLineEdit* edit : edits_) edit->setText("$0");
  for (const EntryRow& row : HomeStatusRows(HomeSituationOf(plan.HomeStatus))) {
    EditOf(row)->setText(FormatEntry(plan, row.field, row.kind));
  }
  SelectHomeStatusButton();
}

void HomeStatusPage::SelectHomeStatusButton() {
  const auto known = std::find(kSituations.begin(), kSituations.end(), HomeSituationOf(session_.plan.HomeStatus));
  if (known == kSituations.end()) return;
  QRadioButton* chosen = buttons_[static_cast<std::size_t>(known - kSituations.begin())];
  chosen->setChecked(true);
  // The page opens with the cursor on its first button; it belongs on the
  // chosen one, so that a stray space bar cannot change the situation.
  if (std::find(buttons_.begin(), buttons_.end(), window()->focusWidget()) != buttons_.end()) chosen->setFocus();
}

void HomeStatusPage::SituationChosen(HomeSituation situation) {
  KeepTypedTexts(HomeSituationOf(session_.plan.HomeStatus));
  ShowSituationLayout(situation);
  for (const EntryRow& row : HomeStatusRows(situation)) {
    EditOf(row)->setText(QString::fromStdString(session_.working.HomeEditTexts[HomeFigureIndex(row.field)]));
  }
  session_.plan.HomeStatus = StoredValue(situation);
}

void HomeStatusPage::KeepTypedTexts(HomeSituation situation) {
  for (const EntryRow& row : HomeStatusRows(situation)) {
    session_.working.HomeEditTexts[HomeFigureIndex(row.field)] = EditOf(row)->text().toStdString();
  }
}

void HomeStatusPage::HideAllRows() {
  for (int i = 0; i < 9; ++i) {
    labels_[i]->clear();
    labels_[i]->hide();
    edits_[i]->hide();
  }
}

void HomeStatusPage::ShowSituationLayout(HomeSituation situation) {
  HideAllRows();
  for (const EntryRow& row : HomeStatusRows(situation)) {
    QLabel* label = Content()->findChild<QLabel*>(row.labelName);
    SetLeaderText(label, row.caption);
    label->show();
    EditOf(row)->show();
  }
  memo_->setPlainText(home_status_texts::Instructions(situation));
}

bool HomeStatusPage::ValidateHomeStatusPage() {
  FillIfDue();
  PlanRecord& plan = session_.plan;
  const HomeSituation situation = HomeSituationOf(plan.HomeStatus);
  // What the situation rules out is cleared before the boxes are read.
  if (situation == HomeSituation::Rent) {
    ClearCurrentHome(plan);
    plan.YearsToMove = 1;
    ClearNewHome(plan);
  } else if (situation == HomeSituation::RentThenBuy) {
    ClearCurrentHome(plan);
  }

  bool error = false;
  for (const EntryRow& row : HomeStatusRows(situation)) {
    bool blank = false;
    if (ParseBox(EditOf(row), plan, row.field, blank, row.kind) != 0) error = true;
  }

  if (situation == HomeSituation::Own) {
    plan.YearsToMove = 1;
    ClearNewHome(plan);
    plan.AnnualRent = 0;
  } else if (situation == HomeSituation::OwnThenBuyAnother) {
    plan.AnnualRent = 0;
  }

  if (error) {
    ShowError(home_status_texts::kDataError);
    return false;
  }
  if (situation == HomeSituation::Rent || situation == HomeSituation::RentThenBuy) {
    plan.HomeMortgageOrRent = plan.AnnualRent;
    plan.HomeRealEstateTax = 0;
  } else if (OwnsHomeNow(plan.HomeStatus)) {
    plan.HomeMortgageOrRent = RoundMoney(AnnuityFactor(plan, plan.MortgageYears) * plan.MortgageBalance);
    plan.HomeRealEstateTax = plan.HomeTaxes;
  }
  if (plan.YearsToMove <= 0) plan.YearsToMove = 1;
  return ConfirmLikelyMistypes();
}

bool HomeStatusPage::ConfirmLikelyMistypes() { return ConfirmOnce(mistypes_, HomeWarnings(session_.plan)); }

void HomeStatusPage::ReturnToAssets() {
  if (ValidateHomeStatusPage()) navigator_.ReturnToPage(PageId::HomeStatus, PageId::Assets);
}

// The situation follows the checked button; with none checked (a status the
// page does not know) the plan keeps its own.
void HomeStatusPage::Hidden() {
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    if (buttons_[i]->isChecked()) session_.plan.HomeStatus = StoredValue(kSituations[i]);
  }
}
