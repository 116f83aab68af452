#include "pages/AssetsPage.h"

#include <QPushButton>

#include "engine/PageTotals.h"
#include "pages/AssetsTexts.h"
#include "shell/PageMenus.h"

namespace {

constexpr int kLeft = 10;
constexpr int kRight = 526;
constexpr int kRowHeight = 24;
constexpr int kEditWidth = 110;
constexpr int kEditLeft = kRight - kEditWidth;

}  // namespace

AssetsPage::AssetsPage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent)
    : DataPage(PageId::Assets, session, platform, navigator, parent) {
  setWindowTitle("Assets");
  SetClientSize(QSize(536, 500));
  BuildControls();
  BuildMenu();
}

void AssetsPage::BuildControls() {
  auto heading = [this](const char* name, const char* text, int top) {
    AddHeading(name, text, QRect(kLeft, top, 300, 20));
  };
  auto row = [this](const char* labelName, const char* words, const char* editName, PlanField field, EntryKind kind,
                    int top) {
    bindings_.Bind(AddLeaderRow(labelName, words, editName, QRect(kEditLeft, top, kEditWidth, kRowHeight - 2), kLeft),
                   field, kind);
  };

  heading("Label1", "Investments", 8);
  row("Label2", "Taxable Balance", "Edit1", &PlanRecord::TaxableBalance, EntryKind::Dollars, 32);
  row("Label3", "Tax Deferred Balance", "Edit2", &PlanRecord::TaxDeferredBalance, EntryKind::Dollars, 56);
  heading("Label5", "Current Debt", 88);
  row("Label4", "Total Current Debt", "Edit4", &PlanRecord::CurrentDebt, EntryKind::Dollars, 112);
  row("Label6", "Years Remaining on Debt", "Edit6", &PlanRecord::DebtYears, EntryKind::Whole, 136);
  heading("Label10", "Home Assets", 168);

  auto* button = new QPushButton("Home Status/Assets", Content());
  button->setObjectName("Button1");
  button->setGeometry(kLeft, 192, 160, 26);
  button->setToolTip("Important home status details");
  button->setProperty(kTargetPageProperty, static_cast<int>(PageId::HomeStatus));
  connect(button, &QPushButton::clicked, this, &AssetsPage::OpenHomeStatus);
  bindings_.Bind(AddEdit("Edit7", QRect(kEditLeft, 194, kEditWidth, kRowHeight - 2), true),
                 &PlanRecord::CurrentHomeEquity, EntryKind::Dollars, true);

  bindings_.Bind(AddLeaderRow("Label9", "Current Net Worth", "Edit8", QRect(kEditLeft, 230, kEditWidth, kRowHeight - 2),
                              kLeft, true),
                 &PlanRecord::CurrentNetWorth, EntryKind::Dollars, true);

  AddMemo("Memo1", QRect(kLeft, 266, kRight - kLeft, 226), assets_texts::Instructions());
}

void AssetsPage::BuildMenu() {
  AddMenuCommand(MenuBar(), "&Update", "Update1", [this] { UpdateTotals(); });
  AddSetupMenu(MenuBar(), PageId::Assets, "Assu&mptions", [this](PageId page) { GoTo(page); });
  AddGoToCommand(MenuBar(), PageId::Graph, [this](PageId page) { GoTo(page); });
  AddGoToCommand(MenuBar(), PageId::PlanTable, [this](PageId page) { GoTo(page); });
  AddWindowMenu(MenuBar(), *this, {kHelpContext});
}

void AssetsPage::FillAssetsPage() {
  UpdateNetWorth();
  SetCaptionTitle(assets_texts::kTitle);
  bindings_.Fill(session_.plan);
}

void AssetsPage::UpdateNetWorth() {
  RecomputeCurrentNetWorth(session_.plan);
  bindings_.FillField(session_.plan, &PlanRecord::CurrentNetWorth);
}

bool AssetsPage::ValidateAssetsPage() {
  PlanRecord& plan = session_.plan;
  if (bindings_.Parse(plan).error) {
    ShowError(assets_texts::kDataError);
    return false;
  }
  // The expense summary sets the payment outright; here a new debt may only
  // raise it.
  const std::int64_t payment = ComputeDebtPayment(plan);
  if (payment > plan.DebtPayment) plan.DebtPayment = payment;
  UpdateNetWorth();
  return true;
}

void AssetsPage::UpdateTotals() {
  ValidateAssetsPage();
  UpdateNetWorth();
}

void AssetsPage::OpenHomeStatus() { GoTo(PageId::HomeStatus); }
