#pragma once

#include "platform/Prompts.h"

#include <QString>

// The folder a file dialog opens in: the one asked for when it exists, else
// the home folder, so a dialog never starts at the file system's root or in
// whatever folder the program was started from.
QString DialogStartFolder(const QString& requested);

class QtPrompts : public Prompts {
 public:
  void Error(QWidget* page, const QString& text) override;
  void Information(QWidget* page, const QString& text) override;
  PromptButton Warning(QWidget* page, const QString& text, QuestionKind kind) override;
  PromptButton Question(QWidget* page, const QString& text, QuestionKind kind) override;
  std::optional<int> Choose(QWidget* page, const QString& text, const QStringList& choices, int proposed) override;
  std::optional<QString> OpenFile(QWidget* page, const FileDialogRequest& request) override;
  std::optional<QString> SaveFile(QWidget* page, const FileDialogRequest& request) override;
  bool ChoosePrinter(QWidget* page, QPrinter& printer) override;
  void PreviewPrint(QWidget* page, QPrinter& printer, const std::function<int(QPrinter&)>& paint) override;
  bool RunWithProgress(QWidget* page, const QString& label, const ProgressWork& work) override;
  std::optional<QString> AskText(QWidget* page, const QString& label, const QString& proposed) override;
};
