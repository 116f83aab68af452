#include "views/GraphPage.h"

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/ForecastTable.h"
#include "render/ComparisonCurve.h"
#include "render/GraphPrinting.h"
#include "render/GraphReadout.h"
#include "render/GraphScreen.h"
#include "shell/DocumentedKeys.h"
#include "shell/PageMenus.h"
#include "views/BitmapSaving.h"
#include "views/GraphCommands.h"
#include "views/GraphExplainMenu.h"
#include "views/GraphResizeRule.h"
#include "views/NetWorthBand.h"
#include "views/StressMenu.h"

namespace {

const char* const kCaptionTitle = "Graph Page [ ";
constexpr int kHelpContext = 400;

// Start positions of the eight check boxes, beside their legend rows.
const QPoint kCheckBoxStart[kCurveCount] = {{24, 426},  {24, 443},  {24, 461},  {24, 479},
                                            {363, 426}, {363, 444}, {363, 463}, {363, 482}};

// The extras' boxes sit between the two legend columns, under the age
// caption, on the rows of the third and fourth curves.
constexpr int kExtraBoxOffsetFromCentre = 90;
constexpr int kExtraBoxRowOffsets[] = {113, 95, 77};

QPoint ExtraBoxPosition(int row, int width, int height) {
  return {width / 2 - kExtraBoxOffsetFromCentre, height - kExtraBoxRowOffsets[row]};
}

// Under the legend: how to read the graph and where the explanations are.
const char* const kReadoutHint =
    "Point at the graph, or click it and use the arrow keys, to read a year's figures. "
    "Right-click a point to see why it is what it is.";
constexpr int kHintMargin = 8;

// The stress box's tip until a stress test names itself there in full.
const char* const kStressBoxTip =
    "The plan's net worth on market history from a chosen start, dotted (File, Stress Test)";

// Over an empty graph (a new plan): where a plan starts.
const char* const kStartHint =
    "This plan is empty: every figure is $0. Start with Setup > Personal Data: the names and current ages, and "
    "the ages at which work, retirement, pensions and Social Security start. Then Assets, Income, Taxes and "
    "Expenses; the graph follows each page.";

// Nothing to draw: every year's net worth, income and expenses are $0.
bool NothingToDraw(const PlanRecord& plan, const ForecastTable& table) {
  for (int a = 1; a <= RowCount(plan); ++a) {
    const YearRecord& year = table.Year(a);
    if (year.NetWorth != 0 || year.Income != 0 || year.Expenses != 0) return false;
  }
  return true;
}

// The legend samples beside the extras' boxes: the dashed curve, the band and the dotted curve.
constexpr QSize kSampleSize(24, 12);

QIcon CurveSample(int dash, int gap) {
  QPixmap pixmap(kSampleSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  QPen pen(CurveColour(1));
  pen.setWidth(0);
  pen.setDashPattern({static_cast<qreal>(dash), static_cast<qreal>(gap)});
  painter.setPen(pen);
  const int middle = kSampleSize.height() / 2;
  painter.drawLine(0, middle, kSampleSize.width() - 1, middle);
  painter.drawLine(0, middle + 1, kSampleSize.width() - 1, middle + 1);
  return QIcon(pixmap);
}

QIcon BandSample() {
  QPixmap pixmap(kSampleSize);
  pixmap.fill(kGraphBandColour);
  return QIcon(pixmap);
}

QCheckBox* ExtraBox(QWidget* parent, const QString& text, const QString& name, const QString& tip, const QIcon& icon) {
  auto* box = new QCheckBox(text, parent);
  box->setObjectName(name);
  box->setToolTip(tip);
  box->setIcon(icon);
  box->setIconSize(kSampleSize);
  box->adjustSize();
  return box;
}

}  // namespace

GraphPage::GraphPage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent)
    : ResultPage(PageId::Graph, session, platform, navigator, parent), picture_(new GraphPicture(Content())) {
  setObjectName("GraphPage");
  SetHelpContext(kHelpContext);
  auto* layout = new QVBoxLayout(Content());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(picture_);
  picture_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(picture_, &QWidget::customContextMenuRequested, this, [this](QPoint at) { ExplainAt(at); });
  BuildMenu();
  BuildCheckBoxes();
  BuildExtraBoxes();
  BuildReadout();
  SetCaptionTitle(kCaptionTitle);
  CreateDone_ = true;
  FirstResize_ = true;
}

