#include "views/PlanTablePage.h"

#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QVBoxLayout>

#include "engine/ForecastTable.h"
#include "render/PlanPrinting.h"
#include "shell/PageMenus.h"
#include "views/BitmapSaving.h"
#include "views/ExplainCommands.h"
#include "views/GridClipboard.h"
#include "views/PlanPageSize.h"
#include "views/PrintPreview.h"
#include "views/YearColumnMenu.h"
#include "views/YearGrid.h"

namespace {

constexpr int kPlanHelpContext = 500;

}  // namespace

PlanTablePage::PlanTablePage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent)
    : ResultPage(PageId::PlanTable, session, platform, navigator, parent), grid_(new YearGrid(Content())) {
  setWindowTitle("Plan");
  SetHelpContext(kPlanHelpContext);
  QPalette palette = Content()->palette();
  palette.setColor(QPalette::Window, QColor(0, 255, 255));
  Content()->setPalette(palette);
  Content()->setAutoFillBackground(true);
  auto* layout = new QVBoxLayout(Content());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(grid_);
  BuildMenus();
  // Right-click on a cell or Ctrl+E: where the number comes from.
  AddWhyThisNumber(grid_, [this] { ExplainCurrentCell(); });
}

void PlanTablePage::BuildMenus() {
  QMenuBar* bar = MenuBar();
  AddFileMenu(
      {{"&Print Plan", "PrintPlan", [this] { OnPrint(); }, QKeySequence::Print, "print the plan table"},
       {"Print Pre&view", "PreviewPlan", [this] { OnPreview(); }},
       {"Save &Bitmap", "SaveBitmap", [this] { SaveBitmapFile(this, grid_->grab().toImage(), session_, platform_); }}});
  AddSetupMenu(bar, PageId::PlanTable, "Assu&mptions", [this](PageId page) { GoTo(page); });
  AddGoToCommand(bar, PageId::Graph, [this](PageId page) { GoTo(page); });
  QMenu* copy = bar->addMenu("&Copy");
  copy->setObjectName("CopyMenu");
  SetStandardShortcut(AddMenuCommand(copy, "Copy &Selection", "CopySelection", [this] { CopySelection(); }),
                      QKeySequence::Copy, "copy the selected cells of the plan table");
  AddMenuCommand(copy, "Copy &All", "CopyAll", [this] { CopyAll(); });
  bar->addMenu(NewYearColumnMenu(this, platform_.settings, [this] { ShowTable(); }));
  AddWindowMenu(bar, *this, WindowMenuOptions{kPlanHelpContext});
  AddDollarsItem("SwitchDollars");
}

void PlanTablePage::showEvent(QShowEvent* event) {
  UpdateDollarsItem();
  Page::showEvent(event);
}

QWidget* PlanTablePage::FirstFocus() const { return grid_; }

void PlanTablePage::Refresh() { ShowPlanPage(); }

void PlanTablePage::ShowPlanPage() { ShowPlanPage(session_.LastPageLeft != PageId::Graph); }

void PlanTablePage::ShowPlanPage(bool runForecast) {
  SetCaptionTitle("Plan Page [ ");
  if (runForecast) session_.RunForecastForView();
  UpdateDollarsItem();
  ShowTable();
}

void PlanTablePage::ShowTable() {
  grid_->SetColumns(YearTableColumns(session_.plan.SecondPerson, RememberedYearFields(platform_.settings)));
  grid_->ShowYears(session_.plan, session_.table);
}

PlanPrintJob PlanTablePage::PrintJob() const {
  return {session_.plan, session_.table, session_.CurrentDollars, QString::fromStdString(session_.RulesNote()),
          RememberedYearFields(platform_.settings)};
}

void PlanTablePage::OnPrint() {
  QPrinter printer(QPrinter::HighResolution);
  if (!platform_.prompts.ChoosePrinter(this, printer)) return;
  if (PrintPlanTable(printer, PrintJob()) == 0) ShowError("The plan could not be printed: the printer did not start.");
}

void PlanTablePage::OnPreview() {
  const PlanPrintJob job = PrintJob();
  ShowPrintPreview(this, platform_, [&job](QPrinter& target) { return PrintPlanTable(target, job); });
}

void PlanTablePage::ExplainCurrentCell() {
  const int row = grid_->currentRow();
  const YearField field = grid_->FieldAt(grid_->currentColumn());
  if (row < 0 || field == nullptr) return;
  OpenExplanation(this, session_, platform_, field, row + 1,
                  [this](const QString& name, int year) { SelectCell(name, year); });
}

void PlanTablePage::SelectCell(const QString& field, int year) {
  grid_->SelectCell(field.toStdString(), year - session_.plan.CurrentYear + 1);
}

void PlanTablePage::ShowForecast() { ShowTable(); }

void PlanTablePage::CopySelection() {
  if (const auto text = CopySelectionText(*grid_)) platform_.desktop.SetClipboardText(*text);
}

void PlanTablePage::CopyAll() { platform_.desktop.SetClipboardText(CopyAllText(*grid_)); }

QSize PlanTablePage::HeldSize(QSize size) const {
  return PlanPageHeldSize(size, session_.geometry, session_.plan.Age1);
}

QSize PlanTablePage::PageSize() const {
  return HeldSize(QSize(session_.geometry.PlanWidth, session_.geometry.PlanHeight)) -
         QSize(0, MenuBar()->sizeHint().height());
}

QSize PlanTablePage::MinimumPageSize() const {
  return QSize(session_.geometry.MinPageWidth, session_.geometry.MinPageHeight - MenuBar()->sizeHint().height());
}

void PlanTablePage::PageResized(QSize size) {
  const QSize held = HeldSize(size);
  session_.geometry.PlanWidth = held.width();
  session_.geometry.PlanHeight = held.height();
  if (held != size) navigator_.ApplySizeRule();
}
