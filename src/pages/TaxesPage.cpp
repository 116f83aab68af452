#include "pages/TaxesPage.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "engine/LawYearTax.h"
#include "engine/PageTotals.h"
#include "model/NumberFormat.h"
#include "pages/CategoryTexts.h"
#include "pages/RadioGroupTabStop.h"
#include "pages/TwoChoiceButtons.h"
#include "pages/TaxesTexts.h"
#include "shell/DocumentedKeys.h"
#include "shell/PageMenus.h"
#include "shell/RuleSettings.h"

namespace {

using namespace taxes_texts;

const QColor kGroupColour(0, 128, 0);

std::vector<EntryRow> FirstPersonRows() {
  return {
      {"FederalTax1Label", kFederalTax, "FederalTax1", &PlanRecord::FederalTax1, EntryKind::Dollars, false},
      {"StateTax1Label", kStateTax, "StateTax1", &PlanRecord::StateTax1, EntryKind::Dollars, false},
      {"SocialSecurityTax1Label", kSocialSecurityTax, "SocialSecurityTax1", &PlanRecord::SocialSecurityTax1,
       EntryKind::Dollars, true},
      {"MedicareTax1Label", kMedicareTax, "MedicareTax1", &PlanRecord::MedicareTax1, EntryKind::Dollars, true},
  };
}

std::vector<EntryRow> SecondPersonRows() {
  return {
      {"FederalTax2Label", kFederalTax, "FederalTax2", &PlanRecord::FederalTax2, EntryKind::Dollars, false},
      {"StateTax2Label", kStateTax, "StateTax2", &PlanRecord::StateTax2, EntryKind::Dollars, false},
      {"SocialSecurityTax2Label", kSocialSecurityTax, "SocialSecurityTax2", &PlanRecord::SocialSecurityTax2,
       EntryKind::Dollars, true},
      {"MedicareTax2Label", kMedicareTax, "MedicareTax2", &PlanRecord::MedicareTax2, EntryKind::Dollars, true},
  };
}

const PlanField kFicaFields[] = {&PlanRecord::SocialSecurityTax1, &PlanRecord::MedicareTax1,
                                 &PlanRecord::SocialSecurityTax2, &PlanRecord::MedicareTax2};

// The statuses in the order of their buttons.
constexpr std::array<FilingStatus, 4> kStatuses = {FilingStatus::OneSingle, FilingStatus::Jointly,
                                                   FilingStatus::TwoSingles, FilingStatus::Separately};
// The buttons' object names, in the same order.
const char* const kStatusNames[4] = {"OneSingle", "Jointly", "TwoSingles", "Separately"};

}  // namespace

TaxesPage::TaxesPage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent)
    : DataPage(PageId::Taxes, session, platform, navigator, parent) {
  setWindowTitle(kDesignCaption);
  SetHelpContext(kHelpContext);
  SetClientSize(QSize(500, 626));
  BuildMenu();
  BuildControls();
}

void TaxesPage::BuildMenu() {
  AddMenuCommand(MenuBar(), "&Update", "Update", [this] { UpdateTotals(); });
  AddSetupMenu(MenuBar(), PageId::Taxes, "Assu&mptions", [this](PageId page) { GoTo(page); });
  AddGoToCommand(MenuBar(), PageId::Graph, [this](PageId page) { GoTo(page); });
  AddGoToCommand(MenuBar(), PageId::PlanTable, [this](PageId page) { GoTo(page); });
  AddWindowMenu(MenuBar(), *this, {kHelpContext});
}