void GraphPage::BuildMenu() {
  QMenuBar* bar = MenuBar();
  AddFileMenu({{"&Print Graph", "PrintGraph", [this] { PrintGraphClicked(); }, QKeySequence::Print, "print the graph"},
               {"Print Pre&view", "PreviewGraph", [this] { PreviewGraphCommand(this, platform_, PrintJob()); }},
               {"Save &Bitmap", "SaveBitmap", [this] { SaveBitmapClicked(); }}});

  AddSetupMenu(bar, PageId::Graph, "Assu&mptions", [this](PageId page) { GoTo(page); });
  AddGoToCommand(bar, PageId::PlanTable, [this](PageId page) { GoTo(page); });
  // F1 opens this page's topic; the menu's help item opens the contents.
  AddWindowMenu(bar, *this, WindowMenuOptions{0});

  AddDollarsItem("SwitchDollars");
}

void GraphPage::BuildCheckBoxes() {
  for (int i = 0; i < kCurveCount; ++i) {
    auto* box = new QCheckBox(picture_);
    box->setObjectName(QString(CurveName(i + 1)).remove(' ') + "Curve");
    box->setToolTip(CurveName(i + 1));
    box->setAccessibleName(CurveName(i + 1));
    box->setGeometry(QRect(kCheckBoxStart[i], QSize(15, 17)));
    connect(box, &QCheckBox::clicked, this, [this, i] { CurveToggled(i); });
    checkBoxes_[static_cast<std::size_t>(i)] = box;
  }
  SyncCheckBoxes();
}

void GraphPage::BuildExtraBoxes() {
  compareBox_ = ExtraBox(picture_, "&Compare", "CompareCurve",
                         "The compared plan's net worth as a dashed curve (File, Compare with...)",
                         CurveSample(kComparisonDash, kComparisonGap));
  bandBox_ = ExtraBox(picture_, "Net worth &band", "NetWorthBand",
                      "The odds' net worth from p10 to p90 behind the curves (File, Odds...)", BandSample());
  stressBox_ =
      ExtraBox(picture_, "Stress tes&t", "StressTestCurve", kStressBoxTip, CurveSample(kStressDot, kStressGap));
  DescribeKey(compareBox_, "the graph's Compare tick");
  DescribeKey(bandBox_, "the graph's Net worth band tick");
  DescribeKey(stressBox_, "the graph's Stress test tick");
  connect(stressBox_, &QCheckBox::clicked, this, [this] { StressToggled(); });
  connect(compareBox_, &QCheckBox::clicked, this, [this] { CompareToggled(); });
  connect(bandBox_, &QCheckBox::clicked, this, [this] { BandToggled(); });
  PlaceControls();
  SyncCheckBoxes();
}

void GraphPage::BuildReadout() {
  readoutHint_ = new QLabel(kReadoutHint, picture_);
  readoutHint_->setObjectName("ReadoutHint");
  readoutHint_->setWordWrap(true);
  readoutHint_->setForegroundRole(QPalette::PlaceholderText);
  startHint_ = new QLabel(kStartHint, picture_);
  startHint_->setObjectName("StartHint");
  startHint_->setWordWrap(true);
  startHint_->setAlignment(Qt::AlignCenter);
  startHint_->setAutoFillBackground(true);
  startHint_->setFrameShape(QFrame::StyledPanel);
  startHint_->hide();
  connect(picture_, &GraphPicture::PointedAt, this,
          [this](QPoint at) { ShowReadout(ReadoutYearAt(DrawingParameters().frame, RowCount(session_.plan), at)); });
  connect(picture_, &GraphPicture::PointerLeft, this, [this] { ShowReadout(std::nullopt); });
  connect(picture_, &GraphPicture::ReadoutKey, this, [this](int key) { ReadoutKeyPressed(key); });
  PlaceControls();
}

