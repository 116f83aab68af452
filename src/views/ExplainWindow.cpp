#include "views/ExplainWindow.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "platform/Desktop.h"
#include "views/WrappedTreeLines.h"

namespace {

constexpr int kItemRole = Qt::UserRole;

void AppendShown(const QTreeWidgetItem* item, int depth, QString& out) {
  out += QString(depth * 2, ' ') + item->text(0) + "\n";
  if (!item->isExpanded()) return;
  for (int i = 0; i < item->childCount(); ++i) AppendShown(item->child(i), depth + 1, out);
}

}  // namespace

ExplainWindow::ExplainWindow(ExplainModel model, Desktop& desktop, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(std::move(model)), desktop_(desktop), tree_(new QTreeWidget(this)) {
  setWindowTitle("Why this number?");
  tree_->setHeaderHidden(true);
  tree_->setColumnCount(1);
  WrapTreeLines(tree_);
  auto* copy = new QPushButton("&Copy", this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tree_);
  layout->addWidget(copy, 0, Qt::AlignRight);

  const Explanation& explanation = model_.Current();
  auto* root = new QTreeWidgetItem(tree_, {QString::fromStdString(explanation.title)});
  if (!explanation.note.empty()) new QTreeWidgetItem(root, {QString::fromStdString("(" + explanation.note + ")")});
  AddTerms(root, explanation.terms);
  root->setExpanded(true);
  resize(720, 420);

  connect(copy, &QPushButton::clicked, this, &ExplainWindow::CopyText);
  connect(tree_, &QTreeWidget::itemActivated, this, &ExplainWindow::ItemActivated);
}

void ExplainWindow::AddTerms(QTreeWidgetItem* parent, const std::vector<ExplainItem>& items) {
  for (const ExplainItem& term : items) {
    auto* item = new QTreeWidgetItem(parent, {QString::fromStdString(ExplanationLine(term))});
    item->setData(0, kItemRole, static_cast<qulonglong>(items_.size()));
    items_.push_back(term);
    const int node = ExplainModel::NodeOf(term);
    if (node >= 0 && !term.repeated) explained_.emplace(node, item);
    AddTerms(item, term.terms);
  }
}

void ExplainWindow::GoToExplained(QTreeWidgetItem* mention, const ExplainItem& term) {
  const auto found = explained_.find(ExplainModel::NodeOf(term));
  if (found == explained_.end() || found->second == mention) return;
  for (QTreeWidgetItem* up = found->second->parent(); up; up = up->parent()) up->setExpanded(true);
  tree_->setCurrentItem(found->second);
  tree_->scrollToItem(found->second);
}

void ExplainWindow::ItemActivated(QTreeWidgetItem* item) {
  const QVariant index = item->data(0, kItemRole);
  if (!index.isValid()) return;
  const ExplainItem& term = items_[index.toULongLong()];
  if (term.repeated) GoToExplained(item, term);
  if (!ExplainModel::IsCell(term)) return;
  item->setExpanded(true);
  emit CellRequested(QString::fromStdString(term.field), static_cast<int>(term.year));
}

QString ExplainWindow::ShownText() const {
  QString text;
  for (int i = 0; i < tree_->topLevelItemCount(); ++i) AppendShown(tree_->topLevelItem(i), 0, text);
  return text;
}

void ExplainWindow::CopyText() { desktop_.SetClipboardText(ShownText()); }

void ExplainWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}
