#include "pages/AssetsPage.h"

#include <QPushButton>

#include "engine/PageTotals.h"
#include "pages/AssetsTexts.h"
#include "shell/PageMenus.h"

namespace {

constexpr PageGrid kGrid = kWidePageGrid;

EntryRow Row(const char* labelName, const char* words, const char* editName, PlanField field,
             EntryKind kind = EntryKind::Dollars, bool readOnly = false) {
  return {labelName, words, editName, field, kind, readOnly, LabelText::Leaders};
}

}  // namespace

AssetsPage::AssetsPage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent)
    : DataPage(PageId::Assets, session, platform, navigator, parent) {
  setWindowTitle("Assets");
  SetClientSize(QSize(536, 548));
  BuildControls();
  BuildMenu();
}

void AssetsPage::BuildControls() {
  auto heading = [this](const char* name, const char* text, int top) {
    AddHeading(name, text, QRect(kGrid.left, top, 300, 20));
  };

  heading("InvestmentsHeading", "Investments", 8);
  AddEntryRows(
      {Row("TaxableBalanceLabel", "Taxable Balance", "TaxableBalance", &PlanRecord::TaxableBalance),
       Row("TaxDeferredBalanceLabel", "Tax Deferred Balance", "TaxDeferredBalance", &PlanRecord::TaxDeferredBalance),
       Row("RothBalanceLabel", "Roth IRA and Roth 401k balance", "RothBalance", &PlanRecord::RothBalance),
       Row("RothBasisLabel", "Roth contributions made so far", "RothBasis", &PlanRecord::RothBasis)},
      kGrid, 32);
  heading("CurrentDebtHeading", "Current Debt", 136);
  AddEntryRows(
      {Row("CurrentDebtLabel", "Total Current Debt", "CurrentDebt", &PlanRecord::CurrentDebt),
       Row("DebtYearsLabel", "Years Remaining on Debt", "DebtYears", &PlanRecord::DebtYears, EntryKind::Whole)},
      kGrid, 160);
  heading("HomeAssetsHeading", "Home Assets", 216);

  auto* button = new QPushButton("Home Status/Assets", Content());
  button->setObjectName("HomeStatusButton");
  button->setGeometry(kGrid.left, 240, 160, 26);
  button->setToolTip("Important home status details");
  button->setProperty(kTargetPageProperty, static_cast<int>(PageId::HomeStatus));
  connect(button, &QPushButton::clicked, this, &AssetsPage::OpenHomeStatus);
  // The home equity box stands beside the button, without a label of its own.
  AddEntryRows({{"", "", "CurrentHomeEquity", &PlanRecord::CurrentHomeEquity, EntryKind::Dollars, true}}, kGrid, 242);
  AddEntryRows({Row("CurrentNetWorthLabel", "Current Net Worth", "CurrentNetWorth", &PlanRecord::CurrentNetWorth,
                    EntryKind::Dollars, true)},
               kGrid, 278);

  AddMemo("Instructions", QRect(kGrid.left, 314, kGrid.right - kGrid.left, 226), assets_texts::Instructions());
}

void AssetsPage::BuildMenu() {
  AddMenuCommand(MenuBar(), "&Update", "Update", [this] { UpdateTotals(); });
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
