#include "views/Tf2plan.h"

#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdint>

#include "engine/ForecastTable.h"
#include "shell/PageMenus.h"
#include "shell/PlanFileFlows.h"
#include "shell/WindowSettings.h"
#include "views/PlanGrid.h"
#include "views/PlanPrinting.h"

namespace {

constexpr int kPlanHelpContext = 500;

QString DollarsCaption(const Session& session) {
  if (!session.CurrentDollars) return "&Dollars(Inflation Adjusted)";
  return QString("&Dollars(Current %1)").arg(session.plan.CurrentYear);
}

}  // namespace

Tf2plan::Tf2plan(Session& session, Platform& platform, Navigator& navigator, QWidget* parent)
    : Page(kPlanPage, session, platform, navigator, parent), sgrid_(new QTableWidget(Content())) {
  setWindowTitle("Plan");
  SetHelpContext(kPlanHelpContext);
  QPalette palette = Content()->palette();
  palette.setColor(QPalette::Window, QColor(0, 255, 255));
  Content()->setPalette(palette);
  Content()->setAutoFillBackground(true);
  auto* layout = new QVBoxLayout(Content());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(sgrid_);
  SetupPlanGrid(*sgrid_);
  BuildMenus();
}

void Tf2plan::BuildMenus() {
  QMenuBar* bar = MenuBar();
  QMenu* file = bar->addMenu("&File");
  file->setObjectName("File1");
  AddMenuCommand(file, "&New", "New1", [this] { New1Click(); });
  AddMenuCommand(file, "&Open", "Open1", [this] { Open1Click(); });
  AddMenuCommand(file, "&Save", "Save1", [this] { Save1Click(); });
  AddMenuCommand(file, "&Print Plan", "PrintPlan1", [this] { PrintPlan1Click(); });
  AddMenuCommand(file, "O&dds...", "Odds1", [this] { GoTo(kOddsPage); });
  AddMenuCommand(file, "E&xit", "Exit1", [this] { Exit1Click(); });
  AddSetupMenu(bar, kPlanPage, "Assu&mptions", [this](int page) { GoTo(page); });
  AddMenuCommand(bar, "&Graph", "Graph1", [this] { GoTo(kGraphPage); });
  QMenu* copy = bar->addMenu("&Copy");
  copy->setObjectName("Copy1");
  AddMenuCommand(copy, "Copy &Selection", "CopySelection1", [this] { CopySelection1Click(); });
  AddMenuCommand(copy, "Copy &All", "CopyAll1", [this] { CopyAll1Click(); });
  AddWindowMenu(bar, *this, WindowMenuOptions{kPlanHelpContext});
  curr1_ = AddMenuCommand(bar, DollarsCaption(session_), "Curr1", [this] { Curr1Click(); });
  curr1_->setCheckable(true);
  UpdateDollarsItem();
}

void Tf2plan::UpdateDollarsItem() {
  // The action toggles its own check mark before the handler runs; the
  // session's switch is the one truth shared with the graph page.
  curr1_->setChecked(!session_.CurrentDollars);
  curr1_->setText(DollarsCaption(session_));
}

void Tf2plan::showEvent(QShowEvent* event) {
  UpdateDollarsItem();
  Page::showEvent(event);
}

void Tf2plan::Refresh() { ShowPlanPage(); }

void Tf2plan::ShowPlanPage() { ShowPlanPage(session_.LastPageLeft != kGraphPage); }

void Tf2plan::ShowPlanPage(bool runForecast) {
  SetCaptionTitle("Plan Page [ ");
  if (runForecast) session_.RunForecastForView();
  UpdateDollarsItem();
  SetPlanRows(*sgrid_, session_);
  FillPlanGrid(*sgrid_, session_);
}

void Tf2plan::SaveSettings() {
  SaveWindowSettings(session_, platform_.settings, navigator_.WindowTop(), navigator_.WindowLeft());
}

void Tf2plan::New1Click() {
  if (!NewPlan(session_, platform_, this)) return;
  ResetForecastTable(session_.table);
  UpdateDollarsItem();
  SaveSettings();
  session_.RunForecastForView();
  session_.CurveShown.fill(true);
  ShowPlanPage(false);
}

void Tf2plan::Open1Click() {
  if (!OpenPlan(session_, platform_, this)) return;
  SaveSettings();
  session_.RunForecastForView();
  session_.CurveShown.fill(true);
  ShowPlanPage(false);
}

void Tf2plan::Save1Click() {
  if (!SavePlan(session_, platform_, this)) return;
  ShowPlanPage();
  SaveSettings();
}

void Tf2plan::PrintPlan1Click() {
  QPrinter printer(QPrinter::HighResolution);
  if (!platform_.prompts.ChoosePrinter(this, printer)) return;
  if (PrintPlanTable(printer, PlanPrintJob{session_.plan, session_.table, session_.CurrentDollars}) == 0)
    ShowError("The plan could not be printed: the printer did not start.");
}

void Tf2plan::Exit1Click() {
  if (!SaveFirst(session_, platform_, this)) return;
  navigator_.ExitProgram();
}

void Tf2plan::Curr1Click() {
  session_.SwitchDollars();
  UpdateDollarsItem();
  FillPlanGrid(*sgrid_, session_);
}

void Tf2plan::CopySelection1Click() {
  const QList<QTableWidgetSelectionRange> ranges = sgrid_->selectedRanges();
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
  } else if (sgrid_->currentRow() >= 0 && sgrid_->currentColumn() >= 0) {
    top = bottom = sgrid_->currentRow() + 1;
    left = right = sgrid_->currentColumn();
  } else {
    return;
  }
  platform_.desktop.SetClipboardText(PlanGridText(*sgrid_, top, left, bottom, right));
  sgrid_->setCurrentCell(top - 1, left, QItemSelectionModel::ClearAndSelect);
}

void Tf2plan::CopyAll1Click() {
  if (sgrid_->rowCount() > 0) sgrid_->setCurrentCell(0, 1, QItemSelectionModel::ClearAndSelect);
  platform_.desktop.SetClipboardText(PlanGridText(*sgrid_, 0, 0, PlanGridRows(*sgrid_) - 1, kPlanColumnCount - 1));
}

QSize Tf2plan::HeldSize(QSize size) const {
  const WindowGeometry& g = session_.geometry;
  const int width = std::max(g.MinPageWidth, std::min(size.width(), g.MaxPageWidth));
  // Never much taller than the rows the plan can show.
  const std::int64_t tallest = 1930 - 20 * static_cast<std::int64_t>(session_.plan.Age1);
  const int height = static_cast<int>(std::max<std::int64_t>(g.MinPageHeight, std::min<std::int64_t>(size.height(), tallest)));
  return QSize(width, height);
}

QSize Tf2plan::PageSize() const { return HeldSize(QSize(session_.geometry.PlanWidth, session_.geometry.PlanHeight)); }

QSize Tf2plan::MinimumPageSize() const {
  return QSize(session_.geometry.MinPageWidth, session_.geometry.MinPageHeight);
}

void Tf2plan::PageResized(QSize size) {
  const QSize proposed = size - QSize(0, MenuBar()->sizeHint().height());
  const QSize held = HeldSize(proposed);
  session_.geometry.PlanWidth = held.width();
  session_.geometry.PlanHeight = held.height();
  if (held != proposed) navigator_.ApplySizeRule();
}