void GraphPage::ReadoutKeyPressed(int key) {
  if (key == Qt::Key_Escape) {
    ShowReadout(std::nullopt);
    return;
  }
  if (const std::optional<int> year = ReadoutYearAfterKey(readoutYear_, key, RowCount(session_.plan))) {
    ShowReadout(year);
  }
}

void GraphPage::ShowReadout(std::optional<int> yearIndex) {
  readoutYear_ = yearIndex;
  std::optional<GraphReadout> readout;
  const GraphParameters drawing = DrawingParameters();
  if (yearIndex) readout = MakeGraphReadout(drawing, CurrentInput(), *yearIndex);
  if (readout && readout->lines.isEmpty()) {
    readout.reset();
    readoutYear_.reset();
  }
  picture_->SetReadout(std::move(readout), drawing.labelFont);
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
  PlaceControls();
  QWidget* top = window();
  if (accepted != size && top != this && top->isVisible()) top->resize(accepted);
  DrawGraph();
}

void GraphPage::PlaceControls() {
  const int width = session_.geometry.GraphWidth;
  const int height = session_.geometry.GraphHeight;
  for (int i = 0; i < kCurveCount; ++i) {
    checkBoxes_[static_cast<std::size_t>(i)]->move(CurveCheckBoxPosition(i, width, height));
  }
  compareBox_->move(ExtraBoxPosition(0, width, height));
  bandBox_->move(ExtraBoxPosition(1, width, height));
  stressBox_->move(ExtraBoxPosition(2, width, height));
  FitStressLegend();
  if (!readoutHint_) return;
  // Under the legend, across the window, at the bottom of the visible picture.
  const int hintWidth = std::max(width - 2 * kHintMargin, 0);
  const int hintHeight = readoutHint_->heightForWidth(hintWidth);
  readoutHint_->setGeometry(kHintMargin, height - MenuHeight() - hintHeight - kHintMargin / 2, hintWidth, hintHeight);
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

GraphPage::Extras GraphPage::DueExtras() const {
  const bool oddsOfThisPlan = session_.odds.plan == session_.plan;
  return {session_.comparison.CurveDue(), session_.odds.BandDue() && oddsOfThisPlan, session_.stress};
}

GraphInput GraphPage::CurrentInput() const {
  GraphInput input{session_.plan, session_.table, session_.CurrentDollars, session_.CurveShown};
  const Extras due = DueExtras();
  if (due.comparison) {
    const ComparisonState& comparison = session_.comparison;
    input.comparison =
        ComparisonSeries{comparison.FirstIndexOn(session_.plan), comparison.NetWorth(session_.CurrentDollars)};
  }
  if (due.band) input.band = NetWorthBand(session_.odds.years, session_.CurrentDollars);
  if (due.stress.Due()) input.stress = StressSeries(session_);
  return input;
}

void GraphPage::DrawGraph() {
  // Odds belong to the plan they ran on.
  session_.odds.KeepOnlyFor(session_.plan);
  SyncCheckBoxes();
  const GraphInput input = CurrentInput();
  bitmap_ = RenderScreenGraph(input, session_.geometry.GraphWidth, session_.geometry.GraphHeight, CanvasSize(),
                              GraphFontFamily(ScreenWidth()), &scales_, true);
  drawnExtras_ = {input.comparison.has_value(), input.band.has_value(),
                  input.stress ? session_.stress : StressChoice{}};
  picture_->SetImage(bitmap_);
  const PlotFrame& frame = DrawingParameters().frame;
  const QRect plotArea(frame.left, frame.top, frame.width, frame.height);
  picture_->SetPlotArea(plotArea);
  // A box of its own in the middle of the plot, so no grid line runs through the words.
  const int hintWidth = std::max(plotArea.width() - 4 * kHintMargin, 0);
  const int hintHeight = startHint_->heightForWidth(hintWidth) + 2 * kHintMargin;
  startHint_->setGeometry(plotArea.center().x() - hintWidth / 2, plotArea.center().y() - hintHeight / 2, hintWidth,
                          hintHeight);
  startHint_->setVisible(NothingToDraw(session_.plan, session_.table));
  // The figures follow the new drawing: other curves, scales or dollars.
  ShowReadout(readoutYear_);
}

GraphParameters GraphPage::DrawingParameters() const {
  return ScreenGraphParameters(session_.geometry.GraphWidth, session_.geometry.GraphHeight, CanvasSize(), session_.plan,
                               session_.CurrentDollars, scales_, GraphFontFamily(ScreenWidth()));
}

QMenu* GraphPage::ExplainAt(QPoint at) {
  return ShowGraphExplainMenu(picture_, at, session_, platform_, DrawingParameters());
}

// Closing the comparison returns here without a refill; the dashed curve
// must go with it.
void GraphPage::showEvent(QShowEvent* event) {
  ResultPage::showEvent(event);
  if (DueExtras() != drawnExtras_) DrawGraph();
}

QImage GraphPage::VisibleGraph() const { return bitmap_.copy(QRect(QPoint(0, 0), picture_->size())); }

void GraphPage::SyncCheckBoxes() {
  for (int i = 0; i < kCurveCount; ++i) {
    checkBoxes_[static_cast<std::size_t>(i)]->setChecked(session_.CurveShown[static_cast<std::size_t>(i)]);
  }
  if (!compareBox_) return;
  compareBox_->setEnabled(session_.comparison.open);
  compareBox_->setChecked(session_.comparison.CurveDue());
  bandBox_->setEnabled(session_.odds.HasResult());
  bandBox_->setChecked(session_.odds.BandDue());
  stressBox_->setEnabled(session_.stress.Due());
  stressBox_->setChecked(session_.stress.Due());
  // The legend names the start drawn.
  const bool stress = session_.stress.Due();
  stressLegend_ = stress ? QString::fromStdString(StressLegend(session_.plan, session_.stress)) : "Stress tes&t";
  stressBox_->setToolTip(stress ? QString::fromStdString(StressName(session_.plan, session_.stress)) : kStressBoxTip);
  FitStressLegend();
}

void GraphPage::FitStressLegend() {
  const QPoint rightColumn =
      CurveCheckBoxPosition(kCurveCount / 2, session_.geometry.GraphWidth, session_.geometry.GraphHeight);
  stressBox_->setText(stressLegend_);
  stressBox_->adjustSize();
  const int room = rightColumn.x() - kHintMargin / 2 - stressBox_->x();
  if (stressBox_->width() > room) {
    const int textRoom = room - (stressBox_->width() - stressBox_->fontMetrics().horizontalAdvance(stressLegend_));
    stressBox_->setText(stressBox_->fontMetrics().elidedText(stressLegend_, Qt::ElideRight, std::max(textRoom, 0)));
    stressBox_->resize(std::max(room, 0), stressBox_->height());
  }
}

void GraphPage::CurveToggled(int index) {
  const auto i = static_cast<std::size_t>(index);
  session_.CurveShown[i] = checkBoxes_[i]->isChecked();
  DrawGraph();
}

void GraphPage::CompareToggled() {
  // The box is enabled only while a comparison is open.
  session_.comparison.curveShown = session_.comparison.open && compareBox_->isChecked();
  DrawGraph();
}

// The box only takes the stress test away; File, Stress Test chooses one.
void GraphPage::StressToggled() {
  if (!stressBox_->isChecked()) session_.stress.Clear();
  DrawGraph();
}

void GraphPage::BandToggled() {
  session_.odds.bandShown = session_.odds.HasResult() && bandBox_->isChecked();
  DrawGraph();
}

void GraphPage::CloseRequested() { OnExit(); }

void GraphPage::PrintGraphClicked() { PrintGraphCommand(this, platform_, PrintJob()); }

GraphPrintJob GraphPage::PrintJob() const {
  return {CurrentInput(), Scales(), QString::fromStdString(session_.RulesNote())};
}

void GraphPage::SaveBitmapClicked() {
  const auto render = [this](QSize size) {
    return RenderScreenGraph(CurrentInput(), size.width(), size.height(), size, GraphFontFamily(size.width()));
  };
  SaveResizableBitmapFile(this, VisibleGraph(), render, session_, platform_);
}
