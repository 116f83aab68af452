#include "views/ComparisonPage.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "model/NumberFormat.h"
#include "shell/DocumentedKeys.h"
#include "shell/PageMenus.h"
#include "views/AttributionChart.h"
#include "views/ComparisonRows.h"
#include "views/DifferenceGrid.h"
#include "views/GridClipboard.h"
#include "views/StressMenu.h"
#include "views/YearGrid.h"

namespace {

constexpr int kHelpContext = 2300;
const char* const kCaptionTitle = "Comparison Page [ ";

QTableWidget* TextTable(const QString& name, const QString& accessibleName, const QStringList& titles) {
  auto* table = new QTableWidget;
  table->setObjectName(name);
  table->setAccessibleName(accessibleName);
  table->setColumnCount(static_cast<int>(titles.size()));
  table->setHorizontalHeaderLabels(titles);
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setWordWrap(false);
  table->horizontalHeader()->setStretchLastSection(true);
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
  return table;
}

// Text columns to the left, money and years to the right.
void FillTextTable(QTableWidget& table, const std::vector<QStringList>& rows, int firstNumberColumn,
                   int lastNumberColumn) {
  table.setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < table.rowCount(); ++r) {
    const QStringList& row = rows[static_cast<std::size_t>(r)];
    for (int c = 0; c < table.columnCount(); ++c) {
      auto* item = new QTableWidgetItem(c < row.size() ? row[c] : QString());
      const bool number = c >= firstNumberColumn && c <= lastNumberColumn;
      item->setTextAlignment((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
      if (!number) item->setToolTip(item->text());
      table.setItem(r, c, item);
    }
  }
  table.resizeColumnsToContents();
}

int ColumnsWidth(const QTableWidget& table) {
  int width = 0;
  for (int c = 0; c < table.columnCount(); ++c) width += table.columnWidth(c);
  return width;
}

// Narrows the text columns (all but the two values) by `excess` pixels in
// proportion to their widths; their cells are elided, the full text is in the
// tooltip.
void NarrowTextColumns(QTableWidget& table, int excess, int firstValue, int lastValue) {
  constexpr int kNarrowest = 60;
  int textWidth = 0;
  for (int c = 0; c < table.columnCount(); ++c) {
    if (c < firstValue || c > lastValue) textWidth += table.columnWidth(c);
  }
  if (textWidth <= 0) return;
  for (int c = 0; c < table.columnCount(); ++c) {
    if (c >= firstValue && c <= lastValue) continue;
    const int width = table.columnWidth(c);
    table.setColumnWidth(c, std::max(kNarrowest, width - excess * width / textWidth));
  }
}

QLabel* Heading(QWidget* buddy, const QString& text = {}) {
  auto* label = new QLabel(text);
  label->setWordWrap(true);
  label->setBuddy(buddy);
  return label;
}

}  // namespace

ComparisonPage::ComparisonPage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent)
    : Page(PageId::Comparison, session, platform, navigator, parent),
      plans_(new QLabel(Content())),
      curve_(new QCheckBox("Show the other plan's net worth on the graph as a &dashed curve", Content())),
      onStressRates_(new QCheckBox(Content())),
      tabs_(new QTabWidget(Content())) {
  setObjectName("ComparisonPage");
  SetHelpContext(kHelpContext);
  plans_->setObjectName("ComparedPlans");
  plans_->setWordWrap(true);
  plans_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  curve_->setObjectName("CompareCurve");
  curve_->setAccessibleName("Compare curve on the graph");
  DescribeKey(curve_, "the comparison page's tick that draws the other plan on the graph");
  connect(curve_, &QCheckBox::toggled, this, [this](bool on) { session_.comparison.curveShown = on; });
  onStressRates_->setObjectName("CompareOnStressRates");
  onStressRates_->setAccessibleName("Run both plans on the stress test's rates");
  connect(onStressRates_, &QCheckBox::toggled, this, [this] { Refresh(); });
  tabs_->setObjectName("ComparisonTabs");
  tabs_->addTab(BuildSummaryTab(), "&Summary");
  tabs_->addTab(BuildChangesTab(), "&Input Changes");
  tabs_->addTab(BuildYearsTab(), "&Years");
  auto* swap = new QPushButton("Swap &base and other", Content());
  swap->setObjectName("SwapBaseButton");
  connect(swap, &QPushButton::clicked, this, [this] { SwapBase(); });
  auto* plansRow = new QHBoxLayout;
  plansRow->addWidget(plans_, 1);
  plansRow->addWidget(swap, 0, Qt::AlignTop);
  auto* layout = new QVBoxLayout(Content());
  layout->setContentsMargins(8, 6, 8, 8);
  layout->addLayout(plansRow);
  layout->addWidget(curve_);
  layout->addWidget(onStressRates_);
  layout->addWidget(tabs_, 1);
  BuildMenus();
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setObjectName("Escape");
  DescribeKey(escape, "close the comparison page");
  connect(escape, &QShortcut::activated, this, [this] { CloseComparison(); });
  SetCaptionTitle(kCaptionTitle);
}

