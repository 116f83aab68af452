#include "views/Tf1graph.h"

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/PageMenus.h"
#include "shell/PlanFileFlows.h"
#include "shell/WindowSettings.h"
#include "views/GraphResizeRule.h"
#include "views/GraphScreen.h"

namespace {

const char* const kCaptionTitle = "Graph Page [ ";
const char* const kInflatedCaption = "&Dollars(Inflation Adjusted)";
constexpr int kHelpContext = 400;

// Start positions of the eight check boxes, beside their legend rows.
const QPoint kCheckBoxStart[kCurveCount] = {{24, 426},  {24, 443},  {24, 461},  {24, 479},
                                            {363, 426}, {363, 444}, {363, 463}, {363, 482}};

}  // namespace

GraphPicture::GraphPicture(QWidget* parent) : QWidget(parent) {
  setObjectName("Image1");
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraphPicture::SetImage(const QImage& image) {
  image_ = image;
  update();
}

void GraphPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.drawImage(0, 0, image_);
}

Tf1graph::Tf1graph(Session& session, Platform& platform, Navigator& navigator, QWidget* parent)
    : Page(kGraphPage, session, platform, navigator, parent), picture_(new GraphPicture(Content())) {
  setObjectName("f1graph");
  SetHelpContext(kHelpContext);
  auto* layout = new QVBoxLayout(Content());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(picture_);
  BuildMenu();
  BuildCheckBoxes();
  SetCaptionTitle(kCaptionTitle);
  CreateDone_ = true;
  FirstResize_ = true;
}

void Tf1graph::BuildMenu() {
  QMenuBar* bar = MenuBar();
  QMenu* file = bar->addMenu("&File");
  file->setObjectName("File1");
  AddMenuCommand(file, "&New", "New1", [this] { New1Click(); });
  AddMenuCommand(file, "&Open", "Open1", [this] { Open1Click(); });
  AddMenuCommand(file, "&Save", "Save1", [this] { Save1Click(); });
  AddMenuCommand(file, "&Print Graph", "PrintGraph1", [this] { PrintGraphClicked(); });
  AddMenuCommand(file, "Save &Bitmap", "SaveBitmap1", [this] { SaveBitmapClicked(); });
  AddMenuCommand(file, "O&dds...", "Odds1", [this] { GoTo(kOddsPage); });
  AddMenuCommand(file, "E&xit", "Exit1", [this] { Exit1Click(); });

  QMenu* setup = AddSetupMenu(bar, kGraphPage, "Assu&mptions", [this](int page) { GoTo(page); });
  // This page's personal data item has always carried its own spelling.
  for (QAction* action : setup->actions()) {
    if (action->objectName() == "PersonalData1") action->setObjectName("PersonelData1");
  }
  AddMenuCommand(bar, "&Plan", "Plan1", [this] { GoTo(kPlanPage); });
  // F1 opens this page's topic; the menu's help item opens the contents.
  AddWindowMenu(bar, *this, WindowMenuOptions{0});

  dollarItem_ = AddMenuCommand(bar, kInflatedCaption, "DollarsInflationAdjusted1",
                               [this] { DollarsInflationAdjusted1Click(); });
  dollarItem_->setCheckable(true);
  UpdateDollarItem();
}

void Tf1graph::BuildCheckBoxes() {
  for (int i = 0; i < kCurveCount; ++i) {
    auto* box = new QCheckBox(picture_);
    box->setObjectName(QString("CheckBox%1").arg(i + 3));
    box->setToolTip(CurveName(i + 1));
    box->setGeometry(QRect(kCheckBoxStart[i], QSize(15, 17)));
    connect(box, &QCheckBox::clicked, this, [this, i] { CheckBox3Click(i); });
    checkBoxes_[static_cast<std::size_t>(i)] = box;
  }
  SyncCheckBoxes();
}

int Tf1graph::MenuHeight() const { return MenuBar()->sizeHint().height(); }

QSize Tf1graph::PageSize() const {
  return {session_.geometry.GraphWidth, session_.geometry.GraphHeight - MenuHeight()};
}

QSize Tf1graph::MinimumPageSize() const {
  return {session_.geometry.MinPageWidth, GraphMinimumHeight(session_.geometry, ScreenHeight()) - MenuHeight()};
}

int Tf1graph::ScreenWidth() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->size().width() : session_.geometry.GraphWidth;
}

int Tf1graph::ScreenHeight() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->size().height() : session_.geometry.GraphHeight;
}

