#include "cli/CliSupport.h"

#include <QString>
#include <QStringList>
#include <cstdio>

#include "model/PlanFile.h"

std::unique_ptr<QGuiApplication> StartOffscreenGui() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "prevora-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

bool LoadPlanForCli(const std::string& path, PlanRecord& plan) {
  const PlanFileResult result = ReadPlanFile(plan, path);
  if (result.missing) {
    std::fprintf(stderr, "prevora-cli: there is no plan file \"%s\"\n", path.c_str());
    return false;
  }
  if (!result.ok) {
    std::fprintf(stderr, "prevora-cli: %s\n", result.message.c_str());
    return false;
  }
  return true;
}

std::optional<std::array<bool, kCurveCount>> ParseCurveList(const std::string& list) {
  std::array<bool, kCurveCount> shown{};
  const QStringList items = QString::fromStdString(list).split(',');
  for (const QString& item : items) {
    bool ok = false;
    const int n = item.trimmed().toInt(&ok);
    if (!ok || n < 1 || n > kCurveCount) return std::nullopt;
    shown[static_cast<std::size_t>(n - 1)] = true;
  }
  return shown;
}
