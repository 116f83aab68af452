#pragma once

#include <QString>
#include <QStringList>

// What the command line asks of the program.
struct CommandLineRequest {
  // True when the program should print `output` and end with `exitCode`
  // instead of opening its window (--help, --version, a bad option).
  bool exitNow = false;
  int exitCode = 0;
  QString output;
  // --help: the keys the pages bind follow `output`, read off the pages.
  bool listKeys = false;
  // The words naming the plan to open at start-up, options removed; start-up
  // joins them with single blanks so that a path split at its blanks by the
  // shell comes back whole.
  QStringList planArguments;
};

// `arguments` as QCoreApplication::arguments() gives them, program first.
CommandLineRequest ParseCommandLine(const QStringList& arguments);

// The arguments of main(), for a look at the command line before the
// application object exists.
QStringList RawArguments(int argc, char** argv);

// Prints the request's output (stdout on success, stderr otherwise) and
// returns its exit code.
int PrintCommandLineOutput(const CommandLineRequest& request);
