#pragma once

#include <QWidget>
#include <unordered_map>
#include <vector>

#include "views/ExplainModel.h"

class Desktop;
class QTreeWidget;
class QTreeWidgetItem;

// "Why this number?": one cell of the year table as a tree of signed terms.
// A term that is another cell expands to that cell's terms where it is first
// named; a later mention says "explained above" and activating it goes there.
// Activating a cell term (double-click or Enter) also asks the page to show
// that cell. Copy puts the tree as shown on the clipboard; Escape closes.
class ExplainWindow : public QWidget {
  Q_OBJECT

 public:
  ExplainWindow(ExplainModel model, Desktop& desktop, QWidget* parent = nullptr);

  QTreeWidget* Tree() const { return tree_; }
  // The tree as shown, one indented line a term.
  QString ShownText() const;
  void CopyText();

 signals:
  void CellRequested(const QString& field, int year);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void AddTerms(QTreeWidgetItem* parent, const std::vector<ExplainItem>& items);
  void GoToExplained(QTreeWidgetItem* mention, const ExplainItem& term);
  void ItemActivated(QTreeWidgetItem* item);

  ExplainModel model_;
  Desktop& desktop_;
  QTreeWidget* tree_;
  std::vector<ExplainItem> items_;                       // every term shown, addressed by the tree items
  std::unordered_map<int, QTreeWidgetItem*> explained_;  // node -> the line that explains it
};
