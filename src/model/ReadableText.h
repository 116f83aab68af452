#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text from a file or a file name made safe to show in a message or print on
// a terminal: control characters, NUL and bytes that are not UTF-8 appear as
// \xNN, so nothing cuts the message short or reaches the terminal as a
// command. At most `longest` characters are kept; a longer text ends in "...".
std::string ReadableText(std::string_view text, std::size_t longest = std::string_view::npos);

// A line or field from a file as a message quotes it: readable, at most 40 characters.
std::string ReadableExcerpt(std::string_view text);

// True when `text` holds a byte below 32 or DEL (line breaks, tabs, escapes, NUL).
bool HasControlCharacter(std::string_view text);
