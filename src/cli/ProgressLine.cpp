#include "cli/ProgressLine.h"

#include <unistd.h>

#include <csignal>
#include <cstdio>

namespace {

volatile std::sig_atomic_t showing = 0;

void EndLineAndStop(int signal) {
  if (showing != 0) {
    const ssize_t written = write(STDERR_FILENO, "\n", 1);
    static_cast<void>(written);
  }
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

bool Watching() {
  static const bool watching = [] {
    if (isatty(STDERR_FILENO) == 0) return false;
    // A signal the shell told us to ignore stays ignored.
    for (const int signal : {SIGINT, SIGTERM}) {
      if (std::signal(signal, EndLineAndStop) == SIG_IGN) std::signal(signal, SIG_IGN);
    }
    return true;
  }();
  return watching;
}

}  // namespace

void ShowProgressLine(const std::string& text) {
  if (!Watching()) return;
  std::fprintf(stderr, "\r%s", text.c_str());
  std::fflush(stderr);
  showing = 1;
}

void EndProgressLine() {
  if (!Watching()) return;
  showing = 0;
  std::fputs("\r\x1b[K", stderr);
  std::fflush(stderr);
}
