#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "engine/LawYearTax.h"
#include "model/NumberFormat.h"
#include "shell/RuleSettings.h"
#include "support/DataPageFixture.h"

namespace {

constexpr const char* kDataEntryError = "Data entry error please correct.";

// A two-person plan in 2005 (tax index 1): person 1 works now with a salary
// of 50,000, person 2's employment starts at 35, seven years from now.
class TaxesPage : public DataPageFixture {
 protected:
  TaxesPage() {
    plan.CurrentYear = 2005;
    plan.Salary1 = 50'000;
    plan.EmploymentStartAge1 = plan.Age1;
    plan.Salary2 = 40'000;
    plan.EmploymentStartAge2 = 35;
    plan.FederalTax1 = 6'000;
    plan.StateTax1 = 1'000;
    plan.FederalTax2 = 2'000;
    plan.StateTax2 = 500;
  }

  // Shows the taxes page and lets it paint, which performs its fill.
  void OpenAndPaint() {
    program.Open(PageId::Taxes);
    ASSERT_EQ(CurrentPage(), PageId::Taxes);
    program.Current()->grab();
    program.scripted.prompts.Clear();
  }

  QRadioButton* Status(int n) const {
    const char* const names[] = {"OneSingle", "Jointly", "TwoSingles", "Separately"};
    return program.Current()->findChild<QRadioButton*>(names[n - 1]);
  }
  bool Shown(const QString& name) const {
    auto* widget = program.Current()->findChild<QWidget*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget && !widget->isHidden();
  }
};

TEST_F(TaxesPage, OnePersonFilesOnlyAsOneSinglePerson) {
  plan.SecondPerson = false;
  plan.FilingStatus = 1;
  OpenAndPaint();
  EXPECT_TRUE(Status(1)->isChecked());
  EXPECT_TRUE(Status(1)->isEnabled());
  for (int n = 2; n <= 4; ++n) EXPECT_FALSE(Status(n)->isEnabled()) << n;
  for (const char* name : {"FederalTax2Label", "StateTax2Label", "SocialSecurityTax2Label", "MedicareTax2Label",
                           "SecondPersonHeading", "FederalTax2", "StateTax2", "SocialSecurityTax2", "MedicareTax2"}) {
    EXPECT_FALSE(Shown(name)) << name;
  }
  EXPECT_EQ(program.CaptionText(), "FICA Income Tax Page [ JohnSmith ]");

  program.LeaveFor(PageId::Assumptions);
  EXPECT_EQ(CurrentPage(), PageId::Assumptions);
  EXPECT_EQ(plan.FilingStatus, 1);
}

TEST_F(TaxesPage, JointFilingHidesAndLeavesOutPersonTwoIncomeTaxes) {
  plan.FilingStatus = 2;
  OpenAndPaint();
  EXPECT_TRUE(Status(2)->isChecked());
  EXPECT_FALSE(Status(1)->isEnabled());
  EXPECT_FALSE(Shown("FederalTax2"));
  EXPECT_FALSE(Shown("StateTax2Label"));
  EXPECT_TRUE(Shown("SocialSecurityTax2"));
  EXPECT_TRUE(Shown("SecondPersonHeading"));
  // 6,000 + 1,000 + 3,100 Social Security + 725 Medicare.
  EXPECT_EQ(Text("TaxTotal"), "$10,825");
  EXPECT_EQ(plan.TaxTotal, 10'825);

  QTest::mouseClick(Status(4), Qt::LeftButton);
  EXPECT_EQ(plan.FilingStatus, 4);
  EXPECT_TRUE(Shown("FederalTax2"));
  EXPECT_TRUE(Shown("StateTax2"));
  EXPECT_EQ(Text("TaxTotal"), "$13,325");

  QTest::mouseClick(Status(2), Qt::LeftButton);
  EXPECT_FALSE(Shown("FederalTax2"));
  EXPECT_EQ(Text("TaxTotal"), "$10,825");

  // Hidden again on every showing while the status is joint.
  program.LeaveFor(PageId::Assumptions);
  ASSERT_EQ(CurrentPage(), PageId::Assumptions);
  EXPECT_EQ(plan.FilingStatus, 2);
  OpenAndPaint();
  EXPECT_FALSE(Shown("FederalTax2"));
  EXPECT_FALSE(Shown("StateTax2"));
}

TEST_F(TaxesPage, SeparateFilingShowsAndAddsPersonTwoIncomeTaxes) {
  plan.FilingStatus = 3;
  OpenAndPaint();
  EXPECT_TRUE(Status(3)->isChecked());
  EXPECT_TRUE(Shown("FederalTax2"));
  EXPECT_TRUE(Shown("StateTax2"));
  EXPECT_EQ(Text("FederalTax2"), "$2,000");
  EXPECT_EQ(Text("TaxTotal"), "$13,325");
}

TEST_F(TaxesPage, FicaOnlyForThePersonEmployedNow) {
  OpenAndPaint();
  EXPECT_EQ(Text("SocialSecurityTax1"), "$3,100");
  EXPECT_EQ(Text("MedicareTax1"), "$725");
  // Person 2 has a salary but starts work later: no FICA this year.
  EXPECT_EQ(Text("SocialSecurityTax2"), "$0");
  EXPECT_EQ(Text("MedicareTax2"), "$0");
  EXPECT_EQ(plan.SocialSecurityTax2, 0);
  EXPECT_EQ(plan.MedicareTax2, 0);
}

TEST_F(TaxesPage, FillHappensAtTheFirstPaintAfterActivation) {
  program.Open(PageId::Taxes);
  QLineEdit* federal = program.Edit("FederalTax1");
  EXPECT_TRUE(QTest::qWaitFor([&] { return federal->text() == "$6,000"; }, 2000));
  EXPECT_EQ(Text("TaxTotal"), "$10,825");
}

TEST_F(TaxesPage, LeavingBeforeAnyPaintStoresThePlanNotStaleBoxes) {
  program.Open(PageId::Taxes);
  program.LeaveFor(PageId::Assumptions);
  EXPECT_EQ(CurrentPage(), PageId::Assumptions);
  EXPECT_EQ(plan.FederalTax1, 6'000);
  EXPECT_EQ(plan.StateTax2, 500);
  EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(TaxesPage, FailedValidationStillRunsFicaAndReadsTheStatus) {
  plan.SecondPerson = false;
  plan.FilingStatus = 2;  // left from a two-person plan
  OpenAndPaint();
  EXPECT_TRUE(Status(2)->isChecked());
  // One Single Person has no action of its own: the status follows at validation.
  QTest::mouseClick(Status(1), Qt::LeftButton);
  EXPECT_EQ(plan.FilingStatus, 2);

  program.Type(&PlanRecord::FederalTax1, "(1,000)");
  program.Type(&PlanRecord::StateTax1, "1,500");
  program.Type(&PlanRecord::SocialSecurityTax1, "$99");
  plan.Salary1 = 60'000;
  program.LeaveFor(PageId::Assumptions);
  EXPECT_EQ(CurrentPage(), PageId::Taxes);
  EXPECT_EQ(MessageFirstLines(), QStringList{kDataEntryError});
  EXPECT_EQ(plan.FederalTax1, 6'000);
  EXPECT_EQ(plan.StateTax1, 1'500);
  EXPECT_EQ(plan.FilingStatus, 1);
  // The FICA step replaced what the read-only box held.
  EXPECT_EQ(Text("SocialSecurityTax1"), "$3,720");
  EXPECT_EQ(plan.SocialSecurityTax1, 3'720);
}

TEST_F(TaxesPage, UpdateStoresEntriesAndShowsTheNewTotal) {
  plan.FilingStatus = 4;
  OpenAndPaint();
  program.Type(&PlanRecord::FederalTax1, "7,000");
  program.Type(&PlanRecord::StateTax2, "1 000");
  program.Run(Command::Update);
  EXPECT_EQ(CurrentPage(), PageId::Taxes);
  EXPECT_TRUE(Messages().isEmpty());
  EXPECT_EQ(plan.FederalTax1, 7'000);
  EXPECT_EQ(plan.StateTax2, 1'000);
  EXPECT_EQ(Text("TaxTotal"), "$14,825");

  program.Type(&PlanRecord::FederalTax2, "2.5");
  program.Run(Command::Update);
  EXPECT_EQ(MessageFirstLines(), QStringList{kDataEntryError});
  EXPECT_EQ(CurrentPage(), PageId::Taxes);
}

TEST_F(TaxesPage, HidingReadsTheStatusBackWithoutValidating) {
  plan.FilingStatus = 2;
  OpenAndPaint();
  QTest::mouseClick(Status(3), Qt::LeftButton);
  program.Type(&PlanRecord::FederalTax1, "abc");
  plan.FilingStatus = 2;
  program.Run(Command::About);
  EXPECT_EQ(CurrentPage(), PageId::About);
  EXPECT_EQ(plan.FilingStatus, 3);
  EXPECT_EQ(plan.FederalTax1, 6'000);
  EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(TaxesPage, MenusCarryTheirCaptions) {
  OpenAndPaint();
  auto* html = program.Current()->findChild<QAction*>("UserGuide");
  ASSERT_NE(html, nullptr);
  EXPECT_EQ(html->text(), "&User Guide");
  auto* taxes = program.Current()->findChild<QAction*>("Taxes");
  ASSERT_NE(taxes, nullptr);
  EXPECT_TRUE(taxes->isChecked());
  EXPECT_FALSE(taxes->isEnabled());
  program.Trigger("HelpTopics");
  EXPECT_EQ(program.scripted.desktop.helpTopics, std::vector<int>{1200});
}

}  // namespace

// The tax rules of future years are a program setting on this page, like the
// past inflation on the assumptions page: choosing reruns the forecast, is
// remembered, and leaves the plan as it was.
TEST_F(TaxesPage, TaxRulesChoiceRerunsTheForecastAndLeavesThePlanAlone) {
  plan.FilingStatus = 2;
  plan.RetireAge1 = 65;
  program.session.RunForecastForView();
  program.session.saved.Remember(plan);
  OpenAndPaint();
  auto* law = program.Current()->findChild<QRadioButton*>("TaxRulesLaw");
  auto* curve = program.Current()->findChild<QRadioButton*>("TaxRulesCurve");
  ASSERT_TRUE(law && curve);
  EXPECT_TRUE(law->isChecked());
  const std::int64_t lawTaxes = program.session.table.Year(3).IncomeTaxes;
  curve->click();
  EXPECT_EQ(program.session.Rules.taxes, TaxRules::Curve);
  EXPECT_EQ(LoadForecastRules(program.scripted.settings).taxes, TaxRules::Curve);
  EXPECT_NE(program.session.table.Year(3).IncomeTaxes, lawTaxes);
  EXPECT_FALSE(program.session.IsModified());
  law->click();
  EXPECT_EQ(program.session.table.Year(3).IncomeTaxes, lawTaxes);
}

// The law's estimate of this year's federal tax stands beside the typed one
// and is taken over as if typed; without a typed federal tax the page says the
// state ratio is unknown.
TEST_F(TaxesPage, LawEstimateIsTakenOverAndAMissingFederalTaxIsNoted) {
  plan.FilingStatus = 2;
  plan.RetireAge1 = 65;
  plan.FederalTax1 = 0;
  OpenAndPaint();
  EXPECT_TRUE(Shown("StateRatioNote"));
  const FirstYearFederalEstimate estimate = LawFirstYearFederal(plan, program.session.PlanRates());
  ASSERT_GT(estimate.federal[0], 0);
  EXPECT_TRUE(program.Current()->findChild<QLabel*>("LawEstimate")->text().endsWith(
      QString::fromStdString(FormatDollars(estimate.federal[0]))));
  QTest::mouseClick(program.Current()->findChild<QPushButton*>("UseLawEstimate"), Qt::LeftButton);
  EXPECT_EQ(plan.FederalTax1, estimate.federal[0]);
  EXPECT_FALSE(Shown("StateRatioNote"));
}
