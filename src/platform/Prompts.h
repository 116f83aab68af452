#pragma once

#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <optional>

class QWidget;
class QPrinter;

enum class PromptButton { Ok, Yes, No, Cancel };

enum class QuestionKind { YesNo, YesNoCancel };

struct FileDialogRequest {
  QString title;
  QString filter;            // e.g. "Plan files (*.plan)"
  QString defaultExtension;  // without the dot
  QString initialFolder;
  QString proposedName;
  bool confirmOverwrite = true;
};

// Every modal question the program asks goes through here, so tests can
// script the answers. Message boxes sit 30 px right of and 90 px below the
// top-left corner of the page that asks.
class Prompts {
 public:
  virtual ~Prompts() = default;
  virtual void Error(QWidget* page, const QString& text) = 0;
  virtual void Information(QWidget* page, const QString& text) = 0;
  // A warning-styled question; returns Yes, No or Cancel.
  virtual PromptButton Warning(QWidget* page, const QString& text, QuestionKind kind) = 0;
  // A question shown as a notice (the information kind) with Yes and No.
  virtual PromptButton Question(QWidget* page, const QString& text, QuestionKind kind) = 0;
  // A question answered by one of `choices` (button captions); the button of
  // `proposed` has the focus. Returns the index chosen, nothing on Cancel.
  virtual std::optional<int> Choose(QWidget* page, const QString& text, const QStringList& choices, int proposed) = 0;
  // Return the chosen path, or nothing when the user cancels.
  virtual std::optional<QString> OpenFile(QWidget* page, const FileDialogRequest& request) = 0;
  virtual std::optional<QString> SaveFile(QWidget* page, const FileDialogRequest& request) = 0;
  // Shows the printer choice dialog for the printer; true when the user pressed OK.
  virtual bool ChoosePrinter(QWidget* page, QPrinter& printer) = 0;
  // Shows the print preview of what `paint` draws on the printer (it returns
  // the pages drawn); the user may print it or save it as PDF from there.
  virtual void PreviewPrint(QWidget* page, QPrinter& printer, const std::function<int(QPrinter&)>& paint) = 0;
  // Runs `work` away from the window while a progress box with Cancel shows
  // what it reports (done of total); Cancel sets the flag `work` watches.
  // Returns false when the user cancelled.
  using ProgressWork =
      std::function<void(const std::atomic<bool>& cancel, const std::function<void(int, int)>& progress)>;
  virtual bool RunWithProgress(QWidget* page, const QString& label, const ProgressWork& work) = 0;
  // Asks for one line of text; nothing when the user cancels.
  virtual std::optional<QString> AskText(QWidget* page, const QString& label, const QString& proposed) = 0;
};
