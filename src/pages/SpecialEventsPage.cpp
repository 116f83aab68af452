#include "pages/SpecialEventsPage.h"

#include <QLineEdit>

#include "engine/PageTotals.h"
#include "model/NumberFormat.h"
#include "pages/CategoryTexts.h"
#include "pages/ControlNames.h"

namespace {

const char* const kTitle = "Special Events and Other [ ";
const char* const kTitleKeys = "the special event and other expense titles (Tab skips them)";
const char* const kEventsHeader = "Special Events                                 Year               Cost";

const char* const kEventsInstructions =
    "INSTRUCTIONS\r\nUse this page to enter expenses not already covered in other items on the summary page. Type "
    "in you own titles for each expense or just leave the general titles already given. Enter expense amounts in "
    "the right hand column of edit boxes. Make sure you enter the correct year for special events.\r\n\r\nSPECIAL "
    "EVENTS\r\nYou may type in your own titles for these one time special events. Enter the year that the event "
    "will take place and its expected expense in current dollars. An event might be a wedding, a one time major "
    "vacation trip, a large anniversary celebration or any other one time expense. You may use these events for a "
    "non uniform sequence of automobile purchases. If you do, you may still enter your annual automobile operating "
    "expenses on the automobile expense page.\r\n\r\nOTHER EXPENSES\r\nYou may type in your own titles for these "
    "recurring annual expenses. Enter the expected annual expense in current dollars.";

const char* const kEventsNote[] = {
    " Note: only ",
    "the events that occur in the current year will show up ",
    "as part of the total. The cost for events that occur in future years will ",
    "show up as part of the expenses on the plan page in the appropriate year.",
};

QString EventYearMessage(std::int32_t currentYear) {
  return QString("Event year can not be less than current year [%1].").arg(currentYear);
}

struct EventFields {
  std::string PlanRecord::*title;
  std::int64_t PlanRecord::*year;
  std::int64_t PlanRecord::*amount;
};

const EventFields kEvents[5] = {
    {&PlanRecord::EventTitle1, &PlanRecord::EventYear1, &PlanRecord::EventAmount1},
    {&PlanRecord::EventTitle2, &PlanRecord::EventYear2, &PlanRecord::EventAmount2},
    {&PlanRecord::EventTitle3, &PlanRecord::EventYear3, &PlanRecord::EventAmount3},
    {&PlanRecord::EventTitle4, &PlanRecord::EventYear4, &PlanRecord::EventAmount4},
    {&PlanRecord::EventTitle5, &PlanRecord::EventYear5, &PlanRecord::EventAmount5},
};

struct OtherFields {
  std::string PlanRecord::*title;
  std::int64_t PlanRecord::*amount;
};

const OtherFields kOthers[5] = {
    {&PlanRecord::OtherTitle1, &PlanRecord::OtherAmount1}, {&PlanRecord::OtherTitle2, &PlanRecord::OtherAmount2},
    {&PlanRecord::OtherTitle3, &PlanRecord::OtherAmount3}, {&PlanRecord::OtherTitle4, &PlanRecord::OtherAmount4},
    {&PlanRecord::OtherTitle5, &PlanRecord::OtherAmount5},
};

constexpr PageGrid kGrid = kSpecialEventsPageGrid;
constexpr int kTop = 8;
constexpr int kYearWidth = 65;
constexpr int kYearLeft = kGrid.EditLeft() - kYearWidth - 8;
constexpr int kOtherTitleWidth = 338;
constexpr int kHeaderWidth = 476;  // margin to margin

// The order the boxes are read back: amounts and years first, then the
// titles, which cannot fail.
enum ReadBack { kOtherAmounts = 1, kEventYears, kEventAmounts, kOtherTitles, kEventTitles, kTotal };

EntryRow Box(PlanField field, EntryKind kind, int width, RowPlace place, int parseOrder) {
  return {"", "", BoxName(field), field, kind, false, LabelText::Given, width, place, parseOrder};
}

std::vector<EntryRow> Rows() {
  const RowPlace titleColumn{.editLeft = kGrid.left};
  const RowPlace beside{.sameLine = true};
  std::vector<EntryRow> rows = {{"EventsHeading",
                                 kEventsHeader,
                                 "",
                                 {},
                                 EntryKind::Dollars,
                                 false,
                                 LabelText::Given,
                                 0,
                                 {.labelWidth = kHeaderWidth}}};
  for (int i = 0; i < 5; ++i) {
    const EventFields& event = kEvents[i];
    rows.push_back(Box(event.title, EntryKind::Text, kYearLeft - kGrid.left - 8, titleColumn, kEventTitles));
    rows.push_back(
        Box(event.year, EntryKind::Whole, kYearWidth, {.editLeft = kYearLeft, .sameLine = true}, kEventYears));
    rows.push_back(Box(event.amount, EntryKind::Dollars, 0, beside, kEventAmounts));
  }
  rows.push_back({"OtherExpensesHeading",
                  "Other Expenses",
                  "",
                  {},
                  EntryKind::Dollars,
                  false,
                  LabelText::Given,
                  0,
                  {.labelWidth = 300}});
  for (int i = 0; i < 5; ++i) {
    rows.push_back(Box(kOthers[i].title, EntryKind::Text, kOtherTitleWidth, titleColumn, kOtherTitles));
    rows.push_back(Box(kOthers[i].amount, EntryKind::Dollars, 0, beside, kOtherAmounts));
  }
  rows.push_back({"OtherTotalLabel",
                  "Total Special and Other Expenses",
                  "OtherTotal",
                  &PlanRecord::OtherTotal,
                  EntryKind::Dollars,
                  true,
                  LabelText::Given,
                  0,
                  {},
                  kTotal});
  return rows;
}

}  // namespace

