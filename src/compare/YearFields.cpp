#include "compare/YearFields.h"

const std::array<YearField, kYearFieldCount>& YearFields() {
  using Y = YearRecord;
  static const std::array<YearField, kYearFieldCount> fields = {{
      {"NetWorth", &Y::NetWorth},
      {"TaxDeferred", &Y::TaxDeferred},
      {"TaxableInvest", &Y::TaxableInvest},
      {"HomeEquity", &Y::HomeEquity},
      {"OtherDebt", &Y::OtherDebt},
      {"Expenses", &Y::Expenses},
      {"IncomeTaxes", &Y::IncomeTaxes},
      {"PropertyTax", &Y::PropertyTax},
      {"Income", &Y::Income},
      {"Salaries", &Y::Salaries},
      {"Pensions", &Y::Pensions},
      {"SocialSecurity", &Y::SocialSecurity},
      {"InvestReturn", &Y::InvestReturn},
      {"Distribution", &Y::Distribution},
      {"Mortgage", &Y::Mortgage},
      {"MortgagePayment", &Y::MortgagePayment},
      {"Property", &Y::Property},
      {"LoanPayments", &Y::LoanPayments},
      {"OtherDebtBalance", &Y::OtherDebtBalance},
      {"OtherDebtYears", &Y::OtherDebtYears},
      {"TaxableWithdrawal", &Y::TaxableWithdrawal},
      {"DeferredWithdrawal", &Y::DeferredWithdrawal},
      {"HomeEquityBorrowing", &Y::HomeEquityBorrowing},
      {"UnfundedShortfall", &Y::UnfundedShortfall},
  }};
  return fields;
}

const YearField* FindYearField(std::string_view name) {
  for (const YearField& field : YearFields()) {
    if (name == field.name) return &field;
  }
  return nullptr;
}