void TaxesPage::BuildControls() {
  group_ = new QGroupBox(kFilingStatusGroup, Content());
  group_->setObjectName("FilingStatus");
  group_->setGeometry(8, 4, 484, 66);
  group_->setAutoFillBackground(true);
  QPalette groupPalette = group_->palette();
  groupPalette.setColor(QPalette::Window, kGroupColour);
  groupPalette.setColor(QPalette::WindowText, Qt::white);
  group_->setPalette(groupPalette);
  const char* captions[] = {kOneSinglePerson, kMarriedJointly, kTwoSinglePersons, kMarriedSeparately};
  for (int i = 0; i < 4; ++i) {
    auto* button = new QRadioButton(captions[i], group_);
    button->setObjectName(kStatusNames[i]);
    button->setGeometry(i < 2 ? 16 : 260, i % 2 == 0 ? 20 : 42, 210, 20);
    statusButtons_[static_cast<std::size_t>(i)] = button;
  }
  // One Single Person has no action of its own; the other three set the
  // status as soon as they are checked, by the user or by the fill.
  for (std::size_t i = 1; i < kStatuses.size(); ++i) {
    const FilingStatus status = kStatuses[i];
    connect(statusButtons_[i], &QRadioButton::toggled, this, [this, status](bool checked) {
      if (checked) FilingStatusChosen(status);
    });
  }

  QFont headingFont = font();
  headingFont.setBold(true);
  headingFont.setUnderline(true);
  heading1_ = AddLabel("FirstPersonHeading", QString(), QRect(kTaxesPageGrid.left, 76, 300, 20));
  heading1_->setFont(headingFont);
  AddEntryRows(FirstPersonRows(), kTaxesPageGrid, 98);
  heading2_ = AddLabel("SecondPersonHeading", QString(), QRect(kTaxesPageGrid.left, 196, 300, 20));
  heading2_->setFont(headingFont);
  AddEntryRows(SecondPersonRows(), kTaxesPageGrid, 218);
  AddEntryRows({{"TaxTotalLabel", kTotal, "TaxTotal", &PlanRecord::TaxTotal, EntryKind::Dollars, true}}, kTaxesPageGrid,
               322);
  BuildTaxRulesChoice();
  AddMemo("Instructions", QRect(8, 462, 484, 158),
          QString(kInstructions) + kUpdateInstructions + kNumberFormatInstructions);

  std::vector<EntryRow> rows = FirstPersonRows();
  for (EntryRow& row : SecondPersonRows()) rows.push_back(row);
  for (std::size_t i = 0; i < rows.size(); ++i) amountEdits_[i] = Content()->findChild<QLineEdit*>(rows[i].editName);
  for (int i = 0; i < 4; ++i) {
    secondLabels_[static_cast<std::size_t>(i)] =
        Content()->findChild<QLabel*>(rows[static_cast<std::size_t>(i + 4)].labelName);
    secondEdits_[static_cast<std::size_t>(i)] = amountEdits_[static_cast<std::size_t>(i + 4)];
  }
  // Tab order: person 1's taxes, person 2's taxes, then the status group.
  setTabOrder(amountEdits_[0], amountEdits_[1]);
  setTabOrder(amountEdits_[1], amountEdits_[4]);
  setTabOrder(amountEdits_[4], amountEdits_[5]);
  setTabOrder(amountEdits_[5], statusButtons_[0]);
}

void TaxesPage::Refresh() {
  fillDue_ = true;
  update();
}

void TaxesPage::paintEvent(QPaintEvent* event) {
  DataPage::paintEvent(event);
  FillIfDue();
}

void TaxesPage::FillIfDue() {
  if (!fillDue_) return;
  fillDue_ = false;
  FicaStep();
  FillTaxesPage();
  SelectFilingStatusButton();
  ShowTaxRulesChoice();
}

void TaxesPage::FillTaxesPage() {
  const PlanRecord& plan = session_.plan;
  ShowSecondPersonLayout(plan.SecondPerson);
  SetCaptionTitle(kTitle);
  heading1_->setText(QString::fromStdString(plan.Name1));
  heading2_->setText(QString::fromStdString(plan.Name2));
  bindings_.Fill(plan);
}

void TaxesPage::SelectFilingStatusButton() {
  // A status the page does not know shows as separate filing.
  const FilingStatus status = FilingStatusOf(session_.plan.FilingStatus);
  const auto known = std::find(kStatuses.begin(), kStatuses.end(), status);
  const std::size_t index = known == kStatuses.end() ? kStatuses.size() - 1 : static_cast<std::size_t>(known - kStatuses.begin());
  statusButtons_[index]->setChecked(true);
  PlaceRadioGroupInTabChain(amountEdits_[5], statusButtons_);
  ShowSecondPersonIncomeTaxRows(session_.plan.SecondPerson && status != FilingStatus::Jointly);
}

FilingStatus TaxesPage::ReadFilingStatus() const {
  for (std::size_t i = 0; i < 3; ++i) {
    if (statusButtons_[i]->isChecked()) return kStatuses[i];
  }
  return FilingStatus::Separately;
}

void TaxesPage::FilingStatusChosen(FilingStatus status) {
  session_.plan.FilingStatus = StoredValue(status);
  ShowSecondPersonIncomeTaxRows(status != FilingStatus::Jointly && session_.plan.SecondPerson);
  RecomputeTaxTotal(session_.plan);
  ShowTaxTotal();
}

void TaxesPage::FicaStep() {
  RecomputeCurrentFica(session_.plan);
  for (const PlanField& field : kFicaFields) bindings_.FillField(session_.plan, field);
  ShowTaxTotal();
}

void TaxesPage::ShowTaxTotal() { bindings_.FillField(session_.plan, &PlanRecord::TaxTotal); }

void TaxesPage::ShowSecondPersonLayout(bool twoPersons) {
  statusButtons_[0]->setEnabled(!twoPersons);
  for (std::size_t i = 1; i < 4; ++i) statusButtons_[i]->setEnabled(twoPersons);
  heading2_->setVisible(twoPersons);
  for (std::size_t i = 0; i < 4; ++i) {
    secondLabels_[i]->setVisible(twoPersons);
    secondEdits_[i]->setVisible(twoPersons);
  }
}

