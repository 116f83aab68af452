#include "views/WrappedTreeLines.h"

#include <algorithm>

#include <QEvent>
#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTreeView>

namespace {

// The narrowest a line wraps to, in average characters.
constexpr int kNarrowestLine = 32;

int LevelOf(const QTreeView* tree, const QModelIndex& index) {
  int levels = tree->rootIsDecorated() ? 1 : 0;
  for (QModelIndex up = index.parent(); up.isValid(); up = up.parent()) ++levels;
  return levels;
}

int Narrowest(const QTreeView* tree) { return kNarrowestLine * tree->fontMetrics().averageCharWidth(); }

int DeepestLevel(const QTreeView* tree, const QModelIndex& parent, int level) {
  int deepest = level;
  const QAbstractItemModel* model = tree->model();
  for (int row = 0; row < model->rowCount(parent); ++row) {
    deepest = std::max(deepest, DeepestLevel(tree, model->index(row, 0, parent), level + 1));
  }
  return deepest;
}

// The tree asks a line's height without saying how wide it may be, and paints
// it as wide as the column; both get the line's own wrapping width here.
class WrappedLines : public QStyledItemDelegate {
 public:
  explicit WrappedLines(QTreeView* tree) : QStyledItemDelegate(tree), tree_(tree) {}

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem wrapped = option;
    // The style wraps only within a valid rectangle, so it gets a height too.
    wrapped.rect = QRect(0, 0, WidthOf(index), std::max(1, option.rect.height()));
    return QStyledItemDelegate::sizeHint(wrapped, index);
  }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem wrapped = option;
    wrapped.rect.setWidth(std::min(option.rect.width(), WidthOf(index)));
    QStyledItemDelegate::paint(painter, wrapped, index);
  }

 private:
  int WidthOf(const QModelIndex& index) const {
    const int left = LevelOf(tree_, index) * tree_->indentation();
    return std::max(Narrowest(tree_), tree_->viewport()->width() - left);
  }

  QTreeView* tree_;
};

// Sizes the column to the view, or wider for the deepest lines, and lays the
// rows out again whenever the view's width changes.
class ColumnWidth : public QObject {
 public:
  explicit ColumnWidth(QTreeView* tree) : QObject(tree), tree_(tree) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Resize && tree_->viewport()->width() != width_) {
      width_ = tree_->viewport()->width();
      const int deepest = DeepestLevel(tree_, QModelIndex(), tree_->rootIsDecorated() ? 0 : -1);
      tree_->header()->resizeSection(0, std::max(width_, deepest * tree_->indentation() + Narrowest(tree_)));
      tree_->doItemsLayout();
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QTreeView* tree_;
  int width_ = -1;
};

}  // namespace

void WrapTreeLines(QTreeView* tree) {
  tree->setWordWrap(true);
  tree->setTextElideMode(Qt::ElideNone);
  tree->header()->setStretchLastSection(false);
  tree->header()->setSectionResizeMode(QHeaderView::Fixed);
  tree->setItemDelegate(new WrappedLines(tree));
  tree->viewport()->installEventFilter(new ColumnWidth(tree));
}
