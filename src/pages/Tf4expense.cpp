#include "pages/Tf4expense.h"

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
  int categoryPage;
  const char* explanation;
};

const SummaryLine kLines[] = {
    {"Button1", "Home Expenses", "Edit1", &PlanRecord::SummaryHome, kHomeExpensePage, nullptr},
    {"Button3", "Medical Expenses", "Edit3", &PlanRecord::SummaryMedical, kMedicalExpensePage, nullptr},
    {"Button4", "Communications Expenses", "Edit4", &PlanRecord::SummaryCommunication, kCommunicationExpensePage,
     nullptr},
    {"Button5", "Entertainment and Gift Expenses", "Edit5", &PlanRecord::SummaryEntertainment,
     kEntertainmentExpensePage, nullptr},
    {"Button6", "Food && Personal Expenses", "Edit6", &PlanRecord::SummaryFood, kFoodExpensePage, nullptr},
    {"Button8", "Special Events and Other Expenses", "Edit8", &PlanRecord::SummaryOther, kOtherExpensePage,
     nullptr},
    {"Button2", "Automobile Expenses", "Edit2", &PlanRecord::SummaryAuto, kAutoExpensePage, nullptr},
    {"Button7", "Education Expenses", "Edit7", &PlanRecord::SummaryEducation, kEducationPage, nullptr},
    {"Button9", "Current Debt  Expense", "Edit9", &PlanRecord::DebtPayment, 0, kDebtExplanation},
    {"Button10", "Current FICA and Income Tax Expense", "Edit11", &PlanRecord::TaxTotal, 0, kTaxExplanation},
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

Tf4expense::Tf4expense(Session& session, Platform& platform, Navigator& navigator, QWidget* parent)
    : DataPage(kExpensePage, session, platform, navigator, parent) {
  setWindowTitle(kDesignCaption);
  SetHelpContext(kHelpContext);
  SetClientSize(QSize(500, 518));
  SetPageColour(kMaroon);
  BuildMenu();
  BuildLines();
  AddMemo("Memo1", QRect(8, 330, 484, 182), kInstructions);
}

void Tf4expense::BuildMenu() {
  AddMenuCommand(MenuBar(), "&Graph", "Graph1", [this] { GoTo(kGraphPage); });
  QMenu* setup = AddSetupMenu(MenuBar(), kExpensePage, "Assu&mptions", [this](int page) { GoTo(page); });
  // This page's setup items carry names of their own: the expenses item is
  // Expenses2 and the personal data item Expenses1.
  for (QAction* action : setup->actions()) {
    if (action->objectName() == "Expenses1") action->setObjectName("Expenses2");
  }
  for (QAction* action : setup->actions()) {
    if (action->objectName() == "PersonalData1") action->setObjectName("Expenses1");
  }
  AddMenuCommand(MenuBar(), "&Plan", "Plan1", [this] { GoTo(kPlanPage); });
  AddWindowMenu(MenuBar(), *this, {kHelpContext, "Help HT&M", "HelpHTM1", "OrvexGraphicsHomePage1"});
}

void Tf4expense::BuildLines() {
  int y = kTop;
  for (const SummaryLine& line : kLines) {
    auto* button = new QPushButton(line.caption, Content());
    button->setObjectName(line.buttonName);
    button->setGeometry(kButtonColumn.translated(0, y));
    if (line.explanation) {
      button->setFocusPolicy(Qt::NoFocus);
      const QString text = line.explanation;
      connect(button, &QPushButton::clicked, this, [this, text] { ShowInformation(text); });
    } else {
      button->setToolTip(kCategoryHint);
      const int page = line.categoryPage;
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

void Tf4expense::FillExpenseSummaryPage() {
  // The same refresh the forecast runs before its first year.
  RefreshExpenseSummary(session_.plan);
  SetCaptionTitle(kTitle);
  bindings_.Fill(session_.plan);
}

bool Tf4expense::ValidateExpenseSummaryPage() {
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

void Tf4expense::OpenCategoryPage(int page) { navigator_.SwitchPageValidated(kExpensePage, page); }