void TaxesPage::ShowSecondPersonIncomeTaxRows(bool shown) {
  for (std::size_t i = 0; i < 2; ++i) {
    secondLabels_[i]->setVisible(shown);
    secondEdits_[i]->setVisible(shown);
  }
}

bool TaxesPage::ValidateTaxesPage() {
  FillIfDue();
  PlanRecord& plan = session_.plan;
  std::vector<EntryRow> rows = FirstPersonRows();
  for (EntryRow& row : SecondPersonRows()) rows.push_back(row);
  // The read-only FICA boxes are read back too; the FICA step replaces them.
  bool error = false;
  bool blank = false;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (ParseBox(amountEdits_[i], plan, rows[i].field, blank, rows[i].kind) != 0) error = true;
  }
  FicaStep();
  ShowTaxRulesChoice();
  if (error) ShowError(kDataEntryError);
  plan.FilingStatus = StoredValue(ReadFilingStatus());
  return !error;
}

void TaxesPage::UpdateTotals() {
  ValidateTaxesPage();
  FicaStep();
}

void TaxesPage::Hidden() {
  FillIfDue();
  session_.plan.FilingStatus = StoredValue(ReadFilingStatus());
}

void TaxesPage::BuildTaxRulesChoice() {
  auto* panel = new QFrame(Content());
  panel->setObjectName("TaxRulesChoice");
  panel->setGeometry(8, 352, 484, 106);
  auto* label = new QLabel(kTaxRulesLabel, panel);
  label->setGeometry(4, 2, 160, 18);
  rulesButtons_ = AddTwoChoiceButtons(
      panel, 168,
      {{{"TaxRulesLaw", kTaxRulesLaw, kTaxRulesLawHint}, {"TaxRulesCurve", kTaxRulesCurve, kTaxRulesCurveHint}}},
      [this](int index) { TaxRulesChosen(index == 0 ? TaxRules::Law : TaxRules::Curve); });
  for (QRadioButton* button : rulesButtons_) button->setAccessibleName(QString(kTaxRulesLabel) + " " + button->text());
  estimate_ = new QLabel(panel);
  estimate_->setObjectName("LawEstimate");
  estimate_->setGeometry(4, 46, 370, 18);
  useEstimate_ = new QPushButton(kUseEstimate, panel);
  useEstimate_->setObjectName("UseLawEstimate");
  DescribeKey(useEstimate_, "the taxes page's Use estimate button");
  useEstimate_->setGeometry(380, 42, 100, 24);
  connect(useEstimate_, &QPushButton::clicked, this, [this] { UseLawEstimate(); });
  ratioNote_ = new QLabel(kStateRatioUnknown, panel);
  ratioNote_->setObjectName("StateRatioNote");
  ratioNote_->setGeometry(4, 68, 476, 36);
  ratioNote_->setWordWrap(true);
}

// The estimate and the note follow the plan; the choice follows the setting.
void TaxesPage::ShowTaxRulesChoice() {
  const PlanRecord& plan = session_.plan;
  rulesButtons_[session_.Rules.taxes == TaxRules::Law ? 0 : 1]->setChecked(true);
  // Tab reaches the choice right after the filing status's one stop.
  const auto status = std::find_if(statusButtons_.begin(), statusButtons_.end(),
                                   [](const QRadioButton* button) { return button->isChecked(); });
  PlaceRadioGroupInTabChain(status != statusButtons_.end() ? *status : statusButtons_.back(), rulesButtons_);
  const FirstYearFederalEstimate estimate = LawFirstYearFederal(plan, session_.PlanRates());
  QString amounts = QString::fromStdString(FormatDollars(estimate.federal[0]));
  if (FilesAsTwoPersons(plan.FilingStatus) && plan.SecondPerson)
    amounts += QString(" and ") + QString::fromStdString(FormatDollars(estimate.federal[1]));
  estimate_->setText(QString(kLawEstimate).arg(plan.CurrentYear).arg(amounts));
  ratioNote_->setVisible(session_.Rules.taxes == TaxRules::Law && StateRatioUnknown(plan));
}

// Like the past-inflation setting the choice reruns the forecast; the plan
// itself is not changed, so nothing is marked unsaved.
void TaxesPage::TaxRulesChosen(TaxRules rules) {
  ForecastRules chosen = session_.Rules;
  chosen.taxes = rules;
  if (!session_.ChooseRules(chosen)) return;
  SaveRule(platform_.settings, rules);
  ShowTaxRulesChoice();
}

// Takes the law's estimate into the federal boxes as if typed, then updates.
void TaxesPage::UseLawEstimate() {
  FillIfDue();
  const FirstYearFederalEstimate estimate = LawFirstYearFederal(session_.plan, session_.PlanRates());
  amountEdits_[0]->setText(QString::fromStdString(FormatDollars(estimate.federal[0])));
  if (FilesAsTwoPersons(session_.plan.FilingStatus))
    amountEdits_[4]->setText(QString::fromStdString(FormatDollars(estimate.federal[1])));
  UpdateTotals();
}
