#pragma once

#include <QMap>
#include <QStringList>
#include <QVariant>
#include <deque>
#include <optional>

#include "platform/Desktop.h"
#include "platform/Platform.h"
#include "platform/Prompts.h"
#include "platform/SettingsStore.h"

// A message box the program showed.
struct ShownPrompt {
  enum Kind { Error, Information, Warning, Question } kind;
  QString text;
};

// Prompts that answer from a script and remember what was asked. An
// unscripted question answers Cancel, an unscripted dialog is cancelled.
class ScriptedPrompts : public Prompts {
 public:
  void Error(QWidget* page, const QString& text) override;
  void Information(QWidget* page, const QString& text) override;
  PromptButton Warning(QWidget* page, const QString& text, QuestionKind kind) override;
  PromptButton Question(QWidget* page, const QString& text, QuestionKind kind) override;
  // An unscripted choice takes the proposed one.
  std::optional<int> Choose(QWidget* page, const QString& text, const QStringList& choices, int proposed) override;
  std::optional<QString> OpenFile(QWidget* page, const FileDialogRequest& request) override;
  std::optional<QString> SaveFile(QWidget* page, const FileDialogRequest& request) override;
  bool ChoosePrinter(QWidget* page, QPrinter& printer) override;
  // Draws the preview once into a PDF file of its own and records the pages.
  void PreviewPrint(QWidget* page, QPrinter& printer, const std::function<int(QPrinter&)>& paint) override;
  // Runs the work at once; with `cancelWork` set, as if Cancel had been pressed first.
  bool RunWithProgress(QWidget* page, const QString& label, const ProgressWork& work) override;
  bool cancelWork = false;
  int progressRuns = 0;
  // An unscripted question is cancelled.
  std::optional<QString> AskText(QWidget* page, const QString& label, const QString& proposed) override;

  std::deque<PromptButton> answers;
  std::deque<std::optional<QString>> fileAnswers;
  std::deque<bool> printerAnswers;
  std::deque<std::optional<int>> choiceAnswers;
  std::deque<std::optional<QString>> textAnswers;
  std::vector<int> previewPages;  // pages of each preview shown
  QString previewPdf;             // where previews are drawn; a temporary file when empty

  std::vector<ShownPrompt> shown;
  std::vector<FileDialogRequest> dialogs;
  struct AskedChoice {
    QString text;
    QStringList choices;
    int proposed;
  };
  std::vector<AskedChoice> choices;
  int printerDialogs = 0;

  // Texts of everything shown, in order.
  QStringList Texts() const;
  // The first line of each: the message itself, without the line a data
  // error adds to name the box in error.
  QStringList FirstLines() const;
  void Clear() {
    shown.clear();
    dialogs.clear();
  }
};

class MemorySettings : public SettingsStore {
 public:
  bool Contains(const QString& name) const override { return values.contains(name); }
  std::optional<int> Integer(const QString& name) const override;
  std::optional<QString> Text(const QString& name) const override;
  void SetInteger(const QString& name, int value) override { values[name] = value; }
  void SetText(const QString& name, const QString& value) override { values[name] = value; }

  QMap<QString, QVariant> values;
};

class RecordingDesktop : public Desktop {
 public:
  void SetClipboardText(const QString& text) override { clipboard = text; }
  bool OpenDocument(const QString& path) override {
    openedDocuments << path;
    return true;
  }
  bool OpenAddress(const QString& address) override {
    openedAddresses << address;
    return true;
  }
  void ShowHelpTopic(int context) override { helpTopics.push_back(context); }

  QString clipboard;
  QStringList openedDocuments;
  QStringList openedAddresses;
  std::vector<int> helpTopics;
};

// The three doubles bundled as the program's platform.
struct ScriptedPlatform {
  ScriptedPrompts prompts;
  MemorySettings settings;
  RecordingDesktop desktop;
  Platform platform{prompts, settings, desktop};
};
