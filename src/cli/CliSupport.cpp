#include "cli/CliSupport.h"

#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <utility>

#include "engine/DollarViews.h"
#include "engine/Forecast.h"
#include "engine/LawYearTax.h"
#include "engine/RatePathCsv.h"
#include "model/PlanFile.h"
#include "model/ReadableText.h"

namespace {

// Batch runs (cron, CI, ssh) often have no runtime folder; Qt would make one
// itself but print a notice on every run.
void EnsureRuntimeFolder() {
  if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return;
  const QString folder = QDir::temp().filePath(QStringLiteral("prevora-runtime-%1").arg(getuid()));
  if (!QDir().mkpath(folder)) return;
  QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
}

}  // namespace

std::unique_ptr<QGuiApplication> StartOffscreenGui() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  EnsureRuntimeFolder();
  static int argc = 1;
  static char name[] = "prevora-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

bool LoadPlanForCli(const std::string& path, const PlanOverrides& overrides, PlanRecord& plan) {
  const PlanFileResult result = ReadPlanFile(plan, path);
  if (result.missing) {
    std::fprintf(stderr, "prevora-cli: there is no plan file \"%s\"\n", ReadableText(path).c_str());
    return false;
  }
  if (!result.ok) {
    std::fprintf(stderr, "prevora-cli: %s\n", result.message.c_str());
    return false;
  }
  ApplyPlanOverrides(overrides, plan);
  return true;
}

std::optional<RatePathRead> ReadRatesForCli(const std::string& ratesFile, const PlanRecord& plan, int rows) {
  RatePathRead read = ReadRatePathCsv(ratesFile, plan.CurrentYear, rows);
  if (!read.path) {
    std::fprintf(stderr, "prevora-cli: %s\n", read.message.c_str());
    return std::nullopt;
  }
  if (read.yearsGiven < rows) {
    const std::int64_t from = plan.CurrentYear + read.yearsGiven;
    std::fprintf(stderr, "prevora-cli: %s holds rates to %lld; from %lld on the forecast takes the plan's rates\n",
                 ReadableText(ratesFile).c_str(), static_cast<long long>(from - 1), static_cast<long long>(from));
  }
  return read;
}

RatePath RatesOfFileFor(const RatePathRead& read, const PlanRecord& plan) {
  if (read.yearsGiven >= RowCount(plan)) return *read.path;
  return read.path->WithPlanRatesFrom(read.yearsGiven + 1, plan);
}

bool LoadForecastForCli(const std::string& path, const PlanOverrides& overrides, bool currentDollars, PlanRecord& plan,
                        ForecastTable& table, ForecastRules rules, const std::string& ratesFile) {
  if (!LoadPlanForCli(path, overrides, plan)) return false;
  ReportForecastRules(plan, rules);
  RatePath rates = RatePath::FromPlan(plan);
  if (!ratesFile.empty()) {
    const std::optional<RatePathRead> read = ReadRatesForCli(ratesFile, plan, RowCount(plan));
    if (!read) return false;
    rates = RatesOfFileFor(*read, plan);
  }
  rates = WithRules(rates, rules, plan);
  RunForecastForCli(plan, rates, currentDollars, table);
  return true;
}

void RunForecastForCli(PlanRecord& plan, const RatePath& rates, bool currentDollars, ForecastTable& table) {
  const Forecast forecast = ForecastInView(plan, rates, currentDollars);
  if (forecast.saturated) std::fprintf(stderr, "prevora-cli: %s\n", kSaturationNote);
  WriteBack(forecast.updates, plan);
  table = forecast.table;
}

void ReportForecastRules(const PlanRecord& plan, ForecastRules rules) {
  if (const std::string note = PastInflationNote(plan.CurrentYear, rules.past); !note.empty())
    std::fprintf(stderr, "prevora-cli: %s (--past-inflation plan)\n", note.c_str());
  if (const std::string note = TaxRulesNote(rules.taxes); !note.empty())
    std::fprintf(stderr, "prevora-cli: %s (--tax-rules curve)\n", note.c_str());
  if (const std::string note = DeflationNote(rules.deflation); !note.empty())
    std::fprintf(stderr, "prevora-cli: %s (--deflation follow)\n", note.c_str());
  if (const std::string note = HomeEquityLimitNote(rules.homeEquityLimit); !note.empty())
    std::fprintf(stderr, "prevora-cli: %s (--home-equity-limit first-design)\n", note.c_str());
  if (rules.taxes == TaxRules::Law && StateRatioUnknown(plan))
    std::fprintf(stderr, "prevora-cli: %s\n", kStateRatioUnknownNote);
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
