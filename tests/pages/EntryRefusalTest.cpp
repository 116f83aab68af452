#include <gtest/gtest.h>

#include "pages/EntryRefusal.h"
#include "support/DataPageFixture.h"

namespace {

// Every kind of box the pages read: the reason is given exactly when the box
// is refused, and it names what was wrong.
TEST(EntryRefusalTest, EveryKindOfEntrySaysWhy) {
  struct Case {
    const char* text;
    PlanField field;
    EntryKind kind;
    const char* reason;
  };
  const PlanField dollars = &PlanRecord::HomeUtilities;
  const PlanField age = &PlanRecord::Age1;
  const PlanField eventYear = &PlanRecord::EventYear1;
  const PlanField rate = &PlanRecord::InflationRate;
  const Case cases[] = {
      {"$4,200", dollars, EntryKind::Dollars, ""},
      {"4200.50", dollars, EntryKind::Dollars, "Whole dollars only."},
      {"-900", dollars, EntryKind::Dollars, "No negative amounts."},
      {"(900)", dollars, EntryKind::Dollars, "No negative amounts."},
      {"\u2212"
       "900",
       dollars, EntryKind::Dollars, "No negative amounts."},
      {"9oo", dollars, EntryKind::Dollars, "Digits only, with commas and a $ sign if you like."},
      {"99999999999999999999", dollars, EntryKind::Dollars, "At most $9,223,372,036,854,775,807."},
      {"", age, EntryKind::Whole, ""},
      {"45.5", age, EntryKind::Whole, "Whole numbers only."},
      {"-5", age, EntryKind::Whole, "No negative numbers."},
      {"4 5x", age, EntryKind::Whole, "Digits only."},
      {"3000000000", age, EntryKind::Whole, "At most 2,147,483,647."},
      {"2007.5", eventYear, EntryKind::Whole, "Whole numbers only."},
      {"(-2.5)", rate, EntryKind::Decimal2, ""},
      {"1000", rate, EntryKind::Decimal2, ""},
      {"2.5%", rate, EntryKind::Decimal2, "A number only, such as 2.5, -1.25 or (1.5)."},
      {"1e300", rate, EntryKind::Decimal2, "Rates are above -100 and at most 1,000 percent."},
      {"-100", rate, EntryKind::Decimal1, "Rates are above -100 and at most 1,000 percent."},
      {"any words", &PlanRecord::Name1, EntryKind::Text, ""},
  };
  for (const Case& c : cases) {
    const QString text = QString::fromUtf8(c.text);
    EXPECT_EQ(EntryRefusal(text, c.field, c.kind).toStdString(), c.reason) << c.text;
    PlanRecord plan;
    const PlanRecord before = plan;
    bool blank = false;
    const bool refused = ParseEntry(text, plan, c.field, blank) != 0;
    EXPECT_EQ(refused, *c.reason != '\0') << c.text;
    if (refused) {
      EXPECT_TRUE(plan == before) << "a refused entry changed the plan: " << c.text;
    }
  }
}

class DataErrorTest : public DataPageFixture {};

TEST_F(DataErrorTest, TheMessageNamesTheBoxAndSaysWhy) {
  OpenPage(PageId::HomeExpenses);
  for (const auto& [typed, reason] : {std::pair{"4200.50", "Whole dollars only."}, {"-900", "No negative amounts."}}) {
    program.scripted.prompts.Clear();
    program.Type(&PlanRecord::HomeUtilities, typed);
    program.Run(Command::Return);
    EXPECT_EQ(Messages(),
              QStringList{QString("Data entry error please correct.\nHousehold Annual Utilities\n") + reason});
  }

  program.Type(&PlanRecord::HomeUtilities, "900");
  program.Run(Command::Return);
  OpenPage(PageId::Assumptions);
  const long double inflation = plan.InflationRate;
  program.Type(&PlanRecord::InflationRate, "1e300");
  program.LeaveFor(PageId::Graph);
  EXPECT_EQ(CurrentPage(), PageId::Assumptions);
  ASSERT_EQ(Messages().size(), 1);
  EXPECT_TRUE(Messages()[0].endsWith("\nRates are above -100 and at most 1,000 percent."))
      << Messages()[0].toStdString();
  EXPECT_EQ(plan.InflationRate, inflation);
}

}  // namespace