SpecialEventsPage::SpecialEventsPage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent)
    : CategoryPageBase(PageId::SpecialEvents, "Special Events and Other Expenses", 2000, session, platform, navigator,
                       parent) {
  BuildRows();
  BuildMenu({true});
}

void SpecialEventsPage::BuildRows() {
  const std::vector<EntryRow> rows = Rows();
  const std::vector<QLineEdit*> edits = AddEntryRows(rows, kGrid, kTop);
  // Titles are the user's own words, typed over in place: they look like the
  // page and are skipped by the tab key.
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].kind != EntryKind::Text) continue;
    edits[i]->setFocusPolicy(Qt::ClickFocus);
    QPalette palette = edits[i]->palette();
    palette.setColor(QPalette::Base, Qt::yellow);
    edits[i]->setPalette(palette);
  }

  // The titles are out of the Tab order: Alt+1 to Alt+5 reach the event
  // titles, Alt+6 to Alt+0 the other expense titles.
  const auto box = [this](PlanField field) { return Content()->findChild<QLineEdit*>(BoxName(field)); };
  for (int i = 0; i < 5; ++i) {
    const QString event = QString("Special event %1").arg(i + 1);
    QLineEdit* eventTitle = box(kEvents[i].title);
    eventTitle->setAccessibleName(event + " title");
    eventTitle->setToolTip(event + " title");
    box(kEvents[i].year)->setAccessibleName(event + " year");
    box(kEvents[i].amount)->setAccessibleName(event + " cost");
    const QString other = QString("Other expense %1").arg(i + 1);
    QLineEdit* otherTitle = box(kOthers[i].title);
    otherTitle->setAccessibleName(other + " title");
    otherTitle->setToolTip(other + " title");
    box(kOthers[i].amount)->setAccessibleName(other + " amount");
  }
  // Bound in key order, as the keys table lists them.
  for (int i = 0; i < 10; ++i) {
    QLineEdit* title = box(i < 5 ? kEvents[i].title : kOthers[i - 5].title);
    AddKeyFor(title, QKeySequence(Qt::ALT | (Qt::Key_0 + (i + 1) % 10)), kTitleKeys);
  }

  ApplyFonts();
  QString instructions = QString::fromLatin1(kEventsInstructions) + kUpdateInstructions;
  for (const char* piece : kEventsNote) instructions += piece;
  instructions += QString(kNumberFormatInstructions) + kFinishedInstructions;
  AddInstructions(kTop + LineCount(rows) * kGrid.rowHeight + 6, instructions, kScrollHint);
}

void SpecialEventsPage::Refresh() {
  SetCaptionTitle(kTitle);
  PlanRecord& plan = session_.plan;
  for (const EventFields& event : kEvents) {
    if (plan.*event.year < std::int64_t{plan.CurrentYear}) plan.*event.year = plan.CurrentYear;
  }
  bindings_.Fill(plan);
}

bool SpecialEventsPage::ValidatePage() {
  PlanRecord& plan = session_.plan;
  const bool error = bindings_.Parse(plan).error;
  RecomputeOtherTotal(plan);
  if (error) {
    ShowDataEntryError();
    return false;
  }
  for (const EventFields& event : kEvents) {
    if (plan.*event.year < std::int64_t{plan.CurrentYear}) {
      ShowError(EventYearMessage(plan.CurrentYear));
      return false;
    }
  }
  return true;
}

void SpecialEventsPage::UpdateTotal() {
  ValidatePage();
  RecomputeOtherTotal(session_.plan);
  bindings_.FillField(session_.plan, &PlanRecord::OtherTotal);
}
