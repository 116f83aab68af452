#include "pages/SpecialEventsPage.h"

#include <QLineEdit>

#include "engine/PageTotals.h"
#include "model/NumberFormat.h"
#include "pages/CategoryTexts.h"

namespace {

const char* const kTitle = "Special Events and Other [ ";
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
    "show up as part of the expenses on the plan page in the approate year.",
};

QString EventYearMessage(std::int32_t currentYear) {
  return QString("Event year can not be less then current year [%1].").arg(currentYear);
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

constexpr int kTop = 8;
constexpr int kRowHeight = 24;
constexpr int kYearWidth = 65;
constexpr int kOtherTitleWidth = 338;

QString EditName(int number) { return QString("Edit%1").arg(number); }

}  // namespace

SpecialEventsPage::SpecialEventsPage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent)
    : CategoryPageBase(PageId::SpecialEvents, "Special Events and Other Expenses", 2000, session, platform, navigator,
                       parent) {
  BuildRows();
  BuildMenu({true, "Summary1", {}});
}

void SpecialEventsPage::BuildRows() {
  const int amountLeft = kBoxRight - kAmountWidth;
  const int yearLeft = amountLeft - kYearWidth - 8;
  const int h = kRowHeight - 2;
  // Titles are the user's own words, typed over in place: they look like the
  // page and are skipped by the tab key.
  auto titleBox = [this](int number, QRect geometry) {
    QLineEdit* edit = AddEdit(EditName(number), geometry);
    edit->setFocusPolicy(Qt::ClickFocus);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, Qt::yellow);
    edit->setPalette(palette);
    return edit;
  };

  int y = kTop;
  AddLabel("Label2", kEventsHeader, QRect(kLabelLeft, y, kPageWidth - 2 * kLabelLeft, h));
  y += kRowHeight;
  QLineEdit* eventTitles[5];
  QLineEdit* eventYears[5];
  QLineEdit* eventAmounts[5];
  for (int i = 0; i < 5; ++i, y += kRowHeight) {
    eventTitles[i] = titleBox(12 + 3 * i, QRect(kLabelLeft, y, yearLeft - kLabelLeft - 8, h));
    eventYears[i] = AddEdit(EditName(13 + 3 * i), QRect(yearLeft, y, kYearWidth, h));
    eventAmounts[i] = AddEdit(EditName(14 + 3 * i), QRect(amountLeft, y, kAmountWidth, h));
  }
  AddLabel("Label1", "Other Expenses", QRect(kLabelLeft, y, 300, h));
  y += kRowHeight;
  QLineEdit* otherTitles[5];
  QLineEdit* otherAmounts[5];
  for (int i = 0; i < 5; ++i, y += kRowHeight) {
    otherTitles[i] = titleBox(6 + i, QRect(kLabelLeft, y, kOtherTitleWidth, h));
    otherAmounts[i] = AddEdit(EditName(1 + i), QRect(amountLeft, y, kAmountWidth, h));
  }
  AddLabel("Label11", "Total Special and Other Expenses", QRect(kLabelLeft, y, amountLeft - kLabelLeft - 4, h));
  QLineEdit* total = AddEdit("Edit11", QRect(amountLeft, y, kAmountWidth, h), true);
  y += kRowHeight;

  // The titles are out of the Tab order: Alt+1 to Alt+5 reach the event
  // titles, Alt+6 to Alt+0 the other expense titles.
  for (int i = 0; i < 5; ++i) {
    const QString event = QString("Special event %1").arg(i + 1);
    eventTitles[i]->setAccessibleName(event + " title");
    eventYears[i]->setAccessibleName(event + " year");
    eventAmounts[i]->setAccessibleName(event + " cost");
    const QString other = QString("Other expense %1").arg(i + 1);
    otherTitles[i]->setAccessibleName(other + " title");
    otherAmounts[i]->setAccessibleName(other + " amount");
    eventTitles[i]->setToolTip(event + " title");
    otherTitles[i]->setToolTip(other + " title");
    AddKeyFor(eventTitles[i], QKeySequence(Qt::ALT | (Qt::Key_1 + i)));
    AddKeyFor(otherTitles[i], QKeySequence(Qt::ALT | (i == 4 ? Qt::Key_0 : Qt::Key_6 + i)));
  }

  // Bound in the order the entries are read back: amounts and years first,
  // then the titles, which cannot fail.
  for (int i = 0; i < 5; ++i) bindings_.Bind(otherAmounts[i], kOthers[i].amount, EntryKind::Dollars);
  for (int i = 0; i < 5; ++i) bindings_.Bind(eventYears[i], kEvents[i].year, EntryKind::Whole);
  for (int i = 0; i < 5; ++i) bindings_.Bind(eventAmounts[i], kEvents[i].amount, EntryKind::Dollars);
  for (int i = 0; i < 5; ++i) bindings_.Bind(otherTitles[i], kOthers[i].title, EntryKind::Text);
  for (int i = 0; i < 5; ++i) bindings_.Bind(eventTitles[i], kEvents[i].title, EntryKind::Text);
  bindings_.Bind(total, &PlanRecord::OtherTotal, EntryKind::Dollars, true);

  ApplyFonts();
  QString instructions = QString::fromLatin1(kEventsInstructions) + kUpdateInstructions;
  for (const char* piece : kEventsNote) instructions += piece;
  instructions += QString(kNumberFormatInstructions) + kFinishedInstructions;
  AddInstructions(y + 6, instructions, kScrollHint);
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
