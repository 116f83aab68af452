#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>

#include "model/JsonText.h"

namespace {

using namespace std::string_view_literals;

TEST(JsonQuotedTest, EscapesQuotesBackslashesAndControlCharacters) {
  EXPECT_EQ(JsonQuoted(""), R"("")");
  EXPECT_EQ(JsonQuoted(R"(say "hi" \ bye)"), R"("say \"hi\" \\ bye")");
  EXPECT_EQ(JsonQuoted("a\tb\r\n\x1b[2J"), R"("a\u0009b\u000d\u000a\u001b[2J")");
  // A NUL inside the text is kept as a character, not an end.
  EXPECT_EQ(JsonQuoted("a\0b"sv), R"("a\u0000b")");
  // DEL is no control character to JSON.
  EXPECT_EQ(JsonQuoted("\x7f"), "\"\x7f\"");
}

TEST(JsonQuotedTest, KeepsWellFormedUtf8) {
  for (const char* text : {"Jos\xc3\xa9", "\xe2\x82\xac 5", "\xf0\x9f\x98\x80", "\xef\xbf\xbf", "\xf4\x8f\xbf\xbf"}) {
    EXPECT_EQ(JsonQuoted(text), std::string("\"") + text + "\"") << text;
  }
}

TEST(JsonQuotedTest, ReadsBytesThatAreNotUtf8AsLatin1) {
  struct Case {
    std::string_view text;
    const char* quoted;
  };
  for (const Case& c : {
           Case{"Jos\xe9", R"("Jos\u00e9")"},                          // a Latin-1 letter
           Case{"\x80", R"("\u0080")"},                                // a lone continuation byte
           Case{"\xc0\xaf", R"("\u00c0\u00af")"},                      // an overlong slash
           Case{"\xed\xa0\x80", R"("\u00ed\u00a0\u0080")"},            // a surrogate
           Case{"\xf4\x90\x80\x80", R"("\u00f4\u0090\u0080\u0080")"},  // past U+10FFFF
           Case{"ab\xe2\x82", R"("ab\u00e2\u0082")"},                  // cut short at the end
           Case{"\xe2\x82x", R"("\u00e2\u0082x")"},                    // cut short before a letter
       }) {
    EXPECT_EQ(JsonQuoted(c.text), c.quoted) << c.quoted;
  }
}

// Whatever the bytes, the result is well-formed UTF-8 without raw control
// characters: quoting its inside again only escapes its quotes and backslashes.
TEST(JsonQuotedTest, AnyBytesGiveTextThatNeedsNoFurtherEscapes) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> length(0, 24);
  for (int trial = 0; trial < 5000; ++trial) {
    std::string text;
    for (int i = length(random); i > 0; --i) text += static_cast<char>(byte(random));
    const std::string quoted = JsonQuoted(text);
    ASSERT_GE(quoted.size(), 2u);
    ASSERT_EQ(quoted.front(), '"');
    ASSERT_EQ(quoted.back(), '"');
    const std::string inside = quoted.substr(1, quoted.size() - 2);
    std::string expected = "\"";
    for (const char c : inside) {
      if (c == '"' || c == '\\') expected += '\\';
      expected += c;
    }
    ASSERT_EQ(JsonQuoted(inside), expected + "\"") << quoted;
  }
}

}  // namespace
