#include "views/YearGrid.h"

#include <QFont>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>

#include "engine/ForecastColumns.h"
#include "model/PlanRecord.h"

namespace {

constexpr int kRowHeight = 19;
// Room either side of a cell's text for the style's margins and the grid line.
constexpr int kCellPadding = 6;
const QColor kCellColour(0, 255, 255);
const QColor kFixedColour(255, 255, 0);

bool IsFixed(const YearColumn& column) { return column.kind != YearColumn::Kind::Money; }

// Titles of two or more words take two lines, broken where the longer line
// is shortest, so a column is no wider than its figures need.
QString TwoLineTitle(const QString& title) {
  int best = -1;
  qsizetype longest = title.size();
  for (qsizetype i = 0; i < title.size(); ++i) {
    if (title[i] != ' ') continue;
    const qsizetype longer = std::max(i, title.size() - i - 1);
    if (longer < longest) {
      longest = longer;
      best = static_cast<int>(i);
    }
  }
  QString lines = title;
  if (best >= 0) lines[best] = '\n';
  return lines;
}

// Groups are set apart by a heavier line instead of empty columns, which
// would travel with every copy.
class GroupLineDelegate : public QStyledItemDelegate {
 public:
  explicit GroupLineDelegate(const YearGrid& grid) : QStyledItemDelegate(const_cast<YearGrid*>(&grid)), grid_(grid) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyledItemDelegate::paint(painter, option, index);
    const auto column = static_cast<std::size_t>(index.column());
    if (column >= grid_.Columns().size() || !grid_.Columns()[column].groupStart) return;
    painter->save();
    painter->setPen(QPen(Qt::black, 2));
    painter->drawLine(option.rect.topLeft(), option.rect.bottomLeft());
    painter->restore();
  }

 private:
  const YearGrid& grid_;
};

}  // namespace

YearGrid::YearGrid(QWidget* parent) : QTableWidget(parent) {
  setObjectName("YearGrid");
  setFont(QFont("MS Sans Serif", 8, QFont::Bold));
  setItemDelegate(new GroupLineDelegate(*this));
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(kRowHeight);
  verticalHeader()->setMinimumSectionSize(kRowHeight);
  QHeaderView* header = horizontalHeader();
  header->setFixedHeight(2 * QFontMetrics(font()).lineSpacing() + 6);
  header->setMinimumSectionSize(1);
  header->setSectionsClickable(false);
  header->setHighlightSections(false);
  QPalette headerPalette = header->palette();
  headerPalette.setColor(QPalette::Button, kFixedColour);
  headerPalette.setColor(QPalette::Window, kFixedColour);
  headerPalette.setColor(QPalette::ButtonText, Qt::black);
  header->setPalette(headerPalette);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setShowGrid(true);
  setWordWrap(false);
  QPalette cells = palette();
  cells.setColor(QPalette::Base, kCellColour);
  cells.setColor(QPalette::Window, kCellColour);
  setPalette(cells);
}

void YearGrid::SetColumns(std::vector<YearColumn> columns) {
  if (columns == columns_) return;
  columns_ = std::move(columns);
  clearContents();
  setColumnCount(static_cast<int>(columns_.size()));
  for (int c = 0; c < columnCount(); ++c) {
    const YearColumn& column = columns_[static_cast<std::size_t>(c)];
    auto* title = new QTableWidgetItem(TwoLineTitle(column.title));
    title->setTextAlignment((IsFixed(column) ? Qt::AlignHCenter : Qt::AlignRight) | Qt::AlignVCenter);
    setHorizontalHeaderItem(c, title);
  }
}

void YearGrid::ShowYears(const PlanRecord& plan, const ForecastTable& table) {
  const int years = RowCount(plan);
  SetYearCount(years);
  for (int r = 1; r <= years; ++r) {
    for (int c = 0; c < columnCount(); ++c)
      SetCell(r, c, YearCellText(columns_[static_cast<std::size_t>(c)], plan, table, r));
  }
  FitColumns();
}

void YearGrid::SetYearCount(int years) {
  setRowCount(std::max(0, years));
  KeepACurrentCell();
}

void YearGrid::SetCell(int row, int column, const QString& text) {
  QTableWidgetItem* cell = item(row - 1, column);
  if (!cell) {
    cell = new QTableWidgetItem;
    if (IsFixed(columns_[static_cast<std::size_t>(column)])) {
      // Fixed like the title row: never selected, never copied as a selection.
      cell->setFlags(Qt::ItemIsEnabled);
      cell->setBackground(kFixedColour);
      cell->setTextAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    } else {
      cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    setItem(row - 1, column, cell);
  }
  cell->setText(text);
}

void YearGrid::FitColumns() {
  const QFontMetrics cellMetrics(font());
  const QFontMetrics titleMetrics(horizontalHeader()->font());
  for (int c = 0; c < columnCount(); ++c) {
    int widest = 0;
    for (const QString& line : horizontalHeaderItem(c)->text().split('\n'))
      widest = std::max(widest, titleMetrics.horizontalAdvance(line));
    for (int r = 0; r < rowCount(); ++r) {
      if (const QTableWidgetItem* cell = item(r, c))
        widest = std::max(widest, cellMetrics.horizontalAdvance(cell->text()));
    }
    setColumnWidth(c, widest + 2 * kCellPadding);
  }
}

QString YearGrid::CellText(int row, int column) const {
  if (column < 0 || column >= columnCount()) return {};
  if (row == 0) return columns_[static_cast<std::size_t>(column)].title;
  const QTableWidgetItem* cell = item(row - 1, column);
  return cell ? cell->text() : QString();
}

QString YearGrid::Text(int top, int left, int bottom, int right) const {
  QString text;
  for (int r = top; r <= bottom; ++r) {
    for (int c = left; c <= right; ++c) {
      if (c > left) text += '\t';
      text += CellText(r, c);
    }
    text += "\r\n";
  }
  return text;
}

int YearGrid::ColumnOf(YearField field) const {
  for (std::size_t c = 0; c < columns_.size(); ++c) {
    if (columns_[c].field == field && field != nullptr) return static_cast<int>(c);
  }
  return -1;
}

void YearGrid::SelectCell(const std::string& field, int year) {
  const ForecastColumn* column = FindForecastColumn(field);
  const int c = column ? ColumnOf(column->field) : -1;
  if (year < 1 || year > rowCount() || c < 0) return;
  setCurrentCell(year - 1, c, QItemSelectionModel::ClearAndSelect);
}

YearField YearGrid::FieldAt(int column) const {
  if (column < 0 || column >= static_cast<int>(columns_.size())) return nullptr;
  return columns_[static_cast<std::size_t>(column)].field;
}

int YearGrid::FirstMoneyColumn() const {
  const auto money = std::find_if(columns_.begin(), columns_.end(), [](const YearColumn& c) { return !IsFixed(c); });
  return static_cast<int>(money - columns_.begin());
}

int YearGrid::FullWidth() const {
  int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
  for (int c = 0; c < columnCount(); ++c) width += columnWidth(c);
  return width;
}

void YearGrid::KeepACurrentCell() {
  const int first = FirstMoneyColumn();
  if (rowCount() > 0 && first < columnCount() && (currentRow() < 0 || currentColumn() < first))
    setCurrentCell(0, first, QItemSelectionModel::ClearAndSelect);
}
