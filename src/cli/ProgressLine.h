#pragma once

#include <string>

// A progress line on stderr, rewritten in place for a person watching at a
// terminal; redirected output stays clean. An interrupt while it shows ends it
// with a line end, so the shell's prompt starts on a line of its own.
void ShowProgressLine(const std::string& text);
// Clears the line once the run is over.
void EndProgressLine();
