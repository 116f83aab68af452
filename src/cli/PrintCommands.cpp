#include <QPdfWriter>
#include <QString>
#include <array>
#include <cstdio>
#include <optional>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/OptionTable.h"
#include "cli/PdfOutput.h"
#include "engine/ForecastTable.h"
#include "model/PlanRecord.h"
#include "render/GraphGeometry.h"
#include "render/GraphPrinting.h"
#include "render/PlanPrinting.h"

namespace {

struct PrintOptions {
  std::string plan;
  std::string pdf;
  bool currentDollars = false;
  std::array<bool, kCurveCount> shown{true, true, true, true, true, true, true, true};
  ForecastRules rules;
  PlanOverrides overrides;
};

const char* StorePdf(PrintOptions& options, const std::string& path) {
  options.pdf = path;
  return nullptr;
}

const CliOption<PrintOptions> kPrintPlanOptions[] = {
    {.name = "--pdf", .store = StorePdf},
    {.name = "--current-dollars", .flag = &PrintOptions::currentDollars},
};

const CliOption<PrintOptions> kPrintGraphOptions[] = {
    {.name = "--pdf", .store = StorePdf},
    {.name = "--current-dollars", .flag = &PrintOptions::currentDollars},
    {.name = "--curves", .store = StoreCurveList<PrintOptions>},
};

constexpr CommandSyntax<PrintOptions> PrintSyntax(const char* usage, std::span<const CliOption<PrintOptions>> options) {
  return {.usage = usage,
          .errorStyle = UsageErrorStyle::ReasonOrUsage,
          .options = options,
          .plan = &PrintOptions::plan,
          .namesPlan = LacksDoubleDash,
          .required = &PrintOptions::pdf};
}

const CommandSyntax<PrintOptions> kPrintPlanSyntax = PrintSyntax(kPrintPlanUsage, kPrintPlanOptions);
const CommandSyntax<PrintOptions> kPrintGraphSyntax = PrintSyntax(kPrintGraphUsage, kPrintGraphOptions);

QString PrintNoteOf(const PlanRecord& plan, const PrintOptions& options) {
  return QString::fromStdString(ForecastRulesNote(plan.CurrentYear, options.rules));
}

// The steps both print commands share; `print` draws the forecast on the PDF
// writer and says whether the writer started.
template <typename PrintStep>
int RunPrintCommand(const CliArgs& args, const CommandSyntax<PrintOptions>& syntax, PrintStep print) {
  PrintOptions options;
  if (const std::optional<int> status = ParseCommandLine(args, syntax, options)) return *status;
  const auto app = StartOffscreenGui();
  PlanRecord plan;
  ForecastTable table;
  if (!LoadForecastForCli(options.plan, options.overrides, options.currentDollars, plan, table, options.rules))
    return 2;
  return WritePdfForCli(options.pdf, QPageSize::Letter,
                        [&](QPdfWriter& pdf) { return print(pdf, options, plan, table); });
}

}  // namespace

int RunPrintPlanCommand(const CliArgs& args) {
  return RunPrintCommand(
      args, kPrintPlanSyntax,
      [](QPdfWriter& pdf, const PrintOptions& options, const PlanRecord& plan, const ForecastTable& table) {
        return PrintPlanTable(pdf, PlanPrintJob{plan, table, options.currentDollars, PrintNoteOf(plan, options)}) != 0;
      });
}

int RunPrintGraphCommand(const CliArgs& args) {
  return RunPrintCommand(
      args, kPrintGraphSyntax,
      [](QPdfWriter& pdf, const PrintOptions& options, const PlanRecord& plan, const ForecastTable& table) {
        // Without a screen drawing, the scales are those the screen would show.
        const GraphPrintJob job{{plan, table, options.currentDollars, options.shown},
                                ComputeScales(plan, table, options.shown),
                                PrintNoteOf(plan, options)};
        return PrintGraph(pdf, job);
      });
}
