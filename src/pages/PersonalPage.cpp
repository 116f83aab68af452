#include "pages/PersonalPage.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "model/AgeRules.h"
#include "model/FilingStatus.h"
#include "pages/PersonTexts.h"
#include "shell/PageMenus.h"

namespace {

constexpr PageGrid kGrid = kPersonalPageGrid;
constexpr int kNameWidth = 300;

}  // namespace

PersonalPage::PersonalPage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent)
    : DataPage(PageId::Personal, session, platform, navigator, parent) {
  setWindowTitle("Personal Data");
  SetClientSize(QSize(536, 500));
  BuildControls();
  BuildMenu();
}

void PersonalPage::BuildControls() {
  auto name = [](const char* labelName, const char* words, const char* editName, std::string PlanRecord::*field) {
    return EntryRow{labelName, words, editName, field, EntryKind::Text, false, LabelText::Leaders, kNameWidth};
  };
  auto age = [](const char* labelName, const char* words, const char* editName, std::int32_t PlanRecord::*field) {
    return EntryRow{labelName, words, editName, field, EntryKind::Whole, false, LabelText::Leaders};
  };
  // Screen order, which is also the tab order.
  const std::vector<EntryRow> person1 = {
      name("Name1Label", "Name #1", "Name1", &PlanRecord::Name1),
      age("Age1Label", "Current age", "Age1", &PlanRecord::Age1),
      age("EmploymentStartAge1Label", "Employment start age", "EmploymentStartAge1", &PlanRecord::EmploymentStartAge1),
      age("RetireAge1Label", "Expected retirement age", "RetireAge1", &PlanRecord::RetireAge1),
      age("PensionAge1Label", "Expected private pension starting age", "PensionAge1", &PlanRecord::PensionAge1),
      age("SocialSecurityAge1Label", "Expected Social Security starting age", "SocialSecurityAge1",
          &PlanRecord::SocialSecurityAge1),
  };
  const std::vector<EntryRow> person2 = {
      name("Name2Label", "Name #2", "Name2", &PlanRecord::Name2),
      age("Age2Label", "Current age", "Age2", &PlanRecord::Age2),
      age("EmploymentStartAge2Label", "Employment start age", "EmploymentStartAge2", &PlanRecord::EmploymentStartAge2),
      age("RetireAge2Label", "Expected retirement age", "RetireAge2", &PlanRecord::RetireAge2),
      age("PensionAge2Label", "Expected private pension starting age", "PensionAge2", &PlanRecord::PensionAge2),
      age("SocialSecurityAge2Label", "Expected Social Security starting age", "SocialSecurityAge2",
          &PlanRecord::SocialSecurityAge2),
  };

  AddHeading("FirstPersonHeading", "First Person", QRect(kGrid.left, 6, 200, 20));
  const std::vector<QLineEdit*> first = AddRows(person1, kGrid, 28);
  name1Edit_ = first[0];
  name1Edit_->setToolTip("First Person Name");

  QLabel* heading2 = AddHeading("SecondPersonHeading", "Second Person", QRect(kGrid.left, 166, 110, 20));
  secondPersonBox_ = new QCheckBox(Content());
  secondPersonBox_->setObjectName("SecondPerson");
  secondPersonBox_->setGeometry(kGrid.left + heading2->fontMetrics().horizontalAdvance(heading2->text()) + 8, 167, 20,
                                18);
  secondPersonBox_->setToolTip("Remove or Add Second Person");
  secondPersonBox_->setFocusPolicy(Qt::NoFocus);
  // Alt+S opens the Setup menu, so the box takes the second letter of "Second".
  AddKeyFor(secondPersonBox_, QKeySequence(Qt::ALT | Qt::Key_C), "the personal data page's Second Person box",
            [this] { secondPersonBox_->click(); });
  const std::vector<QLineEdit*> second = AddRows(person2, kGrid, 188);
  name2Edit_ = second[0];
  name2Edit_->setToolTip("Second Person Name");

  // Parse order of the ages: current, employment, retirement, Social Security, pension.
  for (std::size_t i : {1, 2, 3, 5, 4}) {
    ages1_.Bind(first[i], person1[i].field, EntryKind::Whole);
    ages2_.Bind(second[i], person2[i].field, EntryKind::Whole);
  }
  secondPersonEdits_ = {second[0], second[1], second[3], second[5], second[4], second[2]};

  AddMemo("Instructions", QRect(kGrid.left, 324, kGrid.right - kGrid.left, 168), person_texts::Instructions());

  connect(secondPersonBox_, &QCheckBox::toggled, this, &PersonalPage::SecondPersonToggled);
  connect(name2Edit_, &QLineEdit::textChanged, this, &PersonalPage::SecondNameEdited);
}

QLineEdit* PersonalPage::EditFor(const PlanField& field) const {
  if (field == PlanField(&PlanRecord::Name1)) return name1Edit_;
  if (field == PlanField(&PlanRecord::Name2)) return name2Edit_;
  QLineEdit* edit = ages1_.EditFor(field);
  return edit ? edit : ages2_.EditFor(field);
}

