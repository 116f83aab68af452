#pragma once

#include <cstddef>
#include <random>
#include <string>

// One hostile change to a valid text file: random bytes, control characters
// and terminal escapes, a very long run, an extreme number, a cut, a repeated
// stretch, or CR alone as line end. For readers that must refuse or accept
// whatever a user's file holds, never crash, and quote nothing raw.
inline std::string HostileChange(std::mt19937& random, const std::string& valid) {
  static const char* const kExtremes[] = {"nan",  "-inf", "1e4933", "-1e-4950", "99999999999999999999999",
                                          "-100", "0x10", "1,5",    "\"",       "\"\"\"",
                                          "",     " ",    "-",      "e",        "2147483648"};
  std::string text = valid;
  const auto at = std::uniform_int_distribution<std::size_t>(0, text.size())(random);
  std::uniform_int_distribution<int> byte(0, 255);
  switch (std::uniform_int_distribution<int>(0, 6)(random)) {
    case 0:
      for (int i = std::uniform_int_distribution<int>(1, 12)(random); i > 0; --i)
        text.insert(at, 1, static_cast<char>(byte(random)));
      break;
    case 1:
      text.insert(at, std::string("\x1b]0;owned\x07\x1b[2J") + '\0' + "\x7f\b\t");
      break;
    case 2:
      text.insert(at, std::string(std::uniform_int_distribution<std::size_t>(100, 20000)(random), '7'));
      break;
    case 3: {
      const char* extreme = kExtremes[std::uniform_int_distribution<std::size_t>(0, std::size(kExtremes) - 1)(random)];
      const std::size_t comma = text.find(',', at);
      if (comma != std::string::npos) text.insert(comma + 1, extreme);
      break;
    }
    case 4:
      text.erase(at, std::uniform_int_distribution<std::size_t>(1, 40)(random));
      break;
    case 5:
      text.insert(at, text.substr(at / 2, std::uniform_int_distribution<std::size_t>(1, 200)(random)));
      break;
    default:
      for (char& c : text)
        if (c == '\n') c = '\r';
      break;
  }
  return text;
}

// True when a message holds no byte a terminal would act on.
inline bool PrintableMessage(const std::string& message) {
  for (const char c : message) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 32 || u == 127) return false;
  }
  return true;
}
