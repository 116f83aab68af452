#pragma once

#include <cstdint>

// The five home situations a plan can describe. The record and the plan file
// keep the number, so a damaged file may hold a value outside the five: every
// predicate below is false for such a value, and the engine leaves the home
// fields at zero.
enum class HomeSituation : std::int32_t {
  Rent = 1,
  Own = 2,
  RentThenBuy = 3,
  OwnThenBuyAnother = 4,  // own now, sell and buy again at the move
  OwnThenRent = 5,        // own now, sell and rent at the move
};

constexpr HomeSituation HomeSituationOf(std::int32_t stored) { return static_cast<HomeSituation>(stored); }

constexpr std::int32_t StoredValue(HomeSituation situation) { return static_cast<std::int32_t>(situation); }

// Owns a home in the first year of the forecast.
constexpr bool OwnsHomeNow(std::int32_t stored) {
  const HomeSituation s = HomeSituationOf(stored);
  return s == HomeSituation::Own || s == HomeSituation::OwnThenBuyAnother || s == HomeSituation::OwnThenRent;
}

// Buys a home at the move year.
constexpr bool BuysAtMove(std::int32_t stored) {
  const HomeSituation s = HomeSituationOf(stored);
  return s == HomeSituation::RentThenBuy || s == HomeSituation::OwnThenBuyAnother;
}

// Sells the present home at the move year.
constexpr bool SellsAtMove(std::int32_t stored) {
  const HomeSituation s = HomeSituationOf(stored);
  return s == HomeSituation::OwnThenBuyAnother || s == HomeSituation::OwnThenRent;
}

// Rents rather than owns in year j >= 1 of the forecast (j = 1 is the current
// year), the move falling at the given number of years from now. Year j's cash
// need is met at the start of year j + 1, so the move year itself still counts
// as renting for a buyer and as owning for a seller.
constexpr bool RentsInYear(std::int32_t stored, std::int64_t j, std::int64_t yearsToMove) {
  switch (HomeSituationOf(stored)) {
    case HomeSituation::Rent:
      return true;
    case HomeSituation::RentThenBuy:
      return j < yearsToMove;
    case HomeSituation::OwnThenRent:
      return j > yearsToMove;
    default:
      return false;
  }
}
