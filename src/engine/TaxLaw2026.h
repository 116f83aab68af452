#pragma once

#include <array>
#include <cstdint>

// The federal figures of tax year 2026 the law model starts from, with their
// sources in docs/taxes.md. Indexed figures grow from here by the forecast's
// own inflation; the others stay as written.
namespace taxlaw {

inline constexpr std::int32_t kBaseYear = 2026;

// The law's own filing statuses; "two single persons" file two single returns.
enum class TaxReturn { Single, Joint, Separate };

inline constexpr int kBrackets = 7;
inline constexpr std::array<long double, kBrackets> kOrdinaryRates = {0.10L, 0.12L, 0.22L, 0.24L,
                                                                      0.32L, 0.35L, 0.37L};
// Where each rate after the first starts, in taxable income.
inline constexpr std::array<std::int64_t, kBrackets - 1> kSingleStarts = {12400, 50400, 105700, 201775, 256225, 640600};
inline constexpr std::array<std::int64_t, kBrackets - 1> kJointStarts = {24800, 100800, 211400, 403550, 512450, 768700};
inline constexpr std::array<std::int64_t, kBrackets - 1> kSeparateStarts = {12400, 50400, 105700, 201775, 256225, 384350};
// Brackets and gains thresholds are indexed in steps of 25, deductions of 50,
// plan limits of 500.
inline constexpr std::int64_t kBracketStep = 25;
inline constexpr std::int64_t kDeductionStep = 50;
inline constexpr std::int64_t kDeferralStep = 500;

inline constexpr std::int64_t kSingleStandard = 16100;
inline constexpr std::int64_t kJointStandard = 32200;
inline constexpr std::int64_t kUnmarriedAged = 2050;  // extra standard deduction at 65+
inline constexpr std::int64_t kMarriedAged = 1650;    // per spouse aged 65+

// Senior deduction, tax years 2025-2028, not indexed.
inline constexpr std::int32_t kSeniorFirstYear = 2025;
inline constexpr std::int32_t kSeniorLastYear = 2028;
inline constexpr std::int64_t kSeniorDeduction = 6000;
inline constexpr long double kSeniorPhaseOut = 0.06L;
inline constexpr std::int64_t kSeniorSingleStart = 75000;
inline constexpr std::int64_t kSeniorJointStart = 150000;

// Long-term gains and qualified dividends: 0 % to the first threshold, 15 %
// to the second, 20 % above.
inline constexpr std::array<long double, 3> kGainsRates = {0.0L, 0.15L, 0.20L};
inline constexpr std::array<std::int64_t, 2> kSingleGains = {49450, 545500};
inline constexpr std::array<std::int64_t, 2> kJointGains = {98900, 613700};
inline constexpr std::array<std::int64_t, 2> kSeparateGains = {49450, 306850};
// A net capital loss offsets at most this much ordinary income a year.
inline constexpr std::int64_t kLossLimit = 3000;
inline constexpr std::int64_t kSeparateLossLimit = 1500;

// Social Security benefits: base and adjusted base of provisional income, not indexed.
inline constexpr std::array<std::int64_t, 2> kSingleBenefitBases = {25000, 34000};
inline constexpr std::array<std::int64_t, 2> kJointBenefitBases = {32000, 44000};

// Payroll taxes, employee share.
inline constexpr long double kSocialSecurityRate = 0.062L;
inline constexpr long double kMedicareRate = 0.0145L;
inline constexpr std::int64_t kWageBase = 184500;
inline constexpr std::int64_t kWageBaseStep = 300;
inline constexpr long double kAdditionalMedicareRate = 0.009L;
inline constexpr std::int64_t kSingleMedicareStart = 200000;
inline constexpr std::int64_t kJointMedicareStart = 250000;
inline constexpr std::int64_t kSeparateMedicareStart = 125000;

// Net investment income tax, thresholds of modified AGI not indexed.
inline constexpr long double kInvestmentIncomeRate = 0.038L;

// State and local taxes in itemized deductions: the cap of 2025 grows 1 % a
// year to 2029 and falls back to 10,000 from 2030 (and before 2025).
inline constexpr long double kSaltCap2025 = 40000.0L;
inline constexpr long double kSaltThreshold2025 = 500000.0L;
inline constexpr long double kSaltYearlyGrowth = 1.01L;
inline constexpr long double kSaltPhaseOut = 0.30L;
inline constexpr std::int64_t kSaltFloor = 10000;
inline constexpr std::int32_t kSaltFirstYear = 2025;
inline constexpr std::int32_t kSaltLastYear = 2029;

// Elective deferrals (401(k), 403(b)): the limit and the catch-ups by age.
inline constexpr std::int64_t kDeferralLimit = 24500;
inline constexpr std::int64_t kCatchUp = 8000;
inline constexpr std::int64_t kLateCatchUp = 11250;  // ages 60 to 63

// Additional tax on tax-deferred money drawn before 59 1/2.
inline constexpr long double kEarlyDrawRate = 0.10L;

}  // namespace taxlaw
