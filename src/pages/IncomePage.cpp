#include "pages/IncomePage.h"

#include <QLabel>
#include <QLineEdit>

#include "engine/ClaimingAge.h"
#include "model/NumberFormat.h"
#include "pages/IncomeTexts.h"
#include "shell/PageMenus.h"

namespace {

constexpr PageGrid kGrid = kWidePageGrid;

// Starts at `age` the events an amount was entered for while their age was
// still zero; true when an age changed. `saving` is any yearly contribution,
// tax deferred or Roth, which the working years bound.
bool AdjustPersonAges(std::int32_t age, std::int64_t salary, bool saving, std::int64_t pension,
                      std::int64_t socialSecurity, std::int32_t& employment, std::int32_t& retire,
                      std::int32_t& pensionAge, std::int32_t& socialSecurityAge) {
  bool changed = false;
  auto set = [&changed](std::int32_t& field, bool due, std::int32_t value) {
    if (field == 0 && due) {
      field = value;
      changed = true;
    }
  };
  set(employment, salary != 0, age);
  set(employment, saving, age);
  set(retire, salary != 0, 65);
  set(retire, saving, 65);
  set(pensionAge, pension != 0, 65);
  set(socialSecurityAge, socialSecurity != 0, 65);
  return changed;
}

// What the typed full benefit pays at the claiming age, or nothing when none is typed.
QString ClaimedBenefitText(const PlanRecord& plan, int p) {
  const ClaimedBenefit benefit = ClaimedBenefitOf(plan, p);
  if (!benefit.typed) return {};
  return income_texts::ClaimedBenefit(FormatDollars(benefit.yearly), benefit.claimAge, benefit.factor);
}

}  // namespace

IncomePage::IncomePage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent)
    : DataPage(PageId::Income, session, platform, navigator, parent) {
  setWindowTitle("Income");
  SetClientSize(QSize(536, 644));
  BuildControls();
  BuildMenu();
}

void IncomePage::BuildControls() {
  auto row = [](const char* labelName, const char* words, const char* editName, std::int64_t PlanRecord::*field) {
    return EntryRow{labelName, words, editName, field, EntryKind::Dollars, false, LabelText::Leaders};
  };
  const std::vector<EntryRow> person1 = {
      row("Salary1Label", "Total annual salary at start age", "Salary1", &PlanRecord::Salary1),
      row("DeferredContribution1Label", "Tax deferred contributions", "DeferredContribution1",
          &PlanRecord::DeferredContribution1),
      row("RothContribution1Label", "Yearly Roth contribution", "RothContribution1", &PlanRecord::RothContribution1),
      row("Pension1Label", "Total private pensions in current dollars", "Pension1", &PlanRecord::Pension1),
      row("SocialSecurity1Label", "Social Security in current dollars", "SocialSecurity1",
          &PlanRecord::SocialSecurity1),
      row("FullRetirementBenefit1Label", "Social Security at full retirement age", "FullRetirementBenefit1",
          &PlanRecord::FullRetirementBenefit1),
  };
  const std::vector<EntryRow> person2 = {
      row("Salary2Label", "Total annual salary at start age", "Salary2", &PlanRecord::Salary2),
      row("DeferredContribution2Label", "Tax deferred savings including employers", "DeferredContribution2",
          &PlanRecord::DeferredContribution2),
      row("RothContribution2Label", "Yearly Roth contribution", "RothContribution2", &PlanRecord::RothContribution2),
      row("Pension2Label", "Total private pensions in current dollars", "Pension2", &PlanRecord::Pension2),
      row("SocialSecurity2Label", "Social Security in current dollars", "SocialSecurity2",
          &PlanRecord::SocialSecurity2),
      row("FullRetirementBenefit2Label", "Social Security at full retirement age", "FullRetirementBenefit2",
          &PlanRecord::FullRetirementBenefit2),
  };
  const int width = kGrid.right - kGrid.left;

  const int block = static_cast<int>(person1.size()) * kGrid.rowHeight + 20;
  heading1_ = AddHeading("FirstPersonHeading", QString(), QRect(kGrid.left, 8, width, 20));
  const std::vector<QLineEdit*> edits1 = AddEntryRows(person1, kGrid, 32);
  claimed_[0] = AddLabel("ClaimedBenefit1", QString(), QRect(kGrid.left, 32 + block - 20, width, 18));
  heading2_ = AddHeading("SecondPersonHeading", QString(), QRect(kGrid.left, 32 + block + 8, width, 20));
  secondPersonBlock_.push_back(heading2_);
  const int top2 = 32 + block + 32;
  const std::vector<QLineEdit*> edits2 = AddEntryRows(person2, kGrid, top2);
  claimed_[1] = AddLabel("ClaimedBenefit2", QString(), QRect(kGrid.left, top2 + block - 20, width, 18));
  for (std::size_t i = 0; i < person2.size(); ++i)
    secondPersonBlock_.insert(secondPersonBlock_.end(), {findChild<QLabel*>(person2[i].labelName), edits2[i]});
  secondPersonBlock_.push_back(claimed_[1]);
  // The result follows the typed benefit at once; the plan takes it when the page is left.
  for (QLineEdit* edit : {edits1.back(), edits2.back()})
    connect(edit, &QLineEdit::textChanged, this, &IncomePage::ShowClaimedBenefits);

  AddMemo("Instructions", QRect(kGrid.left, top2 + block + 8, width, 226), income_texts::Instructions());
}

