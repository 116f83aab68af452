#include "pages/EducationPage.h"

#include <QPlainTextEdit>
#include <QShowEvent>
#include <algorithm>

#include "model/NumberFormat.h"
#include "pages/CategoryTexts.h"

namespace {

const char* const kTitle = "Education Expense Page [ ";

const char* const kEducationInstructions =
    "INSTRUCTIONS\r\nThis page is used to enter current or future out of pocket eductional expenses. It also "
    "allows for FUTURE student loans. If you expect to have educational expenses for yourself or others this year "
    "or in the future use this page to enter the time frames and cost data. If you plan on making payments on "
    "FUTURE student loans use this page to record the loan details. Do not enter current debts on this page. If "
    "you are already making payments on a past student loan enter the loan details on the assets page under the "
    "current debt item. \r\n\r\nSTART-END YEAR\r\nEnter the year you will start paying for each student and the "
    "year they will finish school. If a student has educational expenses this year enter this year for the start "
    "year.\r\n\r\nANNUAL COSTS\r\nEstimate the total annual expected costs for each student in current dollars. In "
    "the annual costs box enter only the portion of the total estimated costs you will pay out of your "
    "pocket.\r\n\r\nTOTAL DEBT\r\nIf you expect to pay off all or part of a students loan fill in the debt amount "
    "you will be responsible to pay back for each student in current dollars. Enter the value of the expected "
    "accumlated debt for each student after they finish school. Also fill in the numder of years you expect to "
    "make loan payments for each loan.";

struct StudentFields {
  std::int32_t PlanRecord::*startYear;
  std::int32_t PlanRecord::*endYear;
  std::int64_t PlanRecord::*cost;
  std::int64_t PlanRecord::*debt;
  std::int32_t PlanRecord::*debtYears;
};

const StudentFields kStudents[3] = {
    {&PlanRecord::EduStartYear1, &PlanRecord::EduEndYear1, &PlanRecord::EduCost1, &PlanRecord::EduDebt1,
     &PlanRecord::EduDebtYears1},
    {&PlanRecord::EduStartYear2, &PlanRecord::EduEndYear2, &PlanRecord::EduCost2, &PlanRecord::EduDebt2,
     &PlanRecord::EduDebtYears2},
    {&PlanRecord::EduStartYear3, &PlanRecord::EduEndYear3, &PlanRecord::EduCost3, &PlanRecord::EduDebt3,
     &PlanRecord::EduDebtYears3},
};

constexpr int kTop = 6;
constexpr int kRowHeight = 21;
constexpr int kBlockHeight = 5 * kRowHeight + 2;
constexpr int kYearWidth = 58;

QString Name(const char* kind, int number) { return QString("%1%2").arg(kind).arg(number); }

}  // namespace

EducationPage::EducationPage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent)
    : CategoryPageBase(PageId::Education, "Education Expenses", 2200, session, platform, navigator, parent) {
  for (int student = 0; student < 3; ++student) BuildStudent(student, kTop + student * kBlockHeight);
  ApplyFonts();
  memo_ = AddInstructions(kTop + 3 * kBlockHeight + 4, QString(), kScrollHint);
  BuildMenu({false, "Summary1", {}});
}

// Student k (0-based): heading Label(16+k), boxes Edit(5k+1) .. Edit(5k+5),
// their labels Label(5k+1) .. Label(5k+5).
void EducationPage::BuildStudent(int student, int top) {
  const StudentFields& fields = kStudents[student];
  const int first = 5 * student + 1;
  const int amountLeft = kBoxRight - kAmountWidth;
  const int labelWidth = amountLeft - kLabelLeft - 4;
  const int h = kRowHeight - 2;
  AddLabel(Name("Label", 16 + student), QString("Student #%1").arg(student + 1), QRect(kLabelLeft, top, 200, h));
  int y = top + kRowHeight;
  const int startBoxLeft = 150;
  const std::vector<std::pair<EntryRow, QRect>> boxes = {
      {{Name("Label", first), "Start Year.....", Name("Edit", first), fields.startYear, EntryKind::Whole},
       QRect(startBoxLeft, y, kYearWidth, h)},
      {{Name("Label", first + 1), "End Year....", Name("Edit", first + 1), fields.endYear, EntryKind::Whole},
       QRect(amountLeft, y, kYearWidth, h)},
      {{Name("Label", first + 2), "Annual Costs in current Dollars.......................", Name("Edit", first + 2),
        fields.cost, EntryKind::Dollars},
       QRect(amountLeft, y + kRowHeight, kAmountWidth, h)},
      {{Name("Label", first + 3), "Total Debt at completition................................",
        Name("Edit", first + 3), fields.debt, EntryKind::Dollars},
       QRect(amountLeft, y + 2 * kRowHeight, kAmountWidth, h)},
      {{Name("Label", first + 4), "Number of Years to Pay off Debt.....................", Name("Edit", first + 4),
        fields.debtYears, EntryKind::Whole},
       QRect(amountLeft, y + 3 * kRowHeight, kYearWidth, h)},
  };
  const QRect labels[] = {
      QRect(kLabelLeft + 20, y, startBoxLeft - kLabelLeft - 24, h),
      QRect(startBoxLeft + kYearWidth + 40, y, amountLeft - startBoxLeft - kYearWidth - 44, h),
      QRect(kLabelLeft + 20, y + kRowHeight, labelWidth - 20, h),
      QRect(kLabelLeft + 20, y + 2 * kRowHeight, labelWidth - 20, h),
      QRect(kLabelLeft + 20, y + 3 * kRowHeight, labelWidth - 20, h),
  };
  for (std::size_t i = 0; i < boxes.size(); ++i) AddEntryRow(boxes[i].first, labels[i], boxes[i].second);
}

// The memo is reloaded at every showing, also when the page comes back from
// the about box without a refill.
void EducationPage::showEvent(QShowEvent* event) {
  CategoryPageBase::showEvent(event);
  if (event->spontaneous()) return;
  memo_->setPlainText(QString::fromLatin1(kEducationInstructions) + kNumberFormatInstructions +
                      kFinishedInstructions);
}

// Schooling and loan payments cannot lie in the past.
void EducationPage::MoveYearsUp() {
  PlanRecord& plan = session_.plan;
  for (const StudentFields& fields : kStudents) {
    plan.*fields.startYear = std::max(plan.*fields.startYear, plan.CurrentYear);
    plan.*fields.endYear = std::max(plan.*fields.endYear, plan.CurrentYear);
    plan.*fields.debtYears = std::max<std::int32_t>(plan.*fields.debtYears, 0);
  }
}

void EducationPage::Refresh() {
  SetCaptionTitle(kTitle);
  MoveYearsUp();
  bindings_.Fill(session_.plan);
}

bool EducationPage::ValidatePage() {
  if (bindings_.Parse(session_.plan).error) {
    ShowDataEntryError();
    return false;
  }
  return true;
}
