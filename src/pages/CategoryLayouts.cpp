#include "pages/CategoryLayouts.h"
#include "engine/PageTotals.h"
#include "model/NumberFormat.h"
#include "pages/CategoryTexts.h"

namespace {

EntryRow Entry(const char* labelName, const char* caption, const char* editName, PlanField field) {
  return {labelName, caption, editName, field};
}

EntryRow Shown(const char* labelName, const char* caption, const char* editName, PlanField field) {
  return {labelName, caption, editName, field, EntryKind::Dollars, true};
}

EntryRow Heading(const char* labelName, const char* caption) { return {labelName, caption, "", {}}; }

EntryRow NameHeading(const char* labelName, std::string PlanRecord::*name) {
  return {labelName, "", "", name, EntryKind::Text};
}

// "Years Had [..]   Years Remaining [..]" on one line, the second box in the box column.
EntryRow YearsHad(const char* labelName, const char* editName, std::int32_t PlanRecord::*field) {
  return {labelName,
          "Years Had",
          editName,
          field,
          EntryKind::Whole,
          false,
          LabelText::Given,
          kYearsBoxWidth,
          {.labelLeft = kIndentedLabelLeft, .editLeft = kYearsBoxLeft}};
}

EntryRow YearsRemaining(const char* labelName, const char* editName, std::int32_t PlanRecord::*field) {
  return {labelName,
          "Years Remaining",
          editName,
          field,
          EntryKind::Whole,
          false,
          LabelText::Given,
          kYearsBoxWidth,
          {.labelLeft = kYearsBoxLeft + kYearsBoxWidth + 20, .sameLine = true}};
}

QString Instructions(std::initializer_list<const char*> blocks) {
  QString text;
  for (const char* block : blocks) text += QString::fromLatin1(block);
  return text;
}

}  // namespace

CategoryPageLayout HomeExpenseLayout() {
  CategoryPageLayout layout;
  layout.id = PageId::HomeExpenses;
  layout.title = "Home Expense Page [ ";
  layout.designCaption = "Home Annual Expenses";
  layout.helpContext = 1500;
  layout.rows = {
      Entry("Label1", "Home Annual  Insurance..................................", "Edit1", &PlanRecord::HomeInsurance),
      Entry("Label2", "Household Annual Utilities...............................", "Edit2", &PlanRecord::HomeUtilities),
      Entry("Label3", "Household Supplies and Services....................", "Edit3", &PlanRecord::HomeSupplies),
      Entry("Label4", "Redecorating, Repair and Replacement..........", "Edit4", &PlanRecord::HomeRepair),
      Entry("Label8", "Miscellaneous Household Expenses................", "Edit5", &PlanRecord::HomeMisc),
      Shown("Label7", "Mortgage or Rent from Assets Page................", "Edit6", &PlanRecord::HomeMortgageOrRent),
      Shown("Label6", "Real Estate Taxes from Assets Page...............", "Edit7", &PlanRecord::HomeRealEstateTax),
  };
  layout.total = Shown("Label5", "Total Home Annual Expenses", "Edit8", &PlanRecord::HomeTotal);
  layout.redTotal = true;
  layout.recompute = RecomputeHomeTotal;
  layout.recomputeBeforeParsing = true;
  layout.returnName = "Return1";
  layout.window = {0, "Help HT&M  (Vista)", "HelpHTM1", "OrvexHomePage1"};
  layout.instructions =
      Instructions({kHomeInstructions, kUpdateInstructions, kNumberFormatInstructions, kFinishedInstructions});
  return layout;
}

