#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "pages/CategoryPageBase.h"
#include "pages/EntryRows.h"

class QLabel;

enum class CategoryLineKind {
  Entry,      // a labelled box
  Heading,    // a label alone
  YearsPair,  // two short labelled boxes on one row
};

// One line of a category page, top to bottom.
struct CategoryLine {
  CategoryLineKind kind = CategoryLineKind::Entry;
  EntryRow entry;   // Heading: only labelName and caption are used
  EntryRow second;  // YearsPair: the box right of `entry`
  std::string PlanRecord::*name = nullptr;  // Heading showing a person's name
  bool secondPerson = false;                // shown and read only in a two-person plan
  bool red = false;
};

// Everything that tells one list page of expenses from another.
struct CategoryPageLayout {
  PageId id = PageId::HomeExpenses;
  QString title;  // runtime caption, up to the plan name
  QString designCaption;
  int helpContext = 0;
  std::vector<CategoryLine> lines;
  std::optional<PlanField> total;  // the read-only total box, if the page shows one
  std::int64_t (*recompute)(PlanRecord&) = nullptr;
  // The home page refreshes its computed boxes before reading the entries;
  // every other page totals what it has just read.
  bool recomputeBeforeParsing = false;
  bool update = true;
  QString returnName = QStringLiteral("Summary1");
  WindowMenuOptions window;
  QString instructions;
  QString instructionsHint;
};

// A page of annual amounts with a computed total, built from its layout.
class CategoryPage : public CategoryPageBase {
  Q_OBJECT

 public:
  CategoryPage(CategoryPageLayout layout, Session& session, Platform& platform, Navigator& navigator,
               QWidget* parent = nullptr);

  QLineEdit* EditFor(const PlanField& field) const override;

 protected:
  void Refresh() override;
  bool ValidatePage() override;
  void UpdateTotal() override;

 private:
  void BuildLines();
  void ClearSecondPerson();

  CategoryPageLayout layout_;
  // Boxes of the second person, read only when there is one.
  EntryBindings secondBindings_;
  std::vector<QWidget*> secondPersonWidgets_;
  std::vector<std::pair<QLabel*, std::string PlanRecord::*>> nameLabels_;
};
