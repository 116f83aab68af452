#include <QBuffer>
#include <QImage>
#include <QString>
#include <cstdio>
#include <optional>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/OptionTable.h"
#include "engine/ForecastTable.h"
#include "model/FileSave.h"
#include "model/PlanRecord.h"
#include "model/ReadableText.h"
#include "render/BitmapExport.h"
#include "render/GraphScreen.h"

namespace {

struct GraphOptions {
  std::string plan;
  std::string out;
  int width = 506;
  int height = 574;
  bool currentDollars = false;
  std::array<bool, kCurveCount> shown{true, true, true, true, true, true, true, true};
  ForecastRules rules;
  PlanOverrides overrides;
};

const char* StoreOut(GraphOptions& options, const std::string& path) {
  options.out = path;
  return nullptr;
}

const char* StoreSize(GraphOptions& options, const std::string& text) {
  const std::optional<QSize> size = text.find_first_not_of("0123456789x") == std::string::npos
                                        ? ParsePictureSize(QString::fromStdString(text))
                                        : std::nullopt;
  if (!size) return "--size takes WIDTHxHEIGHT in pixels, e.g. 506x574, each from 1 to 16384";
  options.width = size->width();
  options.height = size->height();
  return nullptr;
}

const CliOption<GraphOptions> kGraphOptions[] = {
    {.name = "--out", .store = StoreOut},
    {.name = "--size", .store = StoreSize},
    {.name = "--current-dollars", .flag = &GraphOptions::currentDollars},
    {.name = "--curves", .store = StoreCurveList<GraphOptions>},
};

const CommandSyntax<GraphOptions> kGraphSyntax{
    .usage = kGraphUsage,
    .errorStyle = UsageErrorStyle::ReasonAndUsage,
    .options = kGraphOptions,
    .plan = &GraphOptions::plan,
    .namesPlan = LacksDoubleDash,
    .required = &GraphOptions::out,
    .missing = "a plan and --out are required",
};

}  // namespace

int RunGraphCommand(const CliArgs& args) {
  GraphOptions options;
  if (const std::optional<int> status = ParseCommandLine(args, kGraphSyntax, options)) return *status;
  const char* format = ImageFormatOf(QString::fromStdString(options.out));
  if (!format) {
    return ReportUsageError(kGraphSyntax.errorStyle, kGraphUsage,
                            "the output file must end in .png or .bmp: " + options.out);
  }
  const auto app = StartOffscreenGui();
  PlanRecord plan;
  ForecastTable table;
  if (!LoadForecastForCli(options.plan, options.overrides, options.currentDollars, plan, table, options.rules))
    return 2;
  // No screen to measure: the picture is drawn as on a screen of the window's size.
  const GraphInput input{plan, table, options.currentDollars, options.shown};
  const QImage image = RenderScreenGraph(input, options.width, options.height, QSize(options.width, options.height),
                                         GraphFontFamily(options.width));
  QBuffer encoded;
  const bool drawn = !image.isNull() && encoded.open(QIODevice::WriteOnly) && image.save(&encoded, format);
  const std::string problem = drawn ? SaveFileContents(options.out, encoded.data().toStdString()) : "no picture";
  if (!problem.empty()) {
    std::fprintf(stderr, "prevora-cli: cannot write \"%s\": %s\n", ReadableText(options.out).c_str(), problem.c_str());
    return 2;
  }
  return 0;
}