void PersonalPage::BuildMenu() {
  AddGoToCommand(MenuBar(), PageId::Graph, [this](PageId page) { GoTo(page); });
  AddSetupMenu(MenuBar(), PageId::Personal, "Assu&mptions", [this](PageId page) { GoTo(page); });
  AddGoToCommand(MenuBar(), PageId::PlanTable, [this](PageId page) { GoTo(page); });
  AddWindowMenu(MenuBar(), *this, {kHelpContext});
}

void PersonalPage::FillPersonalPage() {
  const PlanRecord& plan = session_.plan;
  SetCaptionTitle(person_texts::kTitle);
  name1Edit_->setText(QString::fromStdString(plan.Name1));
  ages1_.Fill(plan);
  if (plan.SecondPerson) {
    secondPersonBox_->setChecked(true);
    name2Edit_->setText(QString::fromStdString(plan.Name2));
    ages2_.Fill(plan);
  } else {
    secondPersonBox_->setChecked(false);
    for (QLineEdit* edit : secondPersonEdits_) edit->clear();
  }
}

void PersonalPage::SecondPersonToggled(bool checked) {
  restoring_ = true;
  if (checked) {
    for (std::size_t i = 0; i < secondPersonEdits_.size(); ++i)
      secondPersonEdits_[i]->setText(keptSecondPersonTexts_[i]);
  } else {
    for (std::size_t i = 0; i < secondPersonEdits_.size(); ++i) {
      keptSecondPersonTexts_[i] = secondPersonEdits_[i]->text();
      secondPersonEdits_[i]->clear();
    }
  }
  restoring_ = false;
}

// Typing a second name switches the second person on. The kept ages come
// back, but the name the user is typing stays: replacing it with the kept one
// would throw the typing away.
void PersonalPage::SecondNameEdited(const QString& text) {
  if (restoring_ || text.isEmpty() || secondPersonBox_->isChecked()) return;
  secondPersonBox_->setChecked(true);
  const QSignalBlocker block(name2Edit_);
  name2Edit_->setText(text);
}

bool PersonalPage::ValidatePersonalPage() {
  PlanRecord& plan = session_.plan;
  plan.Name1 = name1Edit_->text().toStdString();
  plan.Name2 = name2Edit_->text().toStdString();

  ParseOutcome outcome = ages1_.Parse(plan);
  const bool twoPersons = secondPersonBox_->isChecked();
  if (twoPersons) {
    plan.SecondPerson = true;
    if (FilingStatusOf(plan.FilingStatus) == FilingStatus::OneSingle)
      plan.FilingStatus = StoredValue(FilingStatus::Jointly);
    const ParseOutcome second = ages2_.Parse(plan);
    outcome.error = outcome.error || second.error;
    outcome.blank = outcome.blank || second.blank;
  } else {
    plan.SecondPerson = false;
    plan.FilingStatus = StoredValue(FilingStatus::OneSingle);
    plan.Name2.clear();
    plan.Age2 = 0;
    plan.RetireAge2 = 0;
    plan.SocialSecurityAge2 = 0;
  }

  if (outcome.error) {
    ShowError(person_texts::kDataError);
    return false;
  }
  if (plan.Name1.empty()) {
    ShowError(person_texts::kName1Missing);
    return false;
  }
  if (twoPersons && plan.Name2.empty()) {
    ShowError(person_texts::kName2Missing);
    return false;
  }
  if (outcome.blank) {
    ShowError(person_texts::kBlankAge);
    return false;
  }
  return ConfirmAgeAdjustments();
}

// The rules' changes and the likely mistypes are shown before anything moves;
// a No (or Escape) keeps what was typed and the user on the page. A warning
// once accepted is not repeated for the same ages.
bool PersonalPage::ConfirmAgeAdjustments() {
  PlanRecord& plan = session_.plan;
  const std::vector<AgeChange> changes = AgeAdjustments(plan);
  PlanRecord adjusted = plan;
  ApplyAgeChanges(adjusted, changes);
  const std::vector<std::string> warnings = AgeWarnings(adjusted);

  // A one-person plan's hidden second-person ages change unseen: nothing shows them.
  std::vector<AgeChange> shown;
  for (const AgeChange& change : changes) {
    if (change.person == 1 || plan.SecondPerson) shown.push_back(change);
  }
  std::vector<std::string> newWarnings;
  for (const std::string& warning : warnings) {
    if (!acceptedWarnings_.contains(QString::fromStdString(warning))) newWarnings.push_back(warning);
  }
  if (!shown.empty() || !newWarnings.empty()) {
    const QString notice = QString::fromStdString(AgeNoticeText(shown, newWarnings));
    if (platform_.prompts.Warning(this, notice, QuestionKind::YesNo) != PromptButton::Yes) {
      if (!shown.empty()) {
        if (QLineEdit* box = EditFor(PlanField(shown.front().field))) {
          box->setFocus(Qt::OtherFocusReason);
          box->selectAll();
        }
      }
      return false;
    }
  }
  acceptedWarnings_.clear();
  for (const std::string& warning : warnings) acceptedWarnings_ << QString::fromStdString(warning);
  plan = adjusted;
  return true;
}
