#pragma once

#include <string>
#include <string_view>

// `text` as a JSON string, quotes included. Quotes, backslashes and control
// characters are escaped; bytes that are not UTF-8 (plan texts from old files
// in a single-byte code page) are read as Latin-1, so the result is always
// valid JSON whatever the bytes.
std::string JsonQuoted(std::string_view text);
