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
