#include "support/ScriptedPlatform.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <utility>

namespace {

template <typename T>
T Next(std::deque<T>& queue, const T& fallback) {
  if (queue.empty()) return fallback;
  T value(std::move(queue.front()));
  queue.pop_front();
  return value;
}

// Separate from Next: copying an optional QString trips a false
// maybe-uninitialized warning in GCC 12's optimiser.
std::optional<QString> NextFile(std::deque<std::optional<QString>>& queue) {
  if (queue.empty()) return std::nullopt;
  const bool chosen = queue.front().has_value();
  const QString path = chosen ? *queue.front() : QString();
  queue.pop_front();
  if (!chosen) return std::nullopt;
  return path;
}

}  // namespace

void ScriptedPrompts::Error(QWidget*, const QString& text) { shown.push_back({ShownPrompt::Error, text}); }

void ScriptedPrompts::Information(QWidget*, const QString& text) { shown.push_back({ShownPrompt::Information, text}); }

PromptButton ScriptedPrompts::Warning(QWidget*, const QString& text, QuestionKind) {
  shown.push_back({ShownPrompt::Warning, text});
  return Next(answers, PromptButton::Cancel);
}

PromptButton ScriptedPrompts::Question(QWidget*, const QString& text, QuestionKind) {
  shown.push_back({ShownPrompt::Question, text});
  return Next(answers, PromptButton::Cancel);
}

std::optional<int> ScriptedPrompts::Choose(QWidget*, const QString& text, const QStringList& options, int proposed) {
  choices.push_back({text, options, proposed});
  return Next(choiceAnswers, std::optional<int>(proposed));
}

std::optional<QString> ScriptedPrompts::OpenFile(QWidget*, const FileDialogRequest& request) {
  dialogs.push_back(request);
  return NextFile(fileAnswers);
}

std::optional<QString> ScriptedPrompts::SaveFile(QWidget*, const FileDialogRequest& request) {
  dialogs.push_back(request);
  return NextFile(fileAnswers);
}

bool ScriptedPrompts::ChoosePrinter(QWidget*, QPrinter&) {
  ++printerDialogs;
  return Next(printerAnswers, false);
}

void ScriptedPrompts::PreviewPrint(QWidget*, QPrinter& printer, const std::function<int(QPrinter&)>& paint) {
  QTemporaryDir dir;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(previewPdf.isEmpty() ? dir.filePath("preview.pdf") : previewPdf);
  previewPages.push_back(paint(printer));
}

bool ScriptedPrompts::RunWithProgress(QWidget*, const QString&, const ProgressWork& work) {
  ++progressRuns;
  const std::atomic<bool> cancel{cancelWork};
  work(cancel, [](int, int) {});
  return !cancelWork;
}

std::optional<QString> ScriptedPrompts::AskText(QWidget*, const QString& label, const QString&) {
  shown.push_back({ShownPrompt::Question, label});
  return NextFile(textAnswers);
}

QStringList ScriptedPrompts::Texts() const {
  QStringList texts;
  for (const ShownPrompt& prompt : shown) texts << prompt.text;
  return texts;
}

QStringList ScriptedPrompts::FirstLines() const {
  QStringList lines;
  for (const ShownPrompt& prompt : shown) lines << prompt.text.section('\n', 0, 0);
  return lines;
}

std::optional<int> MemorySettings::Integer(const QString& name) const {
  if (!values.contains(name)) return std::nullopt;
  return values.value(name).toInt();
}

std::optional<QString> MemorySettings::Text(const QString& name) const {
  if (!values.contains(name)) return std::nullopt;
  return values.value(name).toString();
}
