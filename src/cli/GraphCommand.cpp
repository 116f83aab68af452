#include <QBuffer>
#include <QImage>
#include <QRegularExpression>
#include <QString>
#include <cstdio>
#include <optional>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "model/FileSave.h"
#include "model/ReadableText.h"
#include "shell/Session.h"
#include "views/GraphScreen.h"

namespace {

// Large enough for any screen, small enough that the image fits in memory.
constexpr int kLargestSide = 16384;

struct GraphOptions {
  std::string plan;
  std::string out;
  const char* format = nullptr;
  int width = 506;
  int height = 574;
  bool currentDollars = false;
  std::array<bool, kCurveCount> shown{true, true, true, true, true, true, true, true};
};

bool ParseSize(const std::string& text, int& width, int& height) {
  static const QRegularExpression pattern("^(\\d{1,5})x(\\d{1,5})$");
  const QRegularExpressionMatch match = pattern.match(QString::fromStdString(text));
  if (!match.hasMatch()) return false;
  width = match.captured(1).toInt();
  height = match.captured(2).toInt();
  return width >= 1 && height >= 1 && width <= kLargestSide && height <= kLargestSide;
}

const char* FormatOf(const std::string& path) {
  const QString lower = QString::fromStdString(path).toLower();
  if (lower.endsWith(".png")) return "PNG";
  if (lower.endsWith(".bmp")) return "BMP";
  return nullptr;
}

int UsageError(const char* what, const std::string& detail = {}) {
  std::fprintf(stderr, "prevora-cli: %s%s\nUsage: %s\n", what, detail.c_str(), kGraphUsage);
  return 1;
}

std::optional<int> ParseOptions(const CliArgs& args, GraphOptions& options) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--out" && hasValue) {
      options.out = args[++i];
    } else if (arg == "--size" && hasValue) {
      if (!ParseSize(args[++i], options.width, options.height)) {
        return UsageError("--size takes WIDTHxHEIGHT in pixels, e.g. 506x574, each from 1 to 16384");
      }
    } else if (arg == "--current-dollars") {
      options.currentDollars = true;
    } else if (arg == "--curves" && hasValue) {
      const auto shown = ParseCurveList(args[++i]);
      if (!shown) return UsageError("--curves takes curve numbers 1 to 8 separated by commas");
      options.shown = *shown;
    } else if (options.plan.empty() && !arg.starts_with("--")) {
      options.plan = arg;
    } else {
      return UsageError("unexpected argument ", "'" + arg + "'");
    }
  }
  if (options.plan.empty() || options.out.empty()) return UsageError("a plan and --out are required");
  options.format = FormatOf(options.out);
  if (!options.format) return UsageError("the output file must end in .png or .bmp: ", options.out);
  return std::nullopt;
}

}  // namespace

int RunGraphCommand(const CliArgs& args) {
  GraphOptions options;
  if (const std::optional<int> status = ParseOptions(args, options)) return *status;
  const auto app = StartOffscreenGui();
  Session session;
  if (!LoadPlanForCli(options.plan, session.plan)) return 2;
  session.CurrentDollars = options.currentDollars;
  session.CurveShown = options.shown;
  session.RunForecastForView();
  // No screen to measure: the picture is drawn as on a screen of the window's size.
  const QImage image = RenderScreenGraph(session, options.width, options.height,
                                         QSize(options.width, options.height), GraphFontFamily(options.width));
  QBuffer encoded;
  const bool drawn = !image.isNull() && encoded.open(QIODevice::WriteOnly) && image.save(&encoded, options.format);
  const std::string problem = drawn ? SaveFileContents(options.out, encoded.data().toStdString()) : "no picture";
  if (!problem.empty()) {
    std::fprintf(stderr, "prevora-cli: cannot write \"%s\": %s\n", ReadableText(options.out).c_str(), problem.c_str());
    return 2;
  }
  return 0;
}
