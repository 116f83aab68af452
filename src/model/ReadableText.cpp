#include "model/ReadableText.h"

#include <algorithm>

namespace {

bool IsControl(unsigned char byte) { return byte < 0x20 || byte == 0x7f; }

void AppendEscaped(std::string& out, unsigned char byte) {
  static const char kDigits[] = "0123456789ABCDEF";
  out += "\\x";
  out += kDigits[byte >> 4];
  out += kDigits[byte & 0xf];
}

// Length of the well-formed UTF-8 sequence at the start of `text`, or 0.
// Controls of the second range (U+0080 to U+009F) count as malformed: some
// terminals act on them too.
std::size_t Utf8SequenceLength(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  std::size_t length = 0;
  char32_t code = 0;
  if (lead >= 0xc2 && lead <= 0xdf) {
    length = 2;
    code = lead & 0x1f;
  } else if (lead >= 0xe0 && lead <= 0xef) {
    length = 3;
    code = lead & 0x0f;
  } else if (lead >= 0xf0 && lead <= 0xf4) {
    length = 4;
    code = lead & 0x07;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[i]);
    if ((next & 0xc0) != 0x80) return 0;
    code = (code << 6) | (next & 0x3f);
  }
  const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < smallest[length] || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff)) return 0;
  if (code <= 0x9f) return 0;
  return length;
}

}  // namespace

std::string ReadableText(std::string_view text, std::size_t longest) {
  std::string out;
  std::size_t characters = 0;
  std::size_t at = 0;
  while (at < text.size()) {
    if (characters == longest) {
      out += "...";
      break;
    }
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte < 0x80 && !IsControl(byte)) {
      out += static_cast<char>(byte);
      ++at;
    } else if (const std::size_t length = byte >= 0x80 ? Utf8SequenceLength(text.substr(at)) : 0; length > 0) {
      out.append(text.substr(at, length));
      at += length;
    } else {
      AppendEscaped(out, byte);
      ++at;
    }
    ++characters;
  }
  return out;
}

bool HasControlCharacter(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return IsControl(static_cast<unsigned char>(c)); });
}

std::string ReadableExcerpt(std::string_view text) {
  constexpr std::size_t kQuotedCharacters = 40;
  return ReadableText(text, kQuotedCharacters);
}
