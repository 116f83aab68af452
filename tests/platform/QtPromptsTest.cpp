#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include "platform/QtPrompts.h"

namespace {

TEST(QtPromptsTest, AMessageBoxTextCanBeSelectedAndCopied) {
  Qt::TextInteractionFlags flags;
  QString shown;
  // The box runs its own loop: look at it from inside that loop, then close it.
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    flags = box->textInteractionFlags();
    shown = box->text();
    box->accept();
  });
  QtPrompts prompts;
  prompts.Error(nullptr, "Data entry error please correct.\nTaxable Balance");
  EXPECT_TRUE(flags.testFlag(Qt::TextSelectableByMouse));
  EXPECT_EQ(shown, "Data entry error please correct.\nTaxable Balance");
}

// A question that lets the user stay on a page takes Escape as its No.
TEST(QtPromptsTest, EscapeAnswersAYesNoQuestionNo) {
  QTimer::singleShot(0, [] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(box, &escape);
  });
  QtPrompts prompts;
  EXPECT_EQ(prompts.Warning(nullptr, "Leave the page?", QuestionKind::YesNo), PromptButton::No);
}

TEST(QtPromptsTest, AFileDialogStartsInTheFolderAskedForOrElseAtHome) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const struct {
    QString asked;
    QString shown;
  } cases[] = {{"", QDir::homePath()}, {folder.path() + "/gone", QDir::homePath()}, {folder.path(), folder.path()}};
  for (const auto& c : cases) {
    QString shown;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      shown = dialog->directory().absolutePath();
      dialog->reject();
    });
    FileDialogRequest request;
    request.initialFolder = c.asked;
    QtPrompts prompts;
    EXPECT_FALSE(prompts.OpenFile(nullptr, request));
    EXPECT_EQ(QDir(shown), QDir(c.shown)) << c.asked.toStdString();
  }
}

}  // namespace
