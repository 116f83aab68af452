#include <QDir>
#include <QTemporaryDir>
#include <fstream>
#include <sstream>

#include "model/PlanFile.h"
#include "support/ExpensePageFixture.h"

namespace {

using EventsPageTest = ExpensePageTest;

const QString kEventYearError = "Event year can not be less than current year [2010].";

TEST_F(EventsPageTest, EventYearsBeforeANewCurrentYearMoveUp) {
  Plan().EventYear1 = 2010;
  Plan().EventYear2 = 2011;
  Plan().EventYear3 = 2015;
  Plan().CurrentYear = 2012;
  program.Open(PageId::SpecialEvents);
  EXPECT_EQ(program.Current()->windowTitle(), "Special Events and Other [ JohnSmith ]");
  EXPECT_EQ(program.Edit("EventYear1")->text(), "2012");
  EXPECT_EQ(program.Edit("EventYear2")->text(), "2012");
  EXPECT_EQ(program.Edit("EventYear3")->text(), "2015");
  EXPECT_EQ(Plan().EventYear2, 2012);
}

TEST_F(EventsPageTest, PastEventYearIsRefusedButUpdateStillShowsTheTotal) {
  program.Open(PageId::SpecialEvents);
  program.Type(&PlanRecord::EventYear1, "2009");
  program.Type(&PlanRecord::OtherAmount1, "100");
  program.Trigger("Return");
  EXPECT_EQ(CurrentPage(), PageId::SpecialEvents);
  EXPECT_EQ(Messages(), QStringList{kEventYearError});

  program.Run(Command::Update);
  EXPECT_EQ(Messages(), (QStringList{kEventYearError, kEventYearError}));
  EXPECT_EQ(program.Edit("OtherTotal")->text(), "$100");
  EXPECT_EQ(Plan().EventYear1, 2009);

  // Left through About the year stays as typed; the next fill moves it up.
  program.Run(Command::About);
  program.Open(PageId::SpecialEvents);
  EXPECT_EQ(program.Edit("EventYear1")->text(), "2010");
}

TEST_F(EventsPageTest, BadAmountIsReportedBeforeTheYearCheck) {
  program.Open(PageId::SpecialEvents);
  program.Type(&PlanRecord::EventYear1, "2009");
  program.Type(&PlanRecord::EventAmount1, "5.5");
  program.Trigger("Return");
  EXPECT_EQ(MessageFirstLines(), QStringList{"Data entry error please correct."});
}

TEST_F(EventsPageTest, YearWithACommaIsAWholeYear) {
  program.Open(PageId::SpecialEvents);
  program.Type(&PlanRecord::EventYear2, "2,011");
  program.Trigger("Return");
  EXPECT_EQ(CurrentPage(), PageId::ExpenseSummary);
  EXPECT_EQ(Plan().EventYear2, 2011);
}

TEST_F(EventsPageTest, OnlyThisYearsEventsJoinTheTotal) {
  program.Open(PageId::SpecialEvents);
  program.Type(&PlanRecord::EventAmount1, "5,000");
  program.Type(&PlanRecord::EventYear2, "2012");
  program.Type(&PlanRecord::EventAmount2, "7,000");
  program.Type(&PlanRecord::OtherAmount1, "100");
  program.Type(&PlanRecord::OtherAmount5, "200");
  program.Run(Command::Update);
  EXPECT_EQ(program.Edit("OtherTotal")->text(), "$5,300");
  EXPECT_EQ(Plan().OtherAnnualTotal, 300);
  EXPECT_EQ(Plan().OtherTotal, 5300);

  program.Trigger("Return");
  ASSERT_EQ(CurrentPage(), PageId::ExpenseSummary);
  EXPECT_EQ(Plan().SummaryOther, 5300);
  program.session.RunForecastForView();
  EXPECT_EQ(Expenses(1), 5300);
  EXPECT_EQ(Expenses(2), Inflated(300, 2));
  EXPECT_EQ(Expenses(3), Inflated(7300, 3));
  EXPECT_EQ(Expenses(4), Inflated(300, 4));
}

TEST_F(EventsPageTest, TitlesAreStoredAsTypedAndEmptyOnesSurviveThePlanFile) {
  program.Open(PageId::SpecialEvents);
  QLineEdit* title = program.Edit("EventTitle1");
  EXPECT_EQ(title->text(), "One Time Special Event #1");
  EXPECT_EQ(title->focusPolicy(), Qt::ClickFocus);
  EXPECT_EQ(title->palette().color(QPalette::Base), QColor(Qt::yellow));
  program.Type(&PlanRecord::EventTitle1, "");
  program.Type(&PlanRecord::OtherTitle1, "Boat club");
  program.Type(&PlanRecord::OtherTitle5, "");
  program.Trigger("Return");
  EXPECT_EQ(Plan().EventTitle1, "");
  EXPECT_EQ(Plan().OtherTitle1, "Boat club");
  EXPECT_EQ(Plan().OtherTitle5, "");

  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const std::string path = QDir(folder.path()).filePath("Titles.plan").toStdString();
  ASSERT_TRUE(WritePlanFile(Plan(), path).ok);
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  EXPECT_NE(text.str().find("\r\n\r\n"), std::string::npos);
  PlanRecord read;
  ASSERT_TRUE(ReadPlanFile(read, path, 2010).ok);
  EXPECT_EQ(read.EventTitle1, "");
  EXPECT_EQ(read.OtherTitle1, "Boat club");
  EXPECT_EQ(read.OtherTitle5, "");
  EXPECT_EQ(read.EventTitle2, "One Time Event #2");
}

}  // namespace
