#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "pages/CategoryPageBase.h"
#include "pages/EntryRows.h"

class QLabel;

// Everything that tells one list page of expenses from another.
struct CategoryPageLayout {
  PageId id = PageId::HomeExpenses;
  QString title;  // runtime caption, up to the plan name
  QString designCaption;
  int helpContext = 0;
  std::vector<EntryRow> rows;
  // Below `rows`: shown and read only in a two-person plan.
  std::vector<EntryRow> secondPersonRows;
  // The read-only total below them all, if the page shows one.
  std::optional<EntryRow> total;
  bool redTotal = false;
  std::int64_t (*recompute)(PlanRecord&) = nullptr;
  // The home page refreshes its computed boxes before reading the entries;
  // every other page totals what it has just read.
  bool recomputeBeforeParsing = false;
  bool update = true;
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
  void BuildRows();
  // Widgets of `rows` in build order, from the rows' object names.
  std::vector<QWidget*> WidgetsOf(const std::vector<EntryRow>& rows) const;
  void ClearSecondPerson();

  CategoryPageLayout layout_;
  // Boxes of the second person, read only when there is one.
  EntryBindings secondBindings_;
  std::vector<QWidget*> secondPersonWidgets_;
  // Headings that show a name from the plan.
  std::vector<std::pair<QLabel*, PlanField>> nameLabels_;
};