void ComparisonPage::BuildMenus() {
  QMenuBar* bar = MenuBar();
  QMenu* file = bar->addMenu("&File");
  file->setObjectName("FileMenu");
  AddMenuCommand(file, "S&wap Base and Other", "SwapBase", [this] { SwapBase(); });
  AddMenuCommand(file, "&Close Comparison", "CloseComparison", [this] { CloseComparison(); });
  QMenu* copy = bar->addMenu("&Copy");
  copy->setObjectName("CopyMenu");
  AddMenuCommand(copy, "Copy &Selection", "CopySelection", [this] { CopySelection(); });
  AddMenuCommand(copy, "Copy &All", "CopyAll", [this] { CopyAll(); });
  // The comparison stays open on the graph, where the dashed curve shows it.
  AddMenuCommand(bar, "&Graph", "Graph", [this] { GoTo(PageId::Graph); });
  AddWindowMenu(bar, *this, WindowMenuOptions{kHelpContext});
}

QWidget* ComparisonPage::BuildSummaryTab() {
  auto* tab = new QWidget;
  tab->setObjectName("SummaryTab");
  DescribeKey(tab, "the comparison page's Summary tab");
  summary_ = TextTable("SummaryTable", "Summary, today's dollars", {"", "Base", "Other", "Difference"});
  summary_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  summary_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  summary_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  chart_ = new AttributionChart;
  auto* scroll = new QScrollArea;
  scroll->setObjectName("AttributionScroll");
  scroll->setWidgetResizable(true);
  scroll->setWidget(chart_);
  scroll->setFrameShape(QFrame::NoFrame);
  summaryHeading_ = Heading(summary_, "Summary (today's dollars)");
  attributionHeading_ = Heading(chart_);
  attributionHeading_->setObjectName("AttributionHeading");
  attributionNotes_ = Heading(chart_);
  attributionNotes_->setObjectName("AttributionNotes");
  auto* layout = new QVBoxLayout(tab);
  layout->addWidget(summaryHeading_);
  layout->addWidget(summary_);
  layout->addWidget(attributionHeading_);
  layout->addWidget(scroll, 1);
  layout->addWidget(attributionNotes_);
  return tab;
}

QWidget* ComparisonPage::BuildChangesTab() {
  auto* tab = new QWidget;
  tab->setObjectName("InputsTab");
  DescribeKey(tab, "the comparison page's Input Changes tab");
  changes_ = TextTable("InputChanges", "Input changes", {"Page", "Field", "Base", "Other", "Note"});
  auto* layout = new QVBoxLayout(tab);
  layout->addWidget(Heading(changes_, "Fields whose values differ, in plan file order"));
  layout->addWidget(changes_, 1);
  return tab;
}

QWidget* ComparisonPage::BuildYearsTab() {
  auto* tab = new QWidget;
  tab->setObjectName("YearsTab");
  DescribeKey(tab, "the comparison page's Years tab");
  years_ = new YearGrid;
  years_->setObjectName("DifferenceGrid");
  years_->setAccessibleName("Year by year differences, other minus base");
  yearsHeading_ = Heading(years_);
  yearsHeading_->setObjectName("YearsHeading");
  auto* layout = new QVBoxLayout(tab);
  layout->addWidget(yearsHeading_);
  layout->addWidget(years_, 1);
  return tab;
}

