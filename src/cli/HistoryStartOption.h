#pragma once

#include <optional>
#include <string>

#include "cli/HistorySource.h"
#include "markets/HistoryStart.h"
#include "model/PlanRecord.h"

// What `--history-start YEAR [--history FILE] [--start-at first-year|retirement]`
// asks of forecast, explain and diff.
struct HistoryStartOption {
  std::string year;     // as given; empty when the option is absent
  std::string history;  // a history file, or empty for the built-in history
  SequenceStart at = SequenceStart::FirstYear;
  bool atGiven = false;
  bool Given() const { return !year.empty(); }
  // Why an option that only goes with --history-start stands without it, or empty.
  std::string Orphan() const;
};

// Stores --start-at first-year|retirement; returns why it refuses the word.
const char* StoreSequenceStart(HistoryStartOption& option, const std::string& word);

// The option table's stores of --history-start, --history and --start-at for
// a command whose options hold `historyStart`.
template <typename Options>
const char* StoreHistoryStartYear(Options& options, const std::string& year) {
  options.historyStart.year = year;
  return year.empty() ? "--history-start needs a year" : nullptr;
}
template <typename Options>
const char* StoreHistoryFile(Options& options, const std::string& path) {
  options.historyStart.history = path;
  return path.empty() ? "--history needs a file" : nullptr;
}
template <typename Options>
const char* StoreStartAt(Options& options, const std::string& word) {
  return StoreSequenceStart(options.historyStart, word);
}

struct HistoryStartRun {
  HistorySource source;
  int startYear = 0;
  int currentYear = 0;  // the plan's
  HistoryStart start;
};

// The rates the option asks for on the plan, or nothing after saying why on
// stderr; `status` is then the exit status to give (1 a wrong year, 2 an
// unreadable history).
std::optional<HistoryStartRun> HistoryStartForCli(const PlanRecord& plan, const HistoryStartOption& option,
                                                  int& status);

// "Rates: US history 1928-2025 (built in) from 1966 on; from 2064 on they continue from 1928.";
// a sequence started at retirement names the plan's own years before it.
std::string HistoryStartNote(const HistoryStartRun& run);
