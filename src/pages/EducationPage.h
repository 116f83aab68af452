#pragma once

#include "pages/CategoryPageBase.h"

class QPlainTextEdit;

// Education expenses: three students, each with a span of calendar years, an
// annual cost and an optional future student loan.
class EducationPage : public CategoryPageBase {
  Q_OBJECT

 public:
  EducationPage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent = nullptr);

 protected:
  void Refresh() override;
  bool ValidatePage() override;
  void showEvent(QShowEvent* event) override;

 private:
  void MoveYearsUp();

  QPlainTextEdit* memo_ = nullptr;
};
