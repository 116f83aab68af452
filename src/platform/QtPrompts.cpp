#include "platform/QtPrompts.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

namespace {

PromptButton ShowBox(QWidget* page, QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons) {
  QMessageBox box(icon, QApplication::applicationDisplayName(), text, buttons, page);
  // The text can be selected and copied, to quote it or look it up.
  box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  if (page) {
    box.adjustSize();
    const QPoint corner = page->window()->frameGeometry().topLeft();
    box.move(corner + QPoint(30, 90));
  }
  switch (box.exec()) {
    case QMessageBox::Yes:
      return PromptButton::Yes;
    case QMessageBox::No:
      return PromptButton::No;
    case QMessageBox::Cancel:
      return PromptButton::Cancel;
    default:
      return PromptButton::Ok;
  }
}

QMessageBox::StandardButtons ButtonsFor(QuestionKind kind) {
  return kind == QuestionKind::YesNoCancel ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                                           : QMessageBox::Yes | QMessageBox::No;
}

}  // namespace

QString DialogStartFolder(const QString& requested) {
  if (!requested.isEmpty() && QFileInfo(requested).isDir()) return QFileInfo(requested).absoluteFilePath();
  return QDir::homePath();
}

namespace {

void Configure(QFileDialog& dialog, const FileDialogRequest& request) {
  dialog.setWindowTitle(request.title);
  dialog.setNameFilter(request.filter);
  dialog.setDefaultSuffix(request.defaultExtension);
  dialog.setDirectory(DialogStartFolder(request.initialFolder));
  if (!request.proposedName.isEmpty()) dialog.selectFile(request.proposedName);
}

}  // namespace

void QtPrompts::Error(QWidget* page, const QString& text) {
  ShowBox(page, QMessageBox::Critical, text, QMessageBox::Ok);
}

void QtPrompts::Information(QWidget* page, const QString& text) {
  ShowBox(page, QMessageBox::Information, text, QMessageBox::Ok);
}

PromptButton QtPrompts::Warning(QWidget* page, const QString& text, QuestionKind kind) {
  return ShowBox(page, QMessageBox::Warning, text, ButtonsFor(kind));
}

PromptButton QtPrompts::Question(QWidget* page, const QString& text, QuestionKind kind) {
  return ShowBox(page, QMessageBox::Information, text, ButtonsFor(kind));
}

std::optional<int> QtPrompts::Choose(QWidget* page, const QString& text, const QStringList& choices, int proposed) {
  QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), text, QMessageBox::NoButton, page);
  box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  std::vector<QAbstractButton*> buttons;
  for (const QString& choice : choices) buttons.push_back(box.addButton(choice, QMessageBox::AcceptRole));
  box.addButton(QMessageBox::Cancel);
  if (proposed >= 0 && proposed < static_cast<int>(buttons.size()))
    box.setDefaultButton(static_cast<QPushButton*>(buttons[static_cast<std::size_t>(proposed)]));
  if (page) {
    box.adjustSize();
    box.move(page->window()->frameGeometry().topLeft() + QPoint(30, 90));
  }
  box.exec();
  const auto chosen = std::find(buttons.begin(), buttons.end(), box.clickedButton());
  if (chosen == buttons.end()) return std::nullopt;
  return static_cast<int>(chosen - buttons.begin());
}

std::optional<QString> QtPrompts::OpenFile(QWidget* page, const FileDialogRequest& request) {
  QFileDialog dialog(page);
  Configure(dialog, request);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtPrompts::SaveFile(QWidget* page, const FileDialogRequest& request) {
  QFileDialog dialog(page);
  Configure(dialog, request);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

bool QtPrompts::ChoosePrinter(QWidget* page, QPrinter& printer) {
  QPrintDialog dialog(&printer, page);
  return dialog.exec() == QDialog::Accepted;
}

void QtPrompts::PreviewPrint(QWidget* page, QPrinter& printer, const std::function<int(QPrinter&)>& paint) {
  QPrintPreviewDialog dialog(&printer, page);
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [&paint](QPrinter* target) { paint(*target); });
  dialog.resize(900, 1000);
  dialog.exec();
}

bool QtPrompts::RunWithProgress(QWidget* page, const QString& label, const ProgressWork& work) {
  QProgressDialog box(label, "Cancel", 0, 0, page);
  box.setWindowModality(Qt::WindowModal);
  box.setMinimumDuration(0);
  std::atomic<bool> cancel{false};
  std::atomic<int> done{0};
  std::atomic<int> total{0};
  std::atomic<bool> finished{false};
  std::thread worker([&] {
    work(cancel, [&](int d, int t) {
      done = d;
      total = t;
    });
    finished = true;
  });
  // The box follows the work a few times a second; Cancel asks it to stop and waits for it.
  while (!finished) {
    box.setMaximum(total);
    box.setValue(done);
    if (box.wasCanceled()) cancel = true;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  worker.join();
  return !cancel;
}

std::optional<QString> QtPrompts::AskText(QWidget* page, const QString& label, const QString& proposed) {
  bool ok = false;
  const QString text =
      QInputDialog::getText(page, QApplication::applicationDisplayName(), label, QLineEdit::Normal, proposed, &ok);
  if (!ok) return std::nullopt;
  return text;
}
