#include "pages/AssumptionsPage.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "model/NumberFormat.h"
#include "pages/AssumptionsTexts.h"
#include "pages/RadioGroupTabStop.h"
#include "pages/TwoChoiceButtons.h"
#include "pages/WithdrawalRows.h"
#include "platform/Platform.h"
#include "shell/DocumentedKeys.h"
#include "shell/PageMenus.h"

namespace {

using namespace assumptions_texts;

constexpr std::int32_t kFirstCalendarYear = 2005;

std::vector<EntryRow> AssumptionRows() {
  return {
      {"CurrentYearLabel", kCurrentYear, "CurrentYear", &PlanRecord::CurrentYear, EntryKind::Whole},
      {"InflationRateLabel", kInflation, "InflationRate", &PlanRecord::InflationRate, EntryKind::Decimal2},
      {"MortgageRateLabel", kMortgageRate, "MortgageRate", &PlanRecord::MortgageRate, EntryKind::Decimal2},
      {"RealEstateGrowthLabel", kRealEstate, "RealEstateGrowth", &PlanRecord::RealEstateGrowth, EntryKind::Decimal2},
      {"TaxableReturnLabel", kTaxable, "TaxableReturn", &PlanRecord::TaxableReturn, EntryKind::Decimal2},
      {"TaxDeferredReturnLabel", kTaxDeferred, "TaxDeferredReturn", &PlanRecord::TaxDeferredReturn,
       EntryKind::Decimal2},
      {"SalaryGrowth1Label", kSalary1, "SalaryGrowth1", &PlanRecord::SalaryGrowth1, EntryKind::Decimal2},
      {"SalaryGrowth2Label", kSalary2, "SalaryGrowth2", &PlanRecord::SalaryGrowth2, EntryKind::Decimal2},
      {"PensionCola1Label", kPension1, "PensionCola1", &PlanRecord::PensionCola1, EntryKind::Decimal2},
      {"PensionCola2Label", kPension2, "PensionCola2", &PlanRecord::PensionCola2, EntryKind::Decimal2},
      {"RetirementReductionLabel", kReduction, "RetirementReduction", &PlanRecord::RetirementReduction,
       EntryKind::Decimal1},
  };
}

}  // namespace

AssumptionsPage::AssumptionsPage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent)
    : DataPage(PageId::Assumptions, session, platform, navigator, parent) {
  setWindowTitle(kDesignCaption);
  SetHelpContext(kHelpContext);
  SetClientSize(QSize(500, 700));
  BuildMenu();
  lastBox_ = AddEntryRows(AssumptionRows(), kAssumptionsPageGrid, 10).back();
  BuildPastInflationChoice();
  // Made after the past-inflation buttons, so Tab reaches them in the order drawn.
  AddHeading("WithdrawalsHeading", kWithdrawalsHeading, QRect(kAssumptionsPageGrid.left, 348, 300, 20));
  AddEntryRows(WithdrawalRows(), kAssumptionsPageGrid, 372);
  AddMemo("Instructions", QRect(8, 530, 484, 164), kInstructions);
}

void AssumptionsPage::BuildPastInflationChoice() {
  auto* panel = new QFrame(Content());
  panel->setObjectName("PastInflationChoice");
  panel->setGeometry(8, 298, 484, 44);
  pastYearsLabel_ = new QLabel(panel);
  pastYearsLabel_->setObjectName("PastInflationLabel");
  pastYearsLabel_->setGeometry(4, 2, 128, 18);
  pastButtons_ = AddTwoChoiceButtons(
      panel, 136,
      {{{"PastInflationRecorded", kPastRecorded, kPastRecordedHint}, {"PastInflationPlan", kPastPlan, kPastPlanHint}}},
      [this](int index) { PastInflationChosen(index == 0 ? PastInflationRule::Recorded : PastInflationRule::Plan); });
}

// The year in the words follows the plan; the choice follows the setting.
void AssumptionsPage::ShowPastInflationChoice() {
  const QString years = QString(kPastYears).arg(session_.plan.CurrentYear);
  pastYearsLabel_->setText(years);
  for (QRadioButton* button : pastButtons_) button->setAccessibleName(years + " " + button->text());
  pastButtons_[session_.Rules.past == PastInflationRule::Recorded ? 0 : 1]->setChecked(true);
  PlaceRadioGroupInTabChain(lastBox_, pastButtons_);
}

// Like any assumption the choice reruns the forecast; the plan itself is not
// changed, so nothing is marked unsaved.
void AssumptionsPage::PastInflationChosen(PastInflationRule rule) {
  ForecastRules rules = session_.Rules;
  rules.past = rule;
  if (session_.ChooseRules(rules)) SaveRule(platform_.settings, rule);
}

void AssumptionsPage::BuildMenu() {
  AddGoToCommand(MenuBar(), PageId::Graph, [this](PageId page) { GoTo(page); });
  AddSetupMenu(MenuBar(), PageId::Assumptions, "&Assumptions", [this](PageId page) { GoTo(page); });
  AddGoToCommand(MenuBar(), PageId::PlanTable, [this](PageId page) { GoTo(page); });
  AddWindowMenu(MenuBar(), *this, {kHelpContext});
  QAction* defaults = AddMenuCommand(MenuBar(), "&Default", "Defaults", [this] { RestoreDefaultRates(); });
  DescribeKey(defaults, "the assumptions page's Default command");
  defaults->setToolTip(kDefaultHint);
  defaults->setStatusTip(kDefaultHint);
}

void AssumptionsPage::FillAssumptionsPage() {
  SetCaptionTitle(kTitle);
  bindings_.Fill(session_.plan);
  session_.working.PreviousYear = session_.plan.CurrentYear;
  ShowPastInflationChoice();
}

// Every rate is replaced at once, so the user confirms first.
void AssumptionsPage::RestoreDefaultRates() {
  if (platform_.prompts.Question(this, kDefaultQuestion, QuestionKind::YesNo) != PromptButton::Yes) return;
  // A fresh record holds the sample rates that "&Default" puts back.
  const PlanRecord defaults;
  for (const EntryRow& row : AssumptionRows()) {
    const PlanRecord& source = row.field == PlanField(&PlanRecord::CurrentYear) ? session_.plan : defaults;
    Content()->findChild<QLineEdit*>(row.editName)->setText(FormatEntry(source, row.field, row.kind));
  }
  session_.working.PreviousYear = session_.plan.CurrentYear;
}

bool AssumptionsPage::ValidateAssumptionsPage() {
  PlanRecord& plan = session_.plan;
  if (bindings_.Parse(plan).error) {
    ShowError(kDataEntryError);
    return false;
  }
  if (plan.CurrentYear < kFirstCalendarYear) {
    ShowError(kYearTooEarly);
    return false;
  }
  return ConfirmOnce(mistypes_, WithdrawalWarnings(plan));
}

LeaveDecision AssumptionsPage::DecideLeaving(PageId, LeaveBy by) {
  if (!ValidateAssumptionsPage()) return LeaveDecision::Stay();
  if (session_.plan.CurrentYear == session_.working.PreviousYear ||
      platform_.prompts.Question(this, kYearChanged, QuestionKind::YesNo) != PromptButton::Yes) {
    return LeaveDecision::Go();
  }
  return by == LeaveBy::CloseBox ? LeaveDecision::Stay() : LeaveDecision::GoInsteadTo(PageId::Personal);
}
