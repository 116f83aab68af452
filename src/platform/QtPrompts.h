#pragma once

#include "platform/Prompts.h"

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
};
