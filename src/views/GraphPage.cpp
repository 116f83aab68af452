#include "views/GraphPage.h"

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "render/GraphScreen.h"
#include "shell/PageMenus.h"
#include "views/GraphExplainMenu.h"
#include "views/GraphResizeRule.h"

namespace {

const char* const kCaptionTitle = "Graph Page [ ";
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

GraphPage::GraphPage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent)
    : ResultPage(PageId::Graph, session, platform, navigator, parent), picture_(new GraphPicture(Content())) {
  setObjectName("f1graph");
  SetHelpContext(kHelpContext);
  auto* layout = new QVBoxLayout(Content());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(picture_);
  picture_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(picture_, &QWidget::customContextMenuRequested, this, [this](QPoint at) { ExplainAt(at); });
  BuildMenu();
  BuildCheckBoxes();
  SetCaptionTitle(kCaptionTitle);
  CreateDone_ = true;
  FirstResize_ = true;
}

void GraphPage::BuildMenu() {
  QMenuBar* bar = MenuBar();
  AddFileMenu({{"&Print Graph", "PrintGraph1", [this] { PrintGraphClicked(); }, QKeySequence::Print},
               {"Save &Bitmap", "SaveBitmap1", [this] { SaveBitmapClicked(); }}});

  QMenu* setup = AddSetupMenu(bar, PageId::Graph, "Assu&mptions", [this](PageId page) { GoTo(page); });
  // This page's personal data item carries its own spelling.
  for (QAction* action : setup->actions()) {
    if (action->objectName() == "PersonalData1") action->setObjectName("PersonelData1");
  }
  AddGoToCommand(bar, PageId::PlanTable, [this](PageId page) { GoTo(page); });
  // F1 opens this page's topic; the menu's help item opens the contents.
  AddWindowMenu(bar, *this, WindowMenuOptions{0});

  AddDollarsItem("DollarsInflationAdjusted1");
}

void GraphPage::BuildCheckBoxes() {
  for (int i = 0; i < kCurveCount; ++i) {
    auto* box = new QCheckBox(picture_);
    box->setObjectName(QString("CheckBox%1").arg(i + 3));
    box->setToolTip(CurveName(i + 1));
    box->setAccessibleName(CurveName(i + 1));
    box->setGeometry(QRect(kCheckBoxStart[i], QSize(15, 17)));
    connect(box, &QCheckBox::clicked, this, [this, i] { CurveToggled(i); });
    checkBoxes_[static_cast<std::size_t>(i)] = box;
  }
  SyncCheckBoxes();
}

int GraphPage::MenuHeight() const { return MenuBar()->sizeHint().height(); }

QSize GraphPage::PageSize() const {
  const WindowGeometry& g = session_.geometry;
  return {std::max(g.GraphWidth, 0), std::max(g.GraphHeight, MenuHeight()) - MenuHeight()};
}

QSize GraphPage::MinimumPageSize() const {
  return {session_.geometry.MinPageWidth, GraphMinimumHeight(session_.geometry, ScreenHeight()) - MenuHeight()};
}

int GraphPage::ScreenWidth() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->size().width() : session_.geometry.GraphWidth;
}

int GraphPage::ScreenHeight() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->size().height() : session_.geometry.GraphHeight;
}

// The window's size here is its size without the desktop's frame, the
// page's menu bar included: GraphWidth and GraphHeight store it.
void GraphPage::PageResized(QSize size) {
  if (!CreateDone_) return;
  const QSize accepted = GraphResizeRule(size, session_.geometry, FirstResize_, ScreenHeight());
  PlaceCheckBoxes();
  QWidget* top = window();
  if (accepted != size && top != this && top->isVisible()) top->resize(accepted);
  DrawGraph();
}

void GraphPage::PlaceCheckBoxes() {
  for (int i = 0; i < kCurveCount; ++i) {
    checkBoxes_[static_cast<std::size_t>(i)]->move(
        CurveCheckBoxPosition(i, session_.geometry.GraphWidth, session_.geometry.GraphHeight));
  }
}

void GraphPage::Refresh() {
  UpdateDollarsItem();
  RefreshGraphPage();
}

void GraphPage::ShowReplacedPlan() {
  SetCaptionTitle(kCaptionTitle);
  DrawGraph();
}

void GraphPage::RefreshGraphPage() {
  SetCaptionTitle(kCaptionTitle);
  // Coming from the plan page the table is already current and in the shown dollars.
  if (session_.LastPageLeft != PageId::PlanTable) session_.RunForecastForView();
  DrawGraph();
}

// The bitmap covers the screen (less two menu bars) so the picture never
// shows an undrawn edge, and the window when it is larger than the screen.
QSize GraphPage::CanvasSize() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize screenSize = screen ? screen->size() : QSize();
  const int width = std::max(screenSize.width(), session_.geometry.GraphWidth);
  const int height = std::max(screenSize.height() - 2 * MenuHeight(), session_.geometry.GraphHeight);
  return {width, height};
}

void GraphPage::DrawGraph() {
  SyncCheckBoxes();
  const GraphInput input{session_.plan, session_.table, session_.CurrentDollars, session_.CurveShown};
  bitmap_ = RenderScreenGraph(input, session_.geometry.GraphWidth, session_.geometry.GraphHeight, CanvasSize(),
                              GraphFontFamily(ScreenWidth()), &scales_);
  picture_->SetImage(bitmap_);
}

QMenu* GraphPage::ExplainAt(QPoint at) {
  const GraphParameters drawing =
      ScreenGraphParameters(session_.geometry.GraphWidth, session_.geometry.GraphHeight, CanvasSize(), session_.plan,
                            session_.CurrentDollars, scales_, GraphFontFamily(ScreenWidth()));
  return ShowGraphExplainMenu(picture_, at, session_, platform_, drawing);
}

QImage GraphPage::VisibleGraph() const { return bitmap_.copy(QRect(QPoint(0, 0), picture_->size())); }

void GraphPage::SyncCheckBoxes() {
  for (int i = 0; i < kCurveCount; ++i) {
    checkBoxes_[static_cast<std::size_t>(i)]->setChecked(session_.CurveShown[static_cast<std::size_t>(i)]);
  }
}

void GraphPage::CurveToggled(int index) {
  const auto i = static_cast<std::size_t>(index);
  session_.CurveShown[i] = checkBoxes_[i]->isChecked();
  DrawGraph();
}

void GraphPage::CloseRequested() { OnExit(); }

void GraphPage::PrintGraphClicked() { PrintGraphCommand(*this); }

void GraphPage::SaveBitmapClicked() { SaveBitmapCommand(*this); }
