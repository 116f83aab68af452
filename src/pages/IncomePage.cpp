#include "pages/IncomePage.h"

#include <QLabel>
#include <QLineEdit>

#include "pages/IncomeTexts.h"
#include "shell/PageMenus.h"

namespace {

constexpr PageGrid kGrid = kWidePageGrid;

// Starts at `age` the events an amount was entered for while their age was
// still zero; true when an age changed.
bool AdjustPersonAges(std::int32_t age, std::int64_t salary, std::int64_t deferred, std::int64_t pension,
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
  set(employment, deferred != 0, age);
  set(retire, salary != 0, 65);
  set(retire, deferred != 0, 65);
  set(pensionAge, pension != 0, 65);
  set(socialSecurityAge, socialSecurity != 0, 65);
  return changed;
}

}  // namespace

IncomePage::IncomePage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent)
    : DataPage(PageId::Income, session, platform, navigator, parent) {
  setWindowTitle("Income");
  SetClientSize(QSize(536, 500));
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
      row("Pension1Label", "Total private pensions in current dollars", "Pension1", &PlanRecord::Pension1),
      row("SocialSecurity1Label", "Social Security in current dollars", "SocialSecurity1",
          &PlanRecord::SocialSecurity1),
  };
  const std::vector<EntryRow> person2 = {
      row("Salary2Label", "Total annual salary at start age", "Salary2", &PlanRecord::Salary2),
      row("DeferredContribution2Label", "Tax deferred savings including employers", "DeferredContribution2",
          &PlanRecord::DeferredContribution2),
      row("Pension2Label", "Total private pensions in current dollars", "Pension2", &PlanRecord::Pension2),
      row("SocialSecurity2Label", "Social Security in current dollars", "SocialSecurity2",
          &PlanRecord::SocialSecurity2),
  };
  const int width = kGrid.right - kGrid.left;

  heading1_ = AddHeading("FirstPersonHeading", QString(), QRect(kGrid.left, 8, width, 20));
  AddEntryRows(person1, kGrid, 32);
  heading2_ = AddHeading("SecondPersonHeading", QString(), QRect(kGrid.left, 136, width, 20));
  secondPersonBlock_.push_back(heading2_);
  const std::vector<QLineEdit*> edits = AddEntryRows(person2, kGrid, 160);
  for (std::size_t i = 0; i < person2.size(); ++i)
    secondPersonBlock_.insert(secondPersonBlock_.end(), {findChild<QLabel*>(person2[i].labelName), edits[i]});

  AddMemo("Instructions", QRect(kGrid.left, 266, width, 226), income_texts::Instructions());
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
  bool changed = AdjustPersonAges(p.Age1, p.Salary1, p.DeferredContribution1, p.Pension1, p.SocialSecurity1,
                                  p.EmploymentStartAge1, p.RetireAge1, p.PensionAge1, p.SocialSecurityAge1);
  if (p.SecondPerson) {
    changed = AdjustPersonAges(p.Age2, p.Salary2, p.DeferredContribution2, p.Pension2, p.SocialSecurity2,
                               p.EmploymentStartAge2, p.RetireAge2, p.PensionAge2, p.SocialSecurityAge2) ||
              changed;
  }
  return changed;
}
