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
      Entry("HomeInsuranceLabel", "Home Annual  Insurance..................................", "HomeInsurance",
            &PlanRecord::HomeInsurance),
      Entry("HomeUtilitiesLabel", "Household Annual Utilities...............................", "HomeUtilities",
            &PlanRecord::HomeUtilities),
      Entry("HomeSuppliesLabel", "Household Supplies and Services....................", "HomeSupplies",
            &PlanRecord::HomeSupplies),
      Entry("HomeRepairLabel", "Redecorating, Repair and Replacement..........", "HomeRepair", &PlanRecord::HomeRepair),
      Entry("HomeMiscLabel", "Miscellaneous Household Expenses................", "HomeMisc", &PlanRecord::HomeMisc),
      Shown("HomeMortgageOrRentLabel", "Mortgage or Rent from Assets Page................", "HomeMortgageOrRent",
            &PlanRecord::HomeMortgageOrRent),
      Shown("HomeRealEstateTaxLabel", "Real Estate Taxes from Assets Page...............", "HomeRealEstateTax",
            &PlanRecord::HomeRealEstateTax),
  };
  layout.total = Shown("HomeTotalLabel", "Total Home Annual Expenses", "HomeTotal", &PlanRecord::HomeTotal);
  layout.redTotal = true;
  layout.recompute = RecomputeHomeTotal;
  layout.recomputeBeforeParsing = true;
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
      Heading("OperatingHeading", "Total Annual Operating Expenses"),
      Entry("AutoMaintenanceLabel", "Maintenance Costs...............................................",
            "AutoMaintenance", &PlanRecord::AutoMaintenance),
      Entry("AutoInsuranceLabel", "Insurance Costs...............................................", "AutoInsurance",
            &PlanRecord::AutoInsurance),
      Entry("AutoFuelLabel", "Fuel Costs........................................................", "AutoFuel",
            &PlanRecord::AutoFuel),
      Heading("Car1Heading", "Automobile #1 Replacement Cost"),
      YearsHad("CarYearsHad1Label", "CarYearsHad1", &PlanRecord::CarYearsHad1),
      YearsRemaining("CarYearsLeft1Label", "CarYearsLeft1", &PlanRecord::CarYearsLeft1),
      Entry("CarReplaceCost1Label", "Expected Net Replacement Cost.....................", "CarReplaceCost1",
            &PlanRecord::CarReplaceCost1),
      Heading("Car2Heading", "Automobile #2 Replacement Cost"),
      YearsHad("CarYearsHad2Label", "CarYearsHad2", &PlanRecord::CarYearsHad2),
      YearsRemaining("CarYearsLeft2Label", "CarYearsLeft2", &PlanRecord::CarYearsLeft2),
      Entry("CarReplaceCost2Label", "Expected Net Replacement Cost.....................", "CarReplaceCost2",
            &PlanRecord::CarReplaceCost2),
      Heading("Car3Heading", "Automobile #3 Replacement Cost"),
      YearsHad("CarYearsHad3Label", "CarYearsHad3", &PlanRecord::CarYearsHad3),
      YearsRemaining("CarYearsLeft3Label", "CarYearsLeft3", &PlanRecord::CarYearsLeft3),
      Entry("CarReplaceCost3Label", "Expected Net Replacement Cost.....................", "CarReplaceCost3",
            &PlanRecord::CarReplaceCost3),
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
      NameHeading("Name1Heading", &PlanRecord::Name1),
      Entry("MedPremiums1Label", premiums, "MedPremiums1", &PlanRecord::MedPremiums1),
      Entry("MedCopays1Label", copays, "MedCopays1", &PlanRecord::MedCopays1),
      Entry("MedDrugs1Label", drugs, "MedDrugs1", &PlanRecord::MedDrugs1),
      Entry("MedOther1Label", other, "MedOther1", &PlanRecord::MedOther1),
  };
  layout.secondPersonRows = {
      NameHeading("Name2Heading", &PlanRecord::Name2),
      Entry("MedPremiums2Label", premiums, "MedPremiums2", &PlanRecord::MedPremiums2),
      Entry("MedCopays2Label", copays, "MedCopays2", &PlanRecord::MedCopays2),
      Entry("MedDrugs2Label", drugs, "MedDrugs2", &PlanRecord::MedDrugs2),
      Entry("MedOther2Label", other, "MedOther2", &PlanRecord::MedOther2),
  };
  layout.total = Shown("MedicalTotalLabel", "Total medical annual expenses", "MedicalTotal", &PlanRecord::MedicalTotal);
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
      Entry("HomePhoneLabel", "Home Phone Annual Bill..................................", "HomePhone",
            &PlanRecord::HomePhone),
      Entry("CellPhoneLabel", "Cell Phone Annual Bills....................................", "CellPhone",
            &PlanRecord::CellPhone),
      Entry("CableTvLabel", "Cable or Direct TV Annual Bills.........................", "CableTv",
            &PlanRecord::CableTv),
      Entry("InternetAccessLabel", "Internet Access Annual Bill..............................", "InternetAccess",
            &PlanRecord::InternetAccess),
      Entry("ElectronicGearLabel", "Electronic Gear Annual Purchases..................", "ElectronicGear",
            &PlanRecord::ElectronicGear),
      Entry("SoftwareLabel", "Software Annual Purchases.............................", "Software",
            &PlanRecord::Software),
      Entry("CommMiscLabel", "Miscellaneous..................................................", "CommMisc",
            &PlanRecord::CommMisc),
  };
  layout.total = Shown("CommunicationTotalLabel", "Communications Total Annual Expenses", "CommunicationTotal",
                       &PlanRecord::CommunicationTotal);
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
      Heading("EntertainmentHeading", "Entertainment"),
      Entry("VacationsLabel", "Vacations Annual Costs..................................", "Vacations",
            &PlanRecord::Vacations),
      Entry("RestaurantsLabel", "Restaurants Annual Costs...................................", "Restaurants",
            &PlanRecord::Restaurants),
      Entry("HobbiesLabel", "Hobbies Annual Costs......................................", "Hobbies",
            &PlanRecord::Hobbies),
      Entry("FunMiscLabel", "Miscellaneous Fun Costs..................................", "FunMisc",
            &PlanRecord::FunMisc),
      Heading("GiftsHeading", "Gifts Annual"),
      Entry("GiftsFamilyLabel", "Total to Family..................................................", "GiftsFamily",
            &PlanRecord::GiftsFamily),
      Entry("GiftsFriendsLabel", "Total to Friends................................................", "GiftsFriends",
            &PlanRecord::GiftsFriends),
      Entry("GiftsCharityLabel", "Total to Charity.................................................", "GiftsCharity",
            &PlanRecord::GiftsCharity),
      Entry("GiftsMiscLabel", "Miscellaneous Gift Costs..................................", "GiftsMisc",
            &PlanRecord::GiftsMisc),
  };
  layout.total = Shown("EntertainmentTotalLabel", "Total Entertainment and Gift Expenses", "EntertainmentTotal",
                       &PlanRecord::EntertainmentTotal);
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
      Entry("GroceriesLabel", "Total Annual Groceries Bills.............................", "Groceries",
            &PlanRecord::Groceries),
      Entry("DryCleaningLabel", "Dry Cleaning Annual Costs...............................", "DryCleaning",
            &PlanRecord::DryCleaning),
      Entry("ClothesLabel", "Annual Clothes Purchases.....................................", "Clothes",
            &PlanRecord::Clothes),
      Entry("GroomingLabel", "Personal Grooming Annual Costs....................", "Grooming", &PlanRecord::Grooming),
      Entry("PocketCashLabel", "Annual Pocket Cash.........................................", "PocketCash",
            &PlanRecord::PocketCash),
      Entry("LifeInsuranceLabel", "Total Annual Life Insurance.............................", "LifeInsurance",
            &PlanRecord::LifeInsurance),
      Entry("FoodMiscLabel", "Miscellaneous..................................................", "FoodMisc",
            &PlanRecord::FoodMisc),
  };
  layout.total = Shown("FoodTotalLabel", "Food & Personal Total Annual Expenses", "FoodTotal", &PlanRecord::FoodTotal);
  layout.recompute = RecomputeFoodTotal;
  layout.instructions =
      Instructions({kFoodInstructions, kNumberFormatInstructions, kUpdateInstructions, kFinishedInstructions});
  layout.instructionsHint = kScrollHint;
  return layout;
}
