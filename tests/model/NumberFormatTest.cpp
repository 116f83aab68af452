#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "model/NumberFormat.h"
#include "model/PlanLineText.h"

namespace {

TEST(NumberEntryTest, BlankEntryParsesAsZeroWithBlankFlag) {
  for (const char* entry : {"", "   "}) {
    std::int64_t value = 77;
    std::int32_t code = 9;
    EXPECT_TRUE(ParseDollarEntry(entry, value, code)) << entry;
    EXPECT_EQ(value, 0);
    EXPECT_EQ(code, 0);
  }
  long double rate = 7.0L;
  std::int32_t code = 9;
  EXPECT_TRUE(ParseDecimalEntry(" ", rate, code));
  EXPECT_EQ(rate, 0.0L);
  EXPECT_EQ(code, 0);
}

TEST(NumberEntryTest, SeparatorsSignsAndBlanksAreDropped) {
  struct Case {
    const char* entry;
    std::int32_t expected;
  };
  for (const Case& c : {Case{"$1,234", 1234}, Case{"1 234", 1234}, Case{"+5", 5}, Case{"12)", 12},
                        Case{"1,2,3", 123}, Case{"2147483647", 2147483647}}) {
    std::int32_t value = -1;
    std::int32_t code = -1;
    EXPECT_FALSE(ParseWholeEntry(c.entry, value, code)) << c.entry;
    EXPECT_EQ(code, 0) << c.entry;
    EXPECT_EQ(value, c.expected) << c.entry;
  }
}

TEST(NumberEntryTest, NegativeEntriesAreRefusedAndTargetKept) {
  for (const char* entry : {"-5", "(5)", "(-$1,234)"}) {
    std::int32_t whole = 42;
    std::int64_t dollars = 43;
    std::int32_t code = 0;
    ParseWholeEntry(entry, whole, code);
    EXPECT_EQ(code, 1) << entry;
    EXPECT_EQ(whole, 42);
    code = 0;
    ParseDollarEntry(entry, dollars, code);
    EXPECT_EQ(code, 1) << entry;
    EXPECT_EQ(dollars, 43);
  }
}

TEST(NumberEntryTest, UnusableCharactersGiveTheirPosition) {
  std::int32_t whole = 5;
  std::int32_t code = 0;
  ParseWholeEntry("12.5", whole, code);
  EXPECT_EQ(code, 3);
  ParseWholeEntry("abc", whole, code);
  EXPECT_EQ(code, 1);
  ParseWholeEntry("$", whole, code);  // not blank, but nothing to convert
  EXPECT_NE(code, 0);
  EXPECT_EQ(whole, 5);
}

TEST(NumberEntryTest, RangeDependsOnTheTargetWidth) {
  std::int32_t whole = 1;
  std::int32_t code = 0;
  ParseWholeEntry("3000000000", whole, code);
  EXPECT_NE(code, 0);
  EXPECT_EQ(whole, 1);
  ParseWholeEntry("2147483648", whole, code);
  EXPECT_NE(code, 0);

  std::int64_t dollars = 0;
  ParseDollarEntry("3,000,000,000", dollars, code);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(dollars, 3000000000LL);
  ParseDollarEntry("9223372036854775807", dollars, code);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(dollars, std::numeric_limits<std::int64_t>::max());
  ParseDollarEntry("9223372036854775808", dollars, code);
  EXPECT_NE(code, 0);
  EXPECT_EQ(dollars, std::numeric_limits<std::int64_t>::max());
  ParseDollarEntry("99999999999999999999999999", dollars, code);
  EXPECT_NE(code, 0);
}

TEST(NumberEntryTest, DecimalAcceptsEveryNegativeForm) {
  for (const char* entry : {"(2.5)", "-2.5", "(-2.50)"}) {
    long double value = 0.0L;
    std::int32_t code = 9;
    EXPECT_FALSE(ParseDecimalEntry(entry, value, code));
    EXPECT_EQ(code, 0) << entry;
    EXPECT_EQ(value, -2.5L) << entry;
  }
  long double value = 0.0L;
  std::int32_t code = 9;
  ParseDecimalEntry("1e2", value, code);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(value, 100.0L);
  ParseDecimalEntry("0.1", value, code);
  EXPECT_EQ(value, 0.1L);  // the long double nearest 0.1, not the double one
}

TEST(NumberEntryTest, DecimalKeepsOnlyWhatAPlanFileLineHolds) {
  for (const char* entry : {"9,223,372,036,854,775,807", "2.12345678901234567", "-0.000123456789012345678"}) {
    long double value = 0.0L;
    std::int32_t code = 9;
    ParseDecimalEntry(entry, value, code);
    EXPECT_EQ(code, 0) << entry;
    long double reread = 0.0L;
    ASSERT_TRUE(ParseRateLine(FormatRateLine(value), reread)) << entry;
    EXPECT_EQ(reread, value) << entry;
  }
}

TEST(NumberEntryTest, DecimalRefusesPercentSignsAndJunk) {
  for (const char* entry : {"2.5%", "abc", ".", "1e", "2..5", "1e99999", "inf", "nan"}) {
    long double value = 3.0L;
    std::int32_t code = 0;
    ParseDecimalEntry(entry, value, code);
    EXPECT_NE(code, 0) << entry;
    EXPECT_EQ(value, 3.0L) << entry;
  }
  long double value = 0.0L;
  std::int32_t code = 0;
  ParseDecimalEntry("2.5%", value, code);
  EXPECT_EQ(code, 4);
}

TEST(NumberDisplayTest, FormatDollars) {
  EXPECT_EQ(FormatDollars(0), "$0");
  EXPECT_EQ(FormatDollars(-1), "(-$1)");
  EXPECT_EQ(FormatDollars(1000), "$1,000");
  EXPECT_EQ(FormatDollars(999), "$999");
  EXPECT_EQ(FormatDollars(1234), "$1,234");
  EXPECT_EQ(FormatDollars(-1234), "(-$1,234)");
  EXPECT_EQ(FormatDollars(1234567), "$1,234,567");
  EXPECT_EQ(FormatDollars(std::numeric_limits<std::int64_t>::max()), "$9,223,372,036,854,775,807");
  EXPECT_EQ(FormatDollars(std::numeric_limits<std::int64_t>::min()), "(-$9,223,372,036,854,775,808)");
}

TEST(NumberDisplayTest, FormatDollarsReadsBackAsAnEntry) {
  std::int64_t value = 0;
  std::int32_t code = 1;
  ParseDollarEntry(FormatDollars(1234567), value, code);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(value, 1234567);
}

TEST(NumberDisplayTest, FormatDecimal) {
  EXPECT_EQ(FormatDecimal(2.5L, 2), "2.50");
  EXPECT_EQ(FormatDecimal(-2.5L, 2), "(-2.50)");
  EXPECT_EQ(FormatDecimal(-0.5L, 2), "(-0.50)");
  EXPECT_EQ(FormatDecimal(10.0L, 1), "10.0");
  EXPECT_EQ(FormatDecimal(1234567.125L, 2), "1234567.12");  // no grouping, halves to even
  EXPECT_EQ(FormatDecimal(-0.0L, 2), "0.00");
  EXPECT_EQ(FormatDecimal(2.5L, -3), "2");
  EXPECT_FALSE(FormatDecimal(std::numeric_limits<long double>::max(), 1000).empty());
}

TEST(NumberDisplayTest, FormatDecimalReadsBackAsAnEntry) {
  long double value = 0.0L;
  std::int32_t code = 1;
  ParseDecimalEntry(FormatDecimal(-2.5L, 2), value, code);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(value, -2.5L);
}

TEST(PageCaptionTest, PlanNameIsCutAtTheFirstDot) {
  EXPECT_EQ(PageCaption("Personal Data Page [ ", "JohnSmith.plan"), "Personal Data Page [ JohnSmith ]");
  EXPECT_EQ(PageCaption("Income Page [ ", "my.old.plan"), "Income Page [ my ]");
  EXPECT_EQ(PageCaption("Income Page [ ", "NoDot"), "Income Page [  ]");
  EXPECT_EQ(PageCaption("About Page [", "Double.plan"), "About Page [Double ]");
}

TEST(RemoveCharTest, RemovesEveryOccurrence) {
  EXPECT_EQ(RemoveChar("(-$1,234,567)", ','), "(-$1234567)");
  EXPECT_EQ(RemoveChar("---", '-'), "");
  EXPECT_EQ(RemoveChar("", '$'), "");
}

}  // namespace
