#include "pages/EducationPage.h"

#include <QPlainTextEdit>
#include <QShowEvent>
#include <algorithm>

#include "model/NumberFormat.h"
#include "pages/CategoryTexts.h"
#include "pages/ControlNames.h"

namespace {

const char* const kTitle = "Education Expense Page [ ";

const char* const kEducationInstructions =
    "INSTRUCTIONS\r\nThis page is used to enter current or future out of pocket educational expenses. It also "
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
    "accumulated debt for each student after they finish school. Also fill in the number of years you expect to "
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

constexpr PageGrid kGrid = kEducationPageGrid;
constexpr int kTop = 6;
// A little air between one student and the next.
constexpr int kStudentGap = 2;

// Student k (0-based): a heading and the five boxes of that student.
std::vector<EntryRow> StudentRows(int student) {
  const StudentFields& fields = kStudents[student];
  const auto years = [&](const char* words, std::int32_t PlanRecord::*field, RowPlace place) {
    return EntryRow{LabelName(field), words,          BoxName(field), field, EntryKind::Whole, false,
                    LabelText::Given, kYearsBoxWidth, place};
  };
  const auto dollars = [&](const char* words, std::int64_t PlanRecord::*field) {
    return EntryRow{LabelName(field),
                    words,
                    BoxName(field),
                    field,
                    EntryKind::Dollars,
                    false,
                    LabelText::Given,
                    0,
                    {.labelLeft = kIndentedLabelLeft}};
  };
  return {
      {QString("Student%1Heading").arg(student + 1),
       QString("Student #%1").arg(student + 1),
       "",
       {},
       EntryKind::Dollars,
       false,
       LabelText::Given,
       0,
       {.labelWidth = 200}},
      years("Start Year.....", fields.startYear, {.labelLeft = kIndentedLabelLeft, .editLeft = kYearsBoxLeft}),
      years("End Year....", fields.endYear, {.labelLeft = kYearsBoxLeft + kYearsBoxWidth + 40, .sameLine = true}),
      dollars("Annual Costs in current Dollars.......................", fields.cost),
      dollars("Total Debt at completion................................", fields.debt),
      years("Number of Years to Pay off Debt.....................", fields.debtYears,
            {.labelLeft = kIndentedLabelLeft}),
  };
}

}  // namespace

EducationPage::EducationPage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent)
    : CategoryPageBase(PageId::Education, "Education Expenses", 2200, session, platform, navigator, parent) {
  int top = kTop;
  for (int student = 0; student < 3; ++student) {
    const std::vector<EntryRow> rows = StudentRows(student);
    AddEntryRows(rows, kGrid, top);
    top += LineCount(rows) * kGrid.rowHeight + kStudentGap;
  }
  ApplyFonts();
  memo_ = AddInstructions(top + 4, QString(), kScrollHint);
  BuildMenu({false});
}

// The memo is reloaded at every showing, also when the page comes back from
// the about box without a refill.
void EducationPage::showEvent(QShowEvent* event) {
  CategoryPageBase::showEvent(event);
  if (event->spontaneous()) return;
  memo_->setPlainText(QString::fromLatin1(kEducationInstructions) + kNumberFormatInstructions + kFinishedInstructions);
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
