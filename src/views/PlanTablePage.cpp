#include "views/PlanTablePage.h"

#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdint>

#include "engine/ForecastTable.h"
#include "shell/PageMenus.h"
#include "views/PlanGrid.h"
#include "views/PlanPrinting.h"

namespace {

constexpr int kPlanHelpContext = 500;

}  // namespace

PlanTablePage::PlanTablePage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent)
    : ResultPage(PageId::PlanTable, session, platform, navigator, parent), grid_(new QTableWidget(Content())) {
  setWindowTitle("Plan");
  SetHelpContext(kPlanHelpContext);
  QPalette palette = Content()->palette();
  palette.setColor(QPalette::Window, QColor(0, 255, 255));
  Content()->setPalette(palette);
  Content()->setAutoFillBackground(true);
  auto* layout = new QVBoxLayout(Content());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(grid_);
  SetupPlanGrid(*grid_);
  BuildMenus();
}

void PlanTablePage::BuildMenus() {
  QMenuBar* bar = MenuBar();
  AddFileMenu({{"&Print Plan", "PrintPlan1", [this] { OnPrint(); }}});
  AddSetupMenu(bar, PageId::PlanTable, "Assu&mptions", [this](PageId page) { GoTo(page); });
  AddGoToCommand(bar, PageId::Graph, [this](PageId page) { GoTo(page); });
  QMenu* copy = bar->addMenu("&Copy");
  copy->setObjectName("Copy1");
  AddMenuCommand(copy, "Copy &Selection", "CopySelection1", [this] { CopySelection(); });
  AddMenuCommand(copy, "Copy &All", "CopyAll1", [this] { CopyAll(); });
  AddWindowMenu(bar, *this, WindowMenuOptions{kPlanHelpContext});
  AddDollarsItem("Curr1");
}

void PlanTablePage::showEvent(QShowEvent* event) {
  UpdateDollarsItem();
  Page::showEvent(event);
}

void PlanTablePage::Refresh() { ShowPlanPage(); }

void PlanTablePage::ShowPlanPage() { ShowPlanPage(session_.LastPageLeft != PageId::Graph); }

void PlanTablePage::ShowPlanPage(bool runForecast) {
  SetCaptionTitle("Plan Page [ ");
  if (runForecast) session_.RunForecastForView();
  UpdateDollarsItem();
  SetPlanRows(*grid_, session_);
  FillPlanGrid(*grid_, session_);
}

void PlanTablePage::OnPrint() {
  QPrinter printer(QPrinter::HighResolution);
  if (!platform_.prompts.ChoosePrinter(this, printer)) return;
  if (PrintPlanTable(printer, PlanPrintJob{session_.plan, session_.table, session_.CurrentDollars}) == 0)
    ShowError("The plan could not be printed: the printer did not start.");
}

void PlanTablePage::ShowForecast() { FillPlanGrid(*grid_, session_); }

void PlanTablePage::CopySelection() {
  const QList<QTableWidgetSelectionRange> ranges = grid_->selectedRanges();
  int top = 0;
  int left = 0;
  int bottom = 0;
  int right = 0;
  if (!ranges.isEmpty()) {
    const QTableWidgetSelectionRange& range = ranges.constFirst();
    top = range.topRow() + 1;
    left = range.leftColumn();
    bottom = range.bottomRow() + 1;
    right = range.rightColumn();
  } else if (grid_->currentRow() >= 0 && grid_->currentColumn() >= 0) {
    top = bottom = grid_->currentRow() + 1;
    left = right = grid_->currentColumn();
  } else {
    return;
  }
  platform_.desktop.SetClipboardText(PlanGridText(*grid_, top, left, bottom, right));
  grid_->setCurrentCell(top - 1, left, QItemSelectionModel::ClearAndSelect);
}

void PlanTablePage::CopyAll() {
  if (grid_->rowCount() > 0) grid_->setCurrentCell(0, 1, QItemSelectionModel::ClearAndSelect);
  platform_.desktop.SetClipboardText(PlanGridText(*grid_, 0, 0, PlanGridRows(*grid_) - 1, kPlanColumnCount - 1));
}

QSize PlanTablePage::HeldSize(QSize size) const {
  const WindowGeometry& g = session_.geometry;
  const int width = std::max(g.MinPageWidth, std::min(size.width(), g.MaxPageWidth));
  // Never much taller than the rows the plan can show.
  const std::int64_t tallest = 1930 - 20 * static_cast<std::int64_t>(session_.plan.Age1);
  const int height = static_cast<int>(std::max<std::int64_t>(g.MinPageHeight, std::min<std::int64_t>(size.height(), tallest)));
  return QSize(width, height);
}

QSize PlanTablePage::PageSize() const { return HeldSize(QSize(session_.geometry.PlanWidth, session_.geometry.PlanHeight)); }

QSize PlanTablePage::MinimumPageSize() const {
  return QSize(session_.geometry.MinPageWidth, session_.geometry.MinPageHeight);
}

void PlanTablePage::PageResized(QSize size) {
  const QSize proposed = size - QSize(0, MenuBar()->sizeHint().height());
  const QSize held = HeldSize(proposed);
  session_.geometry.PlanWidth = held.width();
  session_.geometry.PlanHeight = held.height();
  if (held != proposed) navigator_.ApplySizeRule();
}
