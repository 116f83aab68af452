#pragma once

#include "shell/Page.h"

class QPlainTextEdit;

// The text page: one read-only memo under a "&Return" menu. No menu command
// opens it; the about box is built from it and inherits its memo, menu and
// return behaviour.
class Tf18help : public Page {
  Q_OBJECT

 public:
  Tf18help(Session& session, Platform& platform, Navigator& navigator, QWidget* parent = nullptr);

  bool FollowsSmallScreenRule() const override { return true; }
  // The close box returns like "&Return".
  void FormCloseQuery() override;

  QPlainTextEdit* Memo() const { return memo_; }

 protected:
  // `memoFillsPage` false leaves the memo's placement to the derived page.
  Tf18help(int number, const QString& caption, bool memoFillsPage, Session& session, Platform& platform,
           Navigator& navigator, QWidget* parent);

  void Instructions();
  // Back to the page the user came from, exactly as it was left.
  void Return1Click();

 private:
  QPlainTextEdit* memo_;
};