// The window's size here is its size without the desktop's frame, the
// page's menu bar included: GraphWidth and GraphHeight store it.
void Tf1graph::PageResized(QSize size) {
  if (!CreateDone_) return;
  const QSize accepted = GraphResizeRule(size, session_.geometry, FirstResize_, ScreenHeight());
  PlaceCheckBoxes();
  QWidget* top = window();
  if (accepted != size && top != this && top->isVisible()) top->resize(accepted);
  DrawGraph();
}

void Tf1graph::PlaceCheckBoxes() {
  for (int i = 0; i < kCurveCount; ++i) {
    checkBoxes_[static_cast<std::size_t>(i)]->move(
        CurveCheckBoxPosition(i, session_.geometry.GraphWidth, session_.geometry.GraphHeight));
  }
}

void Tf1graph::Refresh() {
  UpdateDollarItem();
  RefreshGraphPage();
}

void Tf1graph::RefreshGraphPage() {
  SetCaptionTitle(kCaptionTitle);
  // Coming from the plan page the table is already current and in the shown dollars.
  if (session_.LastPageLeft != kPlanPage) session_.RunForecastForView();
  DrawGraph();
}

// The bitmap covers the screen (less two menu bars) so the picture never
// shows an undrawn edge, and the window when it is larger than the screen.
QSize Tf1graph::CanvasSize() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize screenSize = screen ? screen->size() : QSize();
  const int width = std::max(screenSize.width(), session_.geometry.GraphWidth);
  const int height = std::max(screenSize.height() - 2 * MenuHeight(), session_.geometry.GraphHeight);
  return {width, height};
}

void Tf1graph::DrawGraph() {
  SyncCheckBoxes();
  bitmap_ = RenderScreenGraph(session_, session_.geometry.GraphWidth, session_.geometry.GraphHeight, CanvasSize(),
                              GraphFontFamily(ScreenWidth()), &scales_);
  picture_->SetImage(bitmap_);
}

QImage Tf1graph::VisibleGraph() const { return bitmap_.copy(QRect(QPoint(0, 0), picture_->size())); }

void Tf1graph::SyncCheckBoxes() {
  for (int i = 0; i < kCurveCount; ++i) {
    checkBoxes_[static_cast<std::size_t>(i)]->setChecked(session_.CurveShown[static_cast<std::size_t>(i)]);
  }
}

void Tf1graph::CheckBox3Click(int index) {
  const auto i = static_cast<std::size_t>(index);
  session_.CurveShown[i] = checkBoxes_[i]->isChecked();
  DrawGraph();
}

void Tf1graph::UpdateDollarItem() {
  dollarItem_->setChecked(!session_.CurrentDollars);
  dollarItem_->setText(session_.CurrentDollars
                           ? QString("&Dollars(Current %1)").arg(session_.plan.CurrentYear)
                           : QString(kInflatedCaption));
}

// The plan page's twin item reads the same switch when it shows.
void Tf1graph::DollarsInflationAdjusted1Click() {
  session_.SwitchDollars();
  UpdateDollarItem();
  DrawGraph();
}

void Tf1graph::StoreWindowSettings() {
  SaveWindowSettings(session_, platform_.settings, navigator_.WindowTop(), navigator_.WindowLeft());
}

void Tf1graph::New1Click() {
  if (!NewPlan(session_, platform_, this)) return;
  UpdateDollarItem();
  StoreWindowSettings();
  // Coming from the plan page the refresh below would not run the forecast.
  if (session_.LastPageLeft == kPlanPage) session_.RunForecastForView();
  session_.CurveShown.fill(true);
  RefreshGraphPage();
}

void Tf1graph::Open1Click() {
  if (!OpenPlan(session_, platform_, this)) return;
  if (session_.LastPageLeft == kPlanPage) session_.RunForecastForView();
  session_.CurveShown.fill(true);
  UpdateDollarItem();
  RefreshGraphPage();
  StoreWindowSettings();
}

void Tf1graph::Save1Click() {
  if (!SavePlan(session_, platform_, this)) return;
  RefreshGraphPage();
  StoreWindowSettings();
}

void Tf1graph::Exit1Click() {
  if (SaveFirst(session_, platform_, this)) navigator_.ExitProgram();
}

void Tf1graph::FormCloseQuery() { Exit1Click(); }

void Tf1graph::PrintGraphClicked() { PrintGraphCommand(*this); }

void Tf1graph::SaveBitmapClicked() { SaveBitmapCommand(*this); }
