#include "pages/ExpenseSummaryPage.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "engine/PageTotals.h"
#include "pages/ExpenseSummaryTexts.h"
#include "shell/PageMenus.h"

namespace {

using namespace expense_summary_texts;

const QColor kMaroon(128, 0, 0);

// One summary line: its button, the box that shows the amount and where the
// button leads (a category page, or an explanation of a transferred amount).
struct SummaryLine {
  const char* buttonName;
  const char* caption;
  const char* editName;
  PlanField field;
  PageId categoryPage;  // ignored by an explanation line
  const char* explanation;
};

const SummaryLine kLines[] = {
    {"Button1", "Home Expenses", "Edit1", &PlanRecord::SummaryHome, PageId::HomeExpenses, nullptr},
    {"Button3", "Medical Expenses", "Edit3", &PlanRecord::SummaryMedical, PageId::MedicalExpenses, nullptr},
    {"Button4", "Communications Expenses", "Edit4", &PlanRecord::SummaryCommunication, PageId::CommunicationExpenses,
     nullptr},
    {"Button5", "Entertainment and Gift Expenses", "Edit5", &PlanRecord::SummaryEntertainment,
     PageId::EntertainmentExpenses, nullptr},
    {"Button6", "Food && Personal Expenses", "Edit6", &PlanRecord::SummaryFood, PageId::FoodExpenses, nullptr},
    {"Button8", "Special Events and Other Expenses", "Edit8", &PlanRecord::SummaryOther, PageId::SpecialEvents,
     nullptr},
    {"Button2", "Automobile Expenses", "Edit2", &PlanRecord::SummaryAuto, PageId::AutoExpenses, nullptr},
    {"Button7", "Education Expenses", "Edit7", &PlanRecord::SummaryEducation, PageId::Education, nullptr},
    {"Button9", "Current Debt  Expense", "Edit9", &PlanRecord::DebtPayment, PageId::ExpenseSummary,
     kDebtExplanation},
    {"Button10", "Current FICA and Income Tax Expense", "Edit11", &PlanRecord::TaxTotal, PageId::ExpenseSummary,
     kTaxExplanation},
};

// The category boxes read back, in box order.
const std::pair<const char*, PlanField> kReadBack[] = {
    {"Edit1", &PlanRecord::SummaryHome},          {"Edit2", &PlanRecord::SummaryAuto},
    {"Edit3", &PlanRecord::SummaryMedical},       {"Edit4", &PlanRecord::SummaryCommunication},
    {"Edit5", &PlanRecord::SummaryEntertainment}, {"Edit6", &PlanRecord::SummaryFood},
    {"Edit7", &PlanRecord::SummaryEducation},     {"Edit8", &PlanRecord::SummaryOther},
};

constexpr int kTop = 10;
constexpr int kRowHeight = 28;
constexpr QRect kButtonColumn(16, 0, 260, 24);
constexpr QRect kBoxColumn(364, 0, 120, 24);

}  // namespace

ExpenseSummaryPage::ExpenseSummaryPage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent)
    : DataPage(PageId::ExpenseSummary, session, platform, navigator, parent) {
  setWindowTitle(kDesignCaption);
  SetHelpContext(kHelpContext);
  SetClientSize(QSize(500, 518));
  SetPageColour(kMaroon);
  BuildMenu();
  BuildLines();
  AddMemo("Memo1", QRect(8, 330, 484, 182), kInstructions);
}

void ExpenseSummaryPage::BuildMenu() {
  AddGoToCommand(MenuBar(), PageId::Graph, [this](PageId page) { GoTo(page); });
  QMenu* setup = AddSetupMenu(MenuBar(), PageId::ExpenseSummary, "Assu&mptions", [this](PageId page) { GoTo(page); });
  // This page's setup items carry names of their own: the expenses item is
  // Expenses2 and the personal data item Expenses1.
  for (QAction* action : setup->actions()) {
    if (action->objectName() == "Expenses1") action->setObjectName("Expenses2");
  }
  for (QAction* action : setup->actions()) {
    if (action->objectName() == "PersonalData1") action->setObjectName("Expenses1");
  }
  AddGoToCommand(MenuBar(), PageId::PlanTable, [this](PageId page) { GoTo(page); });
  AddWindowMenu(MenuBar(), *this, {kHelpContext, "Help HT&M", "HelpHTM1", "OrvexGraphicsHomePage1"});
}

void ExpenseSummaryPage::BuildLines() {
  int y = kTop;
  for (const SummaryLine& line : kLines) {
    auto* button = new QPushButton(line.caption, Content());
    button->setObjectName(line.buttonName);
    button->setGeometry(kButtonColumn.translated(0, y));
    if (line.explanation) {
      button->setFocusPolicy(Qt::NoFocus);
      const QString text = line.explanation;
      connect(button, &QPushButton::clicked, this, [this, text] { ShowInformation(text); });
      // Kept out of the Tab order, so reached by a key instead.
      AddKeyFor(button, QKeySequence(Qt::ALT | (line.explanation == kDebtExplanation ? Qt::Key_D : Qt::Key_T)),
                [button] { button->click(); });
    } else {
      button->setToolTip(kCategoryHint);
      const PageId page = line.categoryPage;
      button->setProperty(kTargetPageProperty, static_cast<int>(page));
      connect(button, &QPushButton::clicked, this, [this, page] { OpenCategoryPage(page); });
    }
    bindings_.Bind(AddEdit(line.editName, kBoxColumn.translated(0, y), true), line.field, EntryKind::Dollars, true);
    y += kRowHeight;
  }
  QLabel* total = AddLabel("Label2", kTotal, kButtonColumn.translated(0, y));
  QPalette palette = total->palette();
  palette.setColor(QPalette::WindowText, Qt::white);
  total->setPalette(palette);
  QFont bold = total->font();
  bold.setBold(true);
  total->setFont(bold);
  bindings_.Bind(AddEdit("Edit10", kBoxColumn.translated(0, y), true), &PlanRecord::ExpenseTotal,
                 EntryKind::Dollars, true);
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
  for (const auto& [editName, field] : kReadBack) {
    const QString text = Content()->findChild<QLineEdit*>(editName)->text();
    bool blank = false;
    // A negative total (from a plan file) shows in the money format the
    // dollar parser refuses; the program's own text of the stored value is
    // not an entry error, or the user could never leave the page.
    if (ParseEntry(text, plan, field, blank) != 0 && text != FormatEntry(plan, field, EntryKind::Dollars)) {
      error = true;
    }
  }
  if (error) ShowError(kDataEntryError);
  return !error;
}

void ExpenseSummaryPage::OpenCategoryPage(PageId page) { navigator_.SwitchPageValidated(PageId::ExpenseSummary, page); }
