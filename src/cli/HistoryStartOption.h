#pragma once

#include <optional>
#include <string>

#include "cli/HistorySource.h"
#include "model/PlanRecord.h"
#include "markets/HistoryStart.h"

// What `--history-start YEAR [--history FILE]` asks of forecast and explain.
struct HistoryStartOption {
  std::string year;     // as given; empty when the option is absent
  std::string history;  // a history file, or empty for the built-in history
  bool Given() const { return !year.empty(); }
};

struct HistoryStartRun {
  HistorySource source;
  int startYear = 0;
  HistoryStart start;
};

// The rates the option asks for on the plan, or nothing after saying why on
// stderr; `status` is then the exit status to give (1 a wrong year, 2 an
// unreadable history).
std::optional<HistoryStartRun> HistoryStartForCli(const PlanRecord& plan, const HistoryStartOption& option,
                                                  int& status);

// "Rates: US history 1928-2025 (built in) from 1966 on; from 2064 on they continue from 1928."
std::string HistoryStartNote(const HistoryStartRun& run);