QSize ComparisonPage::MinimumPageSize() const {
  return {session_.geometry.MinPageWidth, session_.geometry.SmallScreenHeight};
}

void ComparisonPage::PageResized(QSize size) { size_ = size - QSize(0, MenuBar()->sizeHint().height()); }

void ComparisonPage::Refresh() {
  SetCaptionTitle(kCaptionTitle);
  const ComparisonState& state = session_.comparison;
  if (!state.open) return;
  ComparisonOptions options;
  options.currentDollars = session_.CurrentDollars;
  options.metric.rules = session_.Rules;
  const StressChoice stress = session_.stress;
  onStressRates_->setVisible(stress.Due());
  onStressRates_->setText(
      QString("Run both on the &rate scenario / stress start: %1").arg(QString::fromStdString(StressName(session_.plan, stress))));
  const bool onStress = stress.Due() && onStressRates_->isChecked();
  if (onStress) options.metric.rates = StressComparisonRates(session_.plan, stress);
  const PlanRecord& base = state.otherIsBase ? state.other : session_.plan;
  comparison_ = ComparePlans(base, state.otherIsBase ? session_.plan : state.other, options);

  const QString current = QString::fromStdString(session_.plan.PlanFileName) + " (the current plan)";
  const QString file = QString::fromStdString(state.otherPath);
  plans_->setText(
      QString("Base: %1\nOther: %2").arg(state.otherIsBase ? file : current, state.otherIsBase ? current : file) +
      (onStress ? "\nBoth plans run " + StressRatesTitle(session_.plan, stress) + "." : QString()));
  curve_->setChecked(state.curveShown);
  summaryHeading_->setText(comparison_.Identical() ? "No differences: the plans differ in nothing but their names."
                                                   : "Summary (today's dollars)");
  FillTextTable(*summary_, SummaryRows(comparison_), 1, 3);
  attributionHeading_->setText(AttributionHeading(comparison_));
  chart_->SetBars(SortedAttributionBars(comparison_));
  attributionNotes_->setText(AttributionNotes(comparison_));
  FillTextTable(*changes_, InputChangeRows(comparison_.inputs), 2, 3);
  FitChangesWithinScreen();
  yearsHeading_->setText(
      QString("Other - base, in %1").arg(options.currentDollars ? "today's dollars" : "future dollars, each year's own"));
  FillDifferenceGrid(*years_, base, comparison_.years);
}

// Both values of every changed input show without scrolling: the page widens
// to the table's columns within the screen, and past that the text columns
// give way.
void ComparisonPage::FitChangesWithinScreen() {
  // The tab's margins, the table's frame and a vertical scroll bar.
  constexpr int kAround = 60;
  const QScreen* shown = screen();
  const int screenWidth = shown ? shown->availableGeometry().width() : size_.width();
  const int room = screenWidth - kAround;
  if (ColumnsWidth(*changes_) > room) NarrowTextColumns(*changes_, ColumnsWidth(*changes_) - room, 2, 3);
  const int width = std::min(std::max(ColumnsWidth(*changes_) + kAround, size_.width()), screenWidth);
  if (width == size_.width()) return;
  size_.setWidth(width);
  QWidget* top = window();
  if (top != this && top->isVisible()) top->resize(width, top->height());
}

void ComparisonPage::CloseComparison() {
  const PageId back = session_.comparison.returnPage;
  session_.comparison.Close();
  session_.SuppressRefresh = true;
  navigator_.ReturnToPage(PageId::Comparison, back);
  session_.SuppressRefresh = false;
}

void ComparisonPage::SwapBase() {
  if (!session_.comparison.open) return;
  session_.comparison.otherIsBase = !session_.comparison.otherIsBase;
  Refresh();
}

void ComparisonPage::CopySelection() {
  if (const auto text = CopySelectionText(*years_)) platform_.desktop.SetClipboardText(*text);
}

void ComparisonPage::CopyAll() { platform_.desktop.SetClipboardText(CopyAllText(*years_)); }
