#pragma once

#include <QKeySequence>
#include <functional>

#include "pages/EntryRows.h"
#include "pages/OnceWarnings.h"
#include "pages/PageGrid.h"
#include "shell/Page.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// Base of the data-entry pages: validation before leaving, the close rule,
// the small-screen rule and the controls every such page builds.
class DataPage : public Page {
  Q_OBJECT

 public:
  DataPage(PageId id, Session& session, Platform& platform, Navigator& navigator, QWidget* parent = nullptr);

  bool IsDataEntry() const override { return true; }
  // A page whose boxes hold something to correct keeps the user.
  LeaveDecision DecideLeaving(PageId to, LeaveBy by) override;
  bool IsResizable() const override { return false; }
  bool FollowsSmallScreenRule() const override { return true; }

  // The box that edits `field` on this page, or null.
  virtual QLineEdit* EditFor(const PlanField& field) const { return bindings_.EditFor(field); }
  QComboBox* ChoiceFor(const PlanField& field) const { return bindings_.ChoiceFor(field); }

 protected:
  // Labels may have changed with the plan: the controls' names follow them.
  void Activated() override;
  // A data error names the first box in error on a second line (its label
  // words) and leaves the cursor in it with its text selected.
  void ShowError(const QString& text) override;
  // Escape: back to the page the user came from, checked as leaving is.
  virtual void GoBack() { GoTo(cameFrom_); }

  // A key for a control the Tab key skips, shown in its tooltip; `does` is
  // its line in the keys table.
  void AddKeyFor(QWidget* control, const QKeySequence& key, const QString& does, std::function<void()> action);
  // A key that puts the cursor in `box` with its text selected.
  void AddKeyFor(QLineEdit* box, const QKeySequence& key, const QString& does);

  // Asks about the likely mistypes `once` has not seen accepted; false keeps the user here.
  bool ConfirmOnce(OnceWarnings& once, const std::vector<std::string>& warnings);

  // Boxes to plan record: stores what parsed, reports the first problem and
  // returns false to keep the user on the page.
  virtual bool ValidatePage() = 0;

  // The page's client size on normal screens; small screens force the shared
  // small-screen size instead.
  void SetClientSize(QSize size) { SetFixedPageSize(size); }

  // Controls with the look the data pages share.
  QLabel* AddLabel(const QString& objectName, const QString& caption, QRect geometry);
  // A label whose words are followed by dots up to its right edge.
  QLabel* AddLeaderLabel(const QString& objectName, const QString& words, QRect geometry);
  // Gives `label` these words and dots up to its right edge ("" stays empty).
  static void SetLeaderText(QLabel* label, const QString& words);
  // A bold, underlined heading.
  QLabel* AddHeading(const QString& objectName, const QString& text, QRect geometry);
  QLineEdit* AddEdit(const QString& objectName, QRect geometry, bool readOnly = false);
  // The choice box of a row with choices.
  QComboBox* AddChoiceBox(const EntryRow& row, QRect geometry);
  QPlainTextEdit* AddMemo(const QString& objectName, QRect geometry, const QString& text,
                          const QString& hint = QStringLiteral("Scroll for more instructions"));
  void SetPageColour(const QColor& colour);

  // Rows stacked on `grid` from `top`, each bound to its field in bindings_
  // in parse order; returns the boxes in row order (null for a row without one).
  std::vector<QLineEdit*> AddEntryRows(const std::vector<EntryRow>& rows, const PageGrid& grid, int top);
  // The same rows left unbound, for a page that reads them in an order of its own.
  std::vector<QLineEdit*> AddRows(const std::vector<EntryRow>& rows, const PageGrid& grid, int top);

  EntryBindings bindings_;

 private:
  // The plan commands, Enter and Escape, which work on every data page.
  void AddPageKeys();
  // Checks the entries as leaving does, then runs the File command `name`.
  void RunPlanCommand(const QString& name);

  PageId cameFrom_ = PageId::Graph;
};
