#pragma once

#include "shell/Page.h"

class QPlainTextEdit;

// The text page: one read-only memo under a "&Return" menu. No menu command
// opens it; the about box is built from it and inherits its memo, menu and
// return behaviour.
class TextPage : public Page {
  Q_OBJECT

 public:
  TextPage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent = nullptr);

  bool FollowsSmallScreenRule() const override { return true; }
  // The close box returns like "&Return".
  void CloseRequested() override;

  QPlainTextEdit* Memo() const { return memo_; }

 protected:
  // `memoFillsPage` false leaves the memo's placement to the derived page.
  TextPage(PageId id, const QString& caption, bool memoFillsPage, Session& session, Platform& platform,
           Navigator& navigator, QWidget* parent);

  void ClearMemo();
  // Back to the page the user came from, exactly as it was left.
  void ReturnToPageLeft();

 private:
  QPlainTextEdit* memo_;
};
