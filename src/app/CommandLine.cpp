#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <cstdio>

#include "app/ProgramIdentity.h"

namespace {

const char kHelpText[] =
    "Usage: prevora [options] [plan file]\n"
    "Prevora forecasts a household's finances year by year and shows the\n"
    "result as a graph and as a plan table.\n"
    "\n"
    "Options:\n"
    "  -h, --help     Show this help and exit.\n"
    "  -v, --version  Show the program's version and exit.\n"
    "\n"
    "Arguments:\n"
    "  plan file      The plan (.plan) to open at start-up. A path with blanks\n"
    "                 may be given unquoted: the arguments are joined with\n"
    "                 single blanks. Without it the program opens the plan it\n"
    "                 used last, or the sample plan on the first run.\n"
    "\n"
    "Keys:\n";

}  // namespace

CommandLineRequest ParseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  // Everything after the first plan word belongs to the plan path, even a
  // word that starts with a dash.
  parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
  const QCommandLineOption help({"h", "help"}, "Show this help and exit.");
  const QCommandLineOption version({"v", "version"}, "Show the program's version and exit.");
  parser.addOption(help);
  parser.addOption(version);

  CommandLineRequest request;
  const bool parsed = parser.parse(arguments);
  if (parser.isSet(help)) {
    request.exitNow = true;
    request.output = kHelpText;
    request.listKeys = true;
  } else if (parser.isSet(version)) {
    request.exitNow = true;
    request.output = QStringLiteral("%1 %2\n").arg(kProgramName, kProgramVersion);
  } else if (!parsed) {
    request.exitNow = true;
    request.exitCode = 1;
    request.output = QStringLiteral("prevora: %1\nTry 'prevora --help' for more information.\n").arg(parser.errorText());
  } else {
    request.planArguments = parser.positionalArguments();
  }
  return request;
}

QStringList RawArguments(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

int PrintCommandLineOutput(const CommandLineRequest& request) {
  std::FILE* stream = request.exitCode == 0 ? stdout : stderr;
  std::fputs(request.output.toLocal8Bit().constData(), stream);
  std::fflush(stream);
  return request.exitCode;
}