CategoryPageLayout AutoExpenseLayout() {
  CategoryPageLayout layout;
  layout.id = PageId::AutoExpenses;
  layout.title = "Automobile Expense Page [ ";
  layout.designCaption = "Automobile Expenses";
  layout.helpContext = 2100;
  layout.rows = {
      Heading("Label10", "Total Annual Operating Expenses"),
      Entry("Label1", "Maintenance Costs...............................................", "Edit1",
            &PlanRecord::AutoMaintenance),
      Entry("Label2", "Insurance Costs...............................................", "Edit2",
            &PlanRecord::AutoInsurance),
      Entry("Label3", "Fuel Costs........................................................", "Edit3",
            &PlanRecord::AutoFuel),
      Heading("Label4", "Automobile #1 Replacement Cost"),
      YearsHad("Label5", "Edit4", &PlanRecord::CarYearsHad1),
      YearsRemaining("Label6", "Edit5", &PlanRecord::CarYearsLeft1),
      Entry("Label7", "Expected Net Replacement Cost.....................", "Edit6", &PlanRecord::CarReplaceCost1),
      Heading("Label8", "Automobile #2 Replacement Cost"),
      YearsHad("Label9", "Edit7", &PlanRecord::CarYearsHad2),
      YearsRemaining("Label11", "Edit8", &PlanRecord::CarYearsLeft2),
      Entry("Label12", "Expected Net Replacement Cost.....................", "Edit9", &PlanRecord::CarReplaceCost2),
      Heading("Label13", "Automobile #3 Replacement Cost"),
      YearsHad("Label14", "Edit10", &PlanRecord::CarYearsHad3),
      YearsRemaining("Label15", "Edit11", &PlanRecord::CarYearsLeft3),
      Entry("Label16", "Expected Net Replacement Cost.....................", "Edit12", &PlanRecord::CarReplaceCost3),
  };
  layout.recompute = RecomputeAutoTotal;
  layout.update = false;
  layout.instructions = Instructions({kAutoInstructions, kNumberFormatInstructions, kFinishedInstructions});
  layout.instructionsHint = kScrollHint;
  return layout;
}

CategoryPageLayout MedicalExpenseLayout() {
  CategoryPageLayout layout;
  layout.id = PageId::MedicalExpenses;
  layout.title = "Medical Expense Page [ ";
  layout.designCaption = "Medical Annual Expenses";
  layout.helpContext = 1600;
  const char* premiums = "Total medical insurance premiums...................";
  const char* copays = "Total medical co-pays......................................";
  const char* drugs = "Out of pocket drug costs..................................";
  const char* other = "Out of pocket medical costs.............................";
  layout.rows = {
      NameHeading("Label10", &PlanRecord::Name1),
      Entry("Label1", premiums, "Edit1", &PlanRecord::MedPremiums1),
      Entry("Label2", copays, "Edit2", &PlanRecord::MedCopays1),
      Entry("Label3", drugs, "Edit3", &PlanRecord::MedDrugs1),
      Entry("Label4", other, "Edit4", &PlanRecord::MedOther1),
  };
  layout.secondPersonRows = {
      NameHeading("Label9", &PlanRecord::Name2),
      Entry("Label5", premiums, "Edit5", &PlanRecord::MedPremiums2),
      Entry("Label6", copays, "Edit6", &PlanRecord::MedCopays2),
      Entry("Label7", drugs, "Edit7", &PlanRecord::MedDrugs2),
      Entry("Label8", other, "Edit8", &PlanRecord::MedOther2),
  };
  layout.total = Shown("Label11", "Total medical annual expenses", "Edit9", &PlanRecord::MedicalTotal);
  layout.recompute = RecomputeMedicalTotal;
  layout.instructions =
      Instructions({kMedicalInstructions, kNumberFormatInstructions, kUpdateInstructions, kFinishedInstructions});
  layout.instructionsHint = kScrollHint;
  return layout;
}

