#include "cli/HistoryStartOption.h"

#include <charconv>
#include <cstdio>

std::optional<HistoryStartRun> HistoryStartForCli(const PlanRecord& plan, const HistoryStartOption& option,
                                                  int& status) {
  int year = 0;
  const char* end = option.year.data() + option.year.size();
  const auto [ptr, ec] = std::from_chars(option.year.data(), end, year);
  if (ec != std::errc() || ptr != end) {
    std::fprintf(stderr, "prevora-cli: --history-start needs a calendar year, not \"%s\"\n", option.year.c_str());
    status = 1;
    return std::nullopt;
  }
  std::optional<HistorySource> source = LoadHistoryForCli(option.history);
  if (!source) {
    status = 2;
    return std::nullopt;
  }
  if (const std::string problem = HistoryStartProblem(source->history, year); !problem.empty()) {
    std::fprintf(stderr, "prevora-cli: --history-start: %s\n", problem.c_str());
    status = 1;
    return std::nullopt;
  }
  HistoryStart start = HistoryStartRates(plan, source->history, year, option.at);
  return HistoryStartRun{std::move(*source), year, static_cast<int>(plan.CurrentYear), std::move(start)};
}

std::string HistoryStartOption::Orphan() const {
  if (Given()) return {};
  if (!history.empty()) return "--history needs --history-start YEAR";
  if (atGiven) return "--start-at needs --history-start YEAR";
  return {};
}

const char* StoreSequenceStart(HistoryStartOption& option, const std::string& word) {
  if (word != "first-year" && word != "retirement") return "--start-at takes first-year or retirement";
  option.at = word == "retirement" ? SequenceStart::Retirement : SequenceStart::FirstYear;
  option.atGiven = true;
  return nullptr;
}

std::string HistoryStartNote(const HistoryStartRun& run) {
  std::string note = "Rates: ";
  if (run.start.sequenceYear > run.currentYear) {
    note += "the plan's own to " + std::to_string(run.start.sequenceYear - 1) + "; from " +
            std::to_string(run.start.sequenceYear) + ", the first year of retirement, ";
  }
  note += run.source.name + " from " + std::to_string(run.startYear) + " on, 60 % stocks in both accounts";
  if (run.start.wrapYear > 0) {
    note += "; from " + std::to_string(run.start.wrapYear) + " on they continue from " +
            std::to_string(run.source.history.years.front().year);
  }
  return note + ".";
}
