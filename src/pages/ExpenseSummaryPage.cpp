#include "pages/ExpenseSummaryPage.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "engine/PageTotals.h"
#include "pages/ControlNames.h"
#include "pages/EntryRefusal.h"
#include "pages/ExpenseSummaryTexts.h"
#include "shell/PageMenus.h"

namespace {

using namespace expense_summary_texts;

const QColor kMaroon(128, 0, 0);

constexpr PageGrid kGrid = kExpenseSummaryGrid;
constexpr int kTop = 10;
constexpr int kButtonWidth = 260;

// A line whose button opens the category page behind its amount.
EntryRow CategoryLine(int number, const char* caption, PlanField field, PageId page) {
  return {BoxName(field) + "Button",
          caption,
          BoxName(field),
          field,
          EntryKind::Dollars,
          true,
          LabelText::Button,
          0,
          {.labelWidth = kButtonWidth},
          number,
          page};
}

// A line whose amount comes from another page; its button says which.
EntryRow TakenLine(const char* caption, int readOrder, PlanField field, const char* note) {
  return {BoxName(field) + "Button",    caption,   BoxName(field),    field,
          EntryKind::Dollars,           true,      LabelText::Button, 0,
          {.labelWidth = kButtonWidth}, readOrder, std::nullopt,      note};
}

// Boxes are read back in the order of their numbers; only the category
// amounts are read.
const std::vector<EntryRow>& Lines() {
  static const std::vector<EntryRow> lines = {
      CategoryLine(1, "Home Expenses", &PlanRecord::SummaryHome, PageId::HomeExpenses),
      CategoryLine(3, "Medical Expenses", &PlanRecord::SummaryMedical, PageId::MedicalExpenses),
      CategoryLine(4, "Communications Expenses", &PlanRecord::SummaryCommunication, PageId::CommunicationExpenses),
      CategoryLine(5, "Entertainment and Gift Expenses", &PlanRecord::SummaryEntertainment,
                   PageId::EntertainmentExpenses),
      CategoryLine(6, "Food && Personal Expenses", &PlanRecord::SummaryFood, PageId::FoodExpenses),
      CategoryLine(8, "Special Events and Other Expenses", &PlanRecord::SummaryOther, PageId::SpecialEvents),
      CategoryLine(2, "Automobile Expenses", &PlanRecord::SummaryAuto, PageId::AutoExpenses),
      CategoryLine(7, "Education Expenses", &PlanRecord::SummaryEducation, PageId::Education),
      TakenLine("Current Debt  Expense", 9, &PlanRecord::DebtPayment, kDebtExplanation),
      TakenLine("Current FICA and Income Tax Expense", 11, &PlanRecord::TaxTotal, kTaxExplanation),
      {"ExpenseTotalLabel",
       kTotal,
       "ExpenseTotal",
       &PlanRecord::ExpenseTotal,
       EntryKind::Dollars,
       true,
       LabelText::Given,
       0,
       {.labelWidth = kButtonWidth},
       10},
  };
  return lines;
}

}  // namespace

ExpenseSummaryPage::ExpenseSummaryPage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent)
    : DataPage(PageId::ExpenseSummary, session, platform, navigator, parent) {
  setWindowTitle(kDesignCaption);
  SetHelpContext(kHelpContext);
  SetClientSize(QSize(500, 518));
  SetPageColour(kMaroon);
  BuildMenu();
  BuildLines();
  AddMemo("Instructions", QRect(8, 330, 484, 182), kInstructions);
}

void ExpenseSummaryPage::BuildMenu() {
  AddGoToCommand(MenuBar(), PageId::Graph, [this](PageId page) { GoTo(page); });
  AddSetupMenu(MenuBar(), PageId::ExpenseSummary, "Assu&mptions", [this](PageId page) { GoTo(page); });
  AddGoToCommand(MenuBar(), PageId::PlanTable, [this](PageId page) { GoTo(page); });
  AddWindowMenu(MenuBar(), *this, {kHelpContext});
}

void ExpenseSummaryPage::BuildLines() {
  AddEntryRows(Lines(), kGrid, kTop);
  for (const EntryRow& line : Lines()) {
    if (line.label != LabelText::Button) continue;
    auto* button = Content()->findChild<QPushButton*>(line.labelName);
    if (line.opens) {
      button->setToolTip(kCategoryHint);
      const PageId page = *line.opens;
      button->setProperty(kTargetPageProperty, static_cast<int>(page));
      connect(button, &QPushButton::clicked, this, [this, page] { OpenCategoryPage(page); });
    } else {
      button->setFocusPolicy(Qt::NoFocus);
      const QString text = line.note;
      connect(button, &QPushButton::clicked, this, [this, text] { ShowInformation(text); });
      // Kept out of the Tab order, so reached by a key instead.
      const bool debt = line.note == kDebtExplanation;
      AddKeyFor(button, QKeySequence(Qt::ALT | (debt ? Qt::Key_D : Qt::Key_T)),
                debt ? "the expense summary's debt expense explanation"
                     : "the expense summary's tax expense explanation",
                [button] { button->click(); });
    }
  }
  QLabel* total = Content()->findChild<QLabel*>("ExpenseTotalLabel");
  QPalette palette = total->palette();
  palette.setColor(QPalette::WindowText, Qt::white);
  total->setPalette(palette);
  QFont bold = total->font();
  bold.setBold(true);
  total->setFont(bold);
}

void ExpenseSummaryPage::FillExpenseSummaryPage() {
  // The same refresh the forecast runs before its first year.
  RefreshExpenseSummary(session_.plan);
  SetCaptionTitle(kTitle);
  bindings_.Fill(session_.plan);
}

bool ExpenseSummaryPage::ValidateExpenseSummaryPage() {
  PlanRecord& plan = session_.plan;
  bool error = false;
  const std::vector<EntryRow>& lines = Lines();
  for (std::size_t i : ParseOrder(lines)) {
    if (!lines[i].opens) continue;
    const PlanField& field = lines[i].field;
    QLineEdit* box = Content()->findChild<QLineEdit*>(lines[i].editName);
    const QString text = box->text();
    bool blank = false;
    // A negative total (from a plan file) shows in the money format the
    // dollar parser refuses; the program's own text of the stored value is
    // not an entry error, or the user could never leave the page.
    const bool refused =
        ParseEntry(text, plan, field, blank) != 0 && text != FormatEntry(plan, field, EntryKind::Dollars);
    MarkEntryError(box, refused ? EntryRefusal(text, field, EntryKind::Dollars) : QString());
    error = error || refused;
  }
  if (error) ShowError(kDataEntryError);
  return !error;
}

void ExpenseSummaryPage::OpenCategoryPage(PageId page) { navigator_.SwitchPageValidated(PageId::ExpenseSummary, page); }
