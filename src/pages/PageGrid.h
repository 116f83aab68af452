#pragma once

// Where a data page puts its rows: labels from `left`, boxes `editWidth` wide
// ending at `right`, one row every `rowHeight` pixels.
struct PageGrid {
  int left;
  int right;
  int rowHeight;
  int editWidth;

  constexpr int EditLeft() const { return right - editWidth; }
};

// The 536-pixel pages: personal data, income, assets, home status.
inline constexpr PageGrid kWidePageGrid{10, 526, 24, 110};
// The personal data page: closer rows, boxes as wide as an age.
inline constexpr PageGrid kPersonalPageGrid{10, 526, 22, 60};
// The 500-pixel taxes page.
inline constexpr PageGrid kTaxesPageGrid{16, 484, 24, 110};
// The 500-pixel assumptions page: taller rows, boxes as wide as a rate.
inline constexpr PageGrid kAssumptionsPageGrid{16, 484, 26, 90};
