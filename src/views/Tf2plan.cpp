#include "views/Tf2plan.h"

#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdint>

#include "engine/ForecastTable.h"
#include "render/PlanPrinting.h"
#include "shell/PageMenus.h"
#include "shell/PlanFileFlows.h"
#include "shell/WindowSettings.h"
#include "views/ComparisonCommands.h"
#include "views/GridClipboard.h"
#include "views/PlanGrid.h"
#include "views/PlanPageSize.h"

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
  AddComparisonCommands(file, *this, session_, platform_, navigator_);
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
  if (const auto text = CopySelectionText(*sgrid_)) platform_.desktop.SetClipboardText(*text);
}

void Tf2plan::CopyAll1Click() { platform_.desktop.SetClipboardText(CopyAllText(*sgrid_)); }

QSize Tf2plan::HeldSize(QSize size) const { return PlanPageHeldSize(size, session_.geometry, session_.plan.Age1); }

QSize Tf2plan::PageSize() const {
  return HeldSize(QSize(session_.geometry.PlanWidth, session_.geometry.PlanHeight)) -
         QSize(0, MenuBar()->sizeHint().height());
}

QSize Tf2plan::MinimumPageSize() const {
  return QSize(session_.geometry.MinPageWidth, session_.geometry.MinPageHeight - MenuBar()->sizeHint().height());
}

void Tf2plan::PageResized(QSize size) {
  const QSize held = HeldSize(size);
  session_.geometry.PlanWidth = held.width();
  session_.geometry.PlanHeight = held.height();
  if (held != size) navigator_.ApplySizeRule();
}
