#include <unistd.h>

#include <QDate>
#include <QLocale>
#include <QPdfWriter>
#include <cstdio>
#include <optional>
#include <set>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/HistorySource.h"
#include "cli/PdfOutput.h"
#include "cli/SimulateOptions.h"
#include "render/PdfDocument.h"
#include "render/ReportPrinting.h"
#include "report/ReportPages.h"

namespace {

// simulate's options that choose one run's model or output; the report runs every model.
const std::set<std::string> kNotForReport = {"--model", "--trial",           "--format",
                                             "--rates", "--current-dollars", "--all-fields"};

struct ReportOptions {
  SimulateOptions simulate;
  std::string pdf;
  QPageSize::PageSizeId paper = QPageSize::Letter;
};

int UsageError(const std::string& reason) {
  std::fprintf(stderr, "prevora-cli report: %s\nUsage: %s\n", reason.c_str(), kReportUsage);
  return 1;
}

// The report's own options; the rest go to simulate's parser, so every
// setting of the odds (and every rule a forecast takes) reaches the report.
std::optional<int> ParseReportOptions(const CliArgs& args, ReportOptions& options) {
  CliArgs rest;
  std::optional<QPageSize::PageSizeId> paper;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (kNotForReport.count(arg) > 0) return UsageError(arg + " does not apply to report");
    if (arg != "--pdf" && arg != "--paper") {
      rest.push_back(arg);
      continue;
    }
    if (i + 1 >= args.size()) return UsageError(arg + " needs a value");
    const std::string& value = args[++i];
    if (arg == "--pdf") {
      options.pdf = value;
    } else if (value == "letter") {
      paper = QPageSize::Letter;
    } else if (value == "a4") {
      paper = QPageSize::A4;
    } else {
      return UsageError("--paper takes letter or a4");
    }
  }
  const SimulateParse simulate = ParseSimulateOptions(rest);
  if (!simulate.options) return UsageError(simulate.error);
  options.simulate = *simulate.options;
  if (options.pdf.empty()) return UsageError("--pdf OUT.pdf is required");
  options.paper = paper.value_or(LocalePaper());
  return std::nullopt;
}

void ShowProgress(int done, int total) {
  std::fprintf(stderr, "\rReport: %d of %d steps", done, total);
  if (done == total) std::fputs("\r\x1b[K", stderr);
  std::fflush(stderr);
}

}  // namespace

int RunReportCommand(const CliArgs& args) {
  ReportOptions options;
  if (const std::optional<int> status = ParseReportOptions(args, options)) return *status;
  const auto app = StartOffscreenGui();
  PlanRecord plan;
  if (!LoadPlanForCli(options.simulate.plan, options.simulate.overrides, plan)) return 2;
  ReportForecastRules(plan, options.simulate.rules);
  std::optional<HistorySource> history = LoadHistoryForCli(options.simulate.history);
  if (!history) return 2;
  ReportSettings settings;
  settings.monteCarlo = options.simulate.monteCarlo;
  settings.historical = options.simulate.historical;
  settings.block = options.simulate.block;
  settings.history = std::move(history->history);
  settings.historyName = history->name;
  settings.rules = options.simulate.rules;
  settings.threads = options.simulate.threads;
  if (const std::string problem = ReportSettingsProblem(plan, settings); !problem.empty()) {
    std::fprintf(stderr, "prevora-cli report: %s\n", problem.c_str());
    return 2;
  }
  ReportControl control;
  if (isatty(STDERR_FILENO)) control.progress = ShowProgress;
  const std::optional<ReportFigures> figures = ComputeReportFigures(plan, settings, control);
  if (!figures) return 2;
  const std::string date = QLocale::system().toString(QDate::currentDate(), QLocale::LongFormat).toStdString();
  const ReportDocument document = BuildReportDocument(*figures, settings, date);
  return WritePdfForCli(options.pdf, options.paper, [&](QPdfWriter& pdf) {
    pdf.setTitle(QString::fromStdString("Plan report: " + document.planName));
    return PrintReport(pdf, ReportPrintJob{document, figures->plan, figures->currentTable}) > 0;
  });
}
