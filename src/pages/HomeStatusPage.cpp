#include "pages/HomeStatusPage.h"

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

constexpr PageGrid kGrid = kWidePageGrid;
constexpr int kFirstRowTop = 84;

// The record field behind each remembered figure, in HomeFigure order.
struct FigureField {
  PlanField field;
  EntryKind kind;
};
const std::array<FigureField, 9> kFigureFields = {{
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

// The situations in the order of their buttons.
constexpr std::array<HomeSituation, 5> kSituations = {HomeSituation::Rent, HomeSituation::Own,
                                                      HomeSituation::RentThenBuy, HomeSituation::OwnThenBuyAnother,
                                                      HomeSituation::OwnThenRent};

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
  panel->setObjectName("Panel1");
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Raised);
  panel->setGeometry(kGrid.left, 8, kGrid.right - kGrid.left, 66);
  panel->setToolTip("Select home status radio button");
  // Three columns: rent and own; the two planned purchases; the move to renting.
  const QRect places[5] = {QRect(8, 8, 64, 22), QRect(8, 36, 64, 22), QRect(76, 8, 256, 22), QRect(76, 36, 256, 22),
                           QRect(336, 8, 176, 22)};
  for (int i = 0; i < 5; ++i) {
    auto* button = new QRadioButton(home_status_texts::kButtonCaptions[i], panel);
    button->setObjectName(QString("RadioButton%1").arg(i + 1));
    button->setGeometry(places[i]);
    const HomeSituation situation = kSituations[i];
    connect(button, &QRadioButton::toggled, this, [this, situation](bool checked) {
      if (checked) SituationChosen(situation);
    });
    buttons_[i] = button;
  }

  for (int row = 1; row <= 9; ++row) {
    const int top = RowTop(row);
    labels_[row - 1] =
        AddLabel(QString("Label%1").arg(row), QString(), QRect(kGrid.left, top + 2, kGrid.EditLeft() - kGrid.left - 4, kGrid.rowHeight - 4));
    edits_[row - 1] = AddEdit(QString("Edit%1").arg(row), QRect(kGrid.EditLeft(), top, kGrid.editWidth, kGrid.rowHeight - 2));
  }
  const int memoTop = RowTop(8) + kGrid.rowHeight + 8;
  memo_ = AddMemo("Memo1", QRect(kGrid.left, memoTop, kGrid.right - kGrid.left, 492 - memoTop), QString());
}

QLineEdit* HomeStatusPage::EditFor(const PlanField& field) const {
  for (const HomeStatusRow& row : HomeStatusRows(HomeSituationOf(session_.plan.HomeStatus))) {
    if (kFigureFields[row.figure].field == field) return edits_[row.row - 1];
  }
  return nullptr;
}

void HomeStatusPage::BuildMenu() {
  AddMenuCommand(MenuBar(), "&Return", "Return1", [this] { ReturnToAssets(); });
  QMenu* windows = AddWindowMenu(MenuBar(), *this, {kHelpContext});
  windows->setTitle("&Windows");
  windows->setObjectName("Windows1");
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
  for (const HomeStatusRow& row : HomeStatusRows(HomeSituationOf(plan.HomeStatus))) {
    const FigureField& figure = kFigureFields[row.figure];
    edits_[row.row - 1]->setText(FormatEntry(plan, figure.field, figure.kind));
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
  for (const HomeStatusRow& row : HomeStatusRows(situation)) {
    edits_[row.row - 1]->setText(QString::fromStdString(session_.working.HomeEditTexts[row.figure]));
  }
  session_.plan.HomeStatus = StoredValue(situation);
}

void HomeStatusPage::KeepTypedTexts(HomeSituation situation) {
  for (const HomeStatusRow& row : HomeStatusRows(situation)) {
    session_.working.HomeEditTexts[row.figure] = edits_[row.row - 1]->text().toStdString();
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
  for (const HomeStatusRow& row : HomeStatusRows(situation)) {
    QLabel* label = labels_[row.row - 1];
    SetLeaderText(label, row.words);
    label->show();
    edits_[row.row - 1]->show();
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
  for (const HomeStatusRow& row : HomeStatusRows(situation)) {
    bool blank = false;
    if (ParseBox(edits_[row.row - 1], plan, kFigureFields[row.figure].field, blank) != 0) error = true;
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
  return true;
}

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
