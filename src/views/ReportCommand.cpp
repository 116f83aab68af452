#include "views/ReportCommand.h"

#include <QDate>
#include <QLocale>
#include <QMenu>
#include <QPrinter>
#include <algorithm>
#include <optional>
#include <thread>

#include "markets/BuiltInHistory.h"
#include "odds/OddsRunner.h"
#include "platform/Platform.h"
#include "render/PdfDocument.h"
#include "render/ReportPrinting.h"
#include "report/ReportPages.h"
#include "shell/PageMenus.h"
#include "shell/Session.h"
#include "views/PrintPreview.h"

namespace {

constexpr int kMostTrials = 100000;

// The trial count typed, or nothing after saying why it cannot be used.
std::optional<int> AskTrials(QWidget& page, Platform& platform) {
  const std::optional<QString> typed = platform.prompts.AskText(
      &page, QString("Trials for the odds of the report (1 to %L1; more take longer):").arg(kMostTrials), "10000");
  if (!typed) return std::nullopt;
  bool ok = false;
  const int trials = QString(*typed).remove(',').trimmed().toInt(&ok);
  if (ok && trials >= 1 && trials <= kMostTrials) return trials;
  platform.prompts.Error(
      &page, QString("\"%1\" is not a trial count: type a whole number from 1 to %L2.").arg(*typed).arg(kMostTrials));
  return std::nullopt;
}

void MakeReport(QWidget& page, const Session& session, Platform& platform) {
  const std::optional<int> trials = AskTrials(page, platform);
  if (!trials) return;
  const std::optional<int> paper = platform.prompts.Choose(&page, "Which paper is the report for?", {"&Letter", "&A4"},
                                                           LocalePaper() == QPageSize::Letter ? 0 : 1);
  if (!paper) return;

  ReportSettings settings;
  settings.monteCarlo.trials = *trials;
  settings.history = BuiltInHistory();
  settings.historyName = BuiltInHistoryName();
  settings.rules = session.Rules;
  settings.threads = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMaxOddsThreads);
  if (const std::string problem = ReportSettingsProblem(session.plan, settings); !problem.empty()) {
    platform.prompts.Error(&page, "The report cannot be made: " + QString::fromStdString(problem));
    return;
  }
  std::optional<ReportFigures> figures;
  const PlanRecord plan = session.plan;
  const bool finished = platform.prompts.RunWithProgress(
      &page, "Working out the report's figures...",
      [&](const std::atomic<bool>& cancel, const std::function<void(int, int)>& progress) {
        figures = ComputeReportFigures(plan, settings, ReportControl{&cancel, progress});
      });
  if (!finished || !figures) return;

  const std::string date = QLocale::system().toString(QDate::currentDate(), QLocale::LongFormat).toStdString();
  const ReportDocument document = BuildReportDocument(*figures, settings, date);
  const ReportPrintJob job{document, figures->plan, figures->currentTable};
  ShowPrintPreview(
      &page, platform, [&job](QPrinter& target) { return PrintReport(target, job); },
      QString::fromStdString("Plan report: " + document.planName), *paper == 0 ? QPageSize::Letter : QPageSize::A4);
}

}  // namespace

void AddReportCommand(QMenu* file, QWidget& page, Session& session, Platform& platform) {
  AddMenuCommand(file, "&Report...", "Report", [&page, &session, &platform] { MakeReport(page, session, platform); });
}