void IncomePage::ShowClaimedBenefits() {
  PlanRecord shown = session_.plan;
  for (int p = 0; p < 2; ++p) {
    QLineEdit* edit = findChild<QLineEdit*>(p == 0 ? "FullRetirementBenefit1" : "FullRetirementBenefit2");
    std::int64_t typed = 0;
    std::int32_t errorCode = 0;
    if (edit != nullptr) ParseDollarEntry(edit->text().toStdString(), typed, errorCode);
    if (errorCode != 0) typed = 0;
    (p == 0 ? shown.FullRetirementBenefit1 : shown.FullRetirementBenefit2) = typed;
    claimed_[p]->setText(ClaimedBenefitText(shown, p));
  }
}

void IncomePage::BuildMenu() {
  AddGoToCommand(MenuBar(), PageId::Graph, [this](PageId page) { GoTo(page); });
  AddSetupMenu(MenuBar(), PageId::Income, "Assu&mptions", [this](PageId page) { GoTo(page); });
  AddGoToCommand(MenuBar(), PageId::PlanTable, [this](PageId page) { GoTo(page); });
  AddWindowMenu(MenuBar(), *this, {kHelpContext});
}

void IncomePage::FillIncomePage() {
  const PlanRecord& plan = session_.plan;
  SetCaptionTitle(income_texts::kTitle);
  for (QWidget* widget : secondPersonBlock_) widget->setVisible(plan.SecondPerson);
  heading1_->setText(QString::fromStdString(plan.Name1));
  heading2_->setText(QString::fromStdString(plan.Name2));
  bindings_.Fill(plan);
  ShowClaimedBenefits();
}

bool IncomePage::ValidateIncomePage() {
  // Hidden second-person boxes are read too: their amounts stay in the plan.
  if (bindings_.Parse(session_.plan).error) {
    ShowError(income_texts::kDataError);
    return false;
  }
  return true;
}

LeaveDecision IncomePage::DecideLeaving(PageId, LeaveBy) {
  if (!ValidateIncomePage()) return LeaveDecision::Stay();
  if (!AdjustAges()) return LeaveDecision::Go();
  ShowInformation(income_texts::kAgesUpdated);
  return LeaveDecision::GoInsteadTo(PageId::Personal);
}

bool IncomePage::AdjustAges() {
  PlanRecord& p = session_.plan;
  bool changed = AdjustPersonAges(p.Age1, p.Salary1, p.DeferredContribution1 != 0 || p.RothContribution1 != 0,
                                  p.Pension1, p.SocialSecurity1 != 0 || p.FullRetirementBenefit1 != 0,
                                  p.EmploymentStartAge1, p.RetireAge1, p.PensionAge1, p.SocialSecurityAge1);
  if (p.SecondPerson) {
    changed = AdjustPersonAges(p.Age2, p.Salary2, p.DeferredContribution2 != 0 || p.RothContribution2 != 0, p.Pension2,
                               p.SocialSecurity2 != 0 || p.FullRetirementBenefit2 != 0, p.EmploymentStartAge2,
                               p.RetireAge2, p.PensionAge2, p.SocialSecurityAge2) ||
              changed;
  }
  return changed;
}
