#include "app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStackedWidget>
#include <QStatusBar>

#include "app/PageRegistry.h"
#include "engine/Forecast.h"
#include "shell/Page.h"
#include "shell/Session.h"
#include "shell/WindowSettings.h"

MainWindow::MainWindow(Session& session, Platform& platform)
    : session_(session), platform_(platform), stack_(new QStackedWidget(this)) {
  setCentralWidget(stack_);
  move(session_.LastLeft, session_.LastTop);
}

void MainWindow::AddPage(Page* page) {
  pages_[page->Id()] = page;
  stack_->addWidget(page);
  connect(page, &QWidget::windowTitleChanged, this, [this, page] {
    if (CurrentPage() == page) ShowCaptionOf(page);
  });
}

Page* MainWindow::PageAt(PageId id) const {
  const auto it = pages_.find(id);
  return it == pages_.end() ? nullptr : it->second;
}

Page* MainWindow::CurrentPage() const { return qobject_cast<Page*>(stack_->currentWidget()); }

void MainWindow::ShowFirstPage() {
  if (Page* graph = PageAt(PageId::Graph)) Show(graph);
  // The start plan as its first forecast leaves it is the plan as loaded.
  session_.saved.Remember(session_.plan);
  PlanStateChanged();
  show();
}

void MainWindow::SwitchPage(PageId from, PageId to) { Leave(from, to, LeaveBy::Command); }

void MainWindow::LeaveByCloseBox(PageId from, PageId to) { Leave(from, to, LeaveBy::CloseBox); }

void MainWindow::Leave(PageId from, PageId to, LeaveBy by) {
  Page* source = PageAt(from);
  PageId target = to;
  if (source && to != PageId::About) {
    const LeaveDecision decision = source->DecideLeaving(to, by);
    if (decision.kind == LeaveDecision::Kind::Stay) return;
    target = decision.Target(to);
  }
  SwitchPageValidated(from, target);
}

void MainWindow::SwitchPageValidated(PageId from, PageId to) {
  Page* target = PageAt(to);
  if (!target) return;
  HideCurrent();
  session_.LastPageLeft = from;
  Show(target);
}

void MainWindow::ReturnToPage(PageId, PageId to) {
  Page* target = PageAt(to);
  if (!target) return;
  HideCurrent();
  Show(target);
}

void MainWindow::ShowPageAsLeft(PageId page) {
  if (!CanShowAsLeft(page)) return;
  Page* target = PageAt(page);
  if (!target) return;
  session_.SuppressRefresh = true;
  HideCurrent();
  Show(target);
}

void MainWindow::ExitProgram() {
  session_.Exiting = true;
  SaveWindowSettings(session_, platform_.settings, WindowTop(), WindowLeft());
  close();
  QApplication::quit();
}

void MainWindow::ApplySizeRule() {
  Page* page = CurrentPage();
  if (!page) return;
  // Page sizes are client areas below the page's own menu bar and above the status line.
  const QStatusBar* line = findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly);
  const int lineHeight = line && !line->isHidden() ? line->sizeHint().height() : 0;
  const QSize menu(0, page->MenuBar()->sizeHint().height() + lineHeight);
  const QSize size = page->PageSize() + menu;
  if (page->IsResizable()) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setMinimumSize(page->MinimumPageSize() + menu);
    resize(size);
  } else {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setFixedSize(size);
  }
}

void MainWindow::PlanStateChanged() {
  for (const auto& [id, page] : pages_) page->RefreshCaption();
  if (Page* page = CurrentPage()) ShowCaptionOf(page);
  setWindowModified(session_.IsModified());
  ShowSaturationNote();
}

void MainWindow::ShowSaturationNote() {
  const Page* page = CurrentPage();
  const bool shown =
      session_.ForecastSaturated && page && (page->Id() == PageId::Graph || page->Id() == PageId::PlanTable);
  QStatusBar* line = findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly);
  const bool visible = line && !line->isHidden();
  if (shown == visible) return;
  if (!line) {
    // The note is a widget of its own: menu status tips would wipe a status message.
    line = statusBar();
    line->setSizeGripEnabled(false);
    // Short enough for the narrowest page; the tooltip has the whole note.
    auto* note = new QLabel("Amounts outgrew the largest figure: later figures are not meaningful.", line);
    note->setToolTip(QString("Note: ") + kSaturationNote + ".");
    note->setObjectName("SaturationNote");
    line->addWidget(note, 1);
  }
  line->setVisible(shown);
  ApplySizeRule();
}


void MainWindow::RunOnGraphPage(PageId from, const QString& command) {
  SwitchPageValidated(from, PageId::Graph);
  Page* graph = CurrentPage();
  if (graph && graph->Id() == PageId::Graph) {
    if (auto* action = graph->findChild<QAction*>(command)) action->trigger();
  }
}

void MainWindow::ShowCaptionOf(const Page* page) { setWindowTitle(page->windowTitle() + "[*]"); }

int MainWindow::WindowTop() const { return pos().y(); }
int MainWindow::WindowLeft() const { return pos().x(); }

void MainWindow::HideCurrent() {
  Page* current = CurrentPage();
  if (!current) return;
  session_.LastTop = WindowTop();
  session_.LastLeft = WindowLeft();
  current->Hidden();
}

void MainWindow::Show(Page* page) {
  stack_->setCurrentWidget(page);
  ApplySizeRule();
  page->Activate();
  ShowCaptionOf(page);
  PlanStateChanged();
  FocusFirstEntry(page);
}

// A data page opens with the cursor in its first box, ready for typing.
void MainWindow::FocusFirstEntry(Page* page) {
  if (QWidget* first = page->FirstFocus()) {
    first->setFocus(Qt::OtherFocusReason);
    return;
  }
  page->setFocus();
  if (!page->IsDataEntry()) return;
  for (QWidget* w = page->nextInFocusChain(); w && w != page; w = w->nextInFocusChain()) {
    if (page->isAncestorOf(w) && w->isVisibleTo(page) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
      w->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (session_.Exiting) {
    event->accept();
    return;
  }
  event->ignore();
  if (Page* page = CurrentPage()) page->CloseRequested();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  Page* page = CurrentPage();
  if (page && page->IsResizable()) page->PageResized(event->size());
}
