#include <QPageSize>
#include <QPrinter>
#include <QString>
#include <array>
#include <cstdio>
#include <optional>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "engine/DollarViews.h"
#include "engine/Forecast.h"
#include "model/PlanRecord.h"
#include "views/GraphGeometry.h"
#include "views/GraphPrinting.h"
#include "views/PlanPrinting.h"

namespace {

struct PrintOptions {
  std::string plan;
  std::string pdf;
  bool currentDollars = false;
  std::array<bool, kCurveCount> shown{true, true, true, true, true, true, true, true};
};

std::optional<PrintOptions> ParseOptions(const CliArgs& args, bool allowCurves, const char* usage) {
  PrintOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--pdf" && i + 1 < args.size()) {
      options.pdf = args[++i];
    } else if (arg == "--current-dollars") {
      options.currentDollars = true;
    } else if (allowCurves && arg == "--curves" && i + 1 < args.size()) {
      const auto shown = ParseCurveList(args[++i]);
      if (!shown) {
        std::fprintf(stderr, "prevora-cli: --curves takes curve numbers 1 to 8 separated by commas\n");
        return std::nullopt;
      }
      options.shown = *shown;
    } else if (options.plan.empty() && !arg.starts_with("--")) {
      options.plan = arg;
    } else {
      std::fprintf(stderr, "prevora-cli: unexpected argument '%s'\n", arg.c_str());
      return std::nullopt;
    }
  }
  if (options.plan.empty() || options.pdf.empty()) {
    std::fprintf(stderr, "Usage: %s\n", usage);
    return std::nullopt;
  }
  return options;
}

bool LoadAndForecast(const PrintOptions& options, PlanRecord& plan, ForecastTable& table) {
  if (!LoadPlanForCli(options.plan, plan)) return false;
  const Forecast forecast = ForecastInView(plan, RatePath::FromPlan(plan), options.currentDollars);
  WriteBack(forecast.updates, plan);
  table = forecast.table;
  return true;
}

void SetUpPdf(QPrinter& printer, const std::string& path) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageSize(QPageSize(QPageSize::Letter));
  printer.setOutputFileName(QString::fromStdString(path));
}

int CannotWrite(const std::string& path) {
  std::fprintf(stderr, "prevora-cli: cannot write \"%s\"\n", path.c_str());
  return 2;
}

// The steps both print commands share; `print` draws the forecast on the PDF
// printer and says whether the printer started.
template <typename PrintStep>
int RunPrintCommand(const CliArgs& args, bool allowCurves, const char* usage, PrintStep print) {
  const std::optional<PrintOptions> options = ParseOptions(args, allowCurves, usage);
  if (!options) return 1;
  const auto app = StartOffscreenGui();
  PlanRecord plan;
  ForecastTable table;
  if (!LoadAndForecast(*options, plan, table)) return 2;
  QPrinter printer(QPrinter::HighResolution);
  SetUpPdf(printer, options->pdf);
  if (!print(printer, *options, plan, table)) return CannotWrite(options->pdf);
  return 0;
}

}  // namespace

int RunPrintPlanCommand(const CliArgs& args) {
  return RunPrintCommand(args, false, kPrintPlanUsage,
                         [](QPrinter& printer, const PrintOptions& options, const PlanRecord& plan,
                            const ForecastTable& table) {
                           return PrintPlanTable(printer, PlanPrintJob{plan, table, options.currentDollars}) != 0;
                         });
}

int RunPrintGraphCommand(const CliArgs& args) {
  return RunPrintCommand(args, true, kPrintGraphUsage,
                         [](QPrinter& printer, const PrintOptions& options, const PlanRecord& plan,
                            const ForecastTable& table) {
                           // Without a screen drawing, the scales are those the screen would show.
                           const GraphPrintJob job{plan, table, options.currentDollars, options.shown,
                                                   ComputeScales(plan, table, options.shown)};
                           return PrintGraph(printer, job);
                         });
}
