#pragma once

#include "pages/CategoryPageBase.h"

// Special events and other expenses: five one-time events with a calendar
// year each and five recurring annual expenses, all with the user's titles.
class SpecialEventsPage : public CategoryPageBase {
  Q_OBJECT

 public:
  SpecialEventsPage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent = nullptr);

 protected:
  void Refresh() override;
  bool ValidatePage() override;
  void UpdateTotal() override;

 private:
  void BuildRows();
};