CategoryPageLayout CommunicationExpenseLayout() {
  CategoryPageLayout layout;
  layout.id = PageId::CommunicationExpenses;
  layout.title = "Communication Expense Page [ ";
  layout.designCaption = "Communication Expenses";
  layout.helpContext = 1700;
  layout.rows = {
      Entry("Label1", "Home Phone Annual Bill..................................", "Edit1", &PlanRecord::HomePhone),
      Entry("Label2", "Cell Phone Annual Bills....................................", "Edit2", &PlanRecord::CellPhone),
      Entry("Label3", "Cable or Direct TV Annual Bills.........................", "Edit3", &PlanRecord::CableTv),
      Entry("Label4", "Internet Access Annual Bill..............................", "Edit4",
            &PlanRecord::InternetAccess),
      Entry("Label5", "Electronic Gear Annual Purchases..................", "Edit5", &PlanRecord::ElectronicGear),
      Entry("Label6", "Software Annual Purchases.............................", "Edit6", &PlanRecord::Software),
      Entry("Label7", "Miscellaneous..................................................", "Edit7",
            &PlanRecord::CommMisc),
  };
  layout.total = Shown("Label9", "Communications Total Annual Expenses", "Edit9", &PlanRecord::CommunicationTotal);
  layout.recompute = RecomputeCommunicationTotal;
  layout.instructions =
      Instructions({kCommunicationInstructions, kNumberFormatInstructions, kUpdateInstructions, kFinishedInstructions});
  layout.instructionsHint = kScrollHint;
  return layout;
}

CategoryPageLayout EntertainmentExpenseLayout() {
  CategoryPageLayout layout;
  layout.id = PageId::EntertainmentExpenses;
  layout.title = "Entertainment Gift Expense Page [ ";
  layout.designCaption = "Entertainment and Gift Expenses";
  layout.helpContext = 1800;
  layout.rows = {
      Heading("Label10", "Entertainment"),
      Entry("Label1", "Vacations Annual Costs..................................", "Edit1", &PlanRecord::Vacations),
      Entry("Label2", "Resturants Annual Costs...................................", "Edit2", &PlanRecord::Restaurants),
      Entry("Label3", "Hobbies Annual Costs......................................", "Edit3", &PlanRecord::Hobbies),
      Entry("Label4", "Miscellaneous Fun Costs..................................", "Edit4", &PlanRecord::FunMisc),
      Heading("Label11", "Gifts Annual"),
      Entry("Label5", "Total to Family..................................................", "Edit5",
            &PlanRecord::GiftsFamily),
      Entry("Label6", "Total to Friends................................................", "Edit6",
            &PlanRecord::GiftsFriends),
      Entry("Label7", "Total to Charity.................................................", "Edit7",
            &PlanRecord::GiftsCharity),
      Entry("Label8", "Miscellaneous Gift Costs..................................", "Edit8", &PlanRecord::GiftsMisc),
  };
  layout.total = Shown("Label9", "Total Entertainment and Gift Expenses", "Edit9", &PlanRecord::EntertainmentTotal);
  layout.recompute = RecomputeEntertainmentTotal;
  layout.instructions =
      Instructions({kEntertainmentInstructions, kNumberFormatInstructions, kUpdateInstructions, kFinishedInstructions});
  layout.instructionsHint = kScrollHint;
  return layout;
}

CategoryPageLayout FoodExpenseLayout() {
  CategoryPageLayout layout;
  layout.id = PageId::FoodExpenses;
  layout.title = "Food Personal Expense Page [ ";
  layout.designCaption = "Food & Personal Annual Expenses";
  layout.helpContext = 1900;
  layout.rows = {
      Entry("Label1", "Total Annual Groceries Bills.............................", "Edit1", &PlanRecord::Groceries),
      Entry("Label2", "Dry Cleaning Annual Costs...............................", "Edit2", &PlanRecord::DryCleaning),
      Entry("Label3", "Annual Clothes Purchases.....................................", "Edit3", &PlanRecord::Clothes),
      Entry("Label4", "Personal Grooming Annual Costs....................", "Edit4", &PlanRecord::Grooming),
      Entry("Label5", "Annual Pocket Cash.........................................", "Edit5", &PlanRecord::PocketCash),
      Entry("Label6", "Total Annual Life Insurance.............................", "Edit6", &PlanRecord::LifeInsurance),
      Entry("Label7", "Miscellaneous..................................................", "Edit7",
            &PlanRecord::FoodMisc),
  };
  layout.total = Shown("Label9", "Food & Personal Total Annual Expenses", "Edit9", &PlanRecord::FoodTotal);
  layout.recompute = RecomputeFoodTotal;
  layout.instructions =
      Instructions({kFoodInstructions, kNumberFormatInstructions, kUpdateInstructions, kFinishedInstructions});
  layout.instructionsHint = kScrollHint;
  return layout;
}
