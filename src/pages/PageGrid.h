#pragma once

// Where a data page puts its rows: labels from `left`, boxes `editWidth` wide
// ending at `right`, one row every `rowHeight` pixels, boxes `boxGap` pixels
// shorter than a row.
struct PageGrid {
  int left;
  int right;
  int rowHeight;
  int editWidth;
  int boxGap = 2;
  // Narrower boxes start at the box column instead of ending at `right`.
  bool alignBoxesLeft = false;

  constexpr int EditLeft() const { return right - editWidth; }
  constexpr int BoxHeight() const { return rowHeight - boxGap; }
};

// The 536-pixel pages: personal data, income, assets, home status.
inline constexpr PageGrid kWidePageGrid{10, 526, 24, 110};
// The personal data page: closer rows, boxes as wide as an age.
inline constexpr PageGrid kPersonalPageGrid{10, 526, 22, 60};
// The 500-pixel taxes page.
inline constexpr PageGrid kTaxesPageGrid{16, 484, 24, 110};
// The 500-pixel assumptions page: taller rows, boxes as wide as a rate.
inline constexpr PageGrid kAssumptionsPageGrid{16, 484, 26, 90};
// The expense summary: a button column and, apart from it, the amounts.
inline constexpr PageGrid kExpenseSummaryGrid{16, 484, 28, 120, 4};
// The expense category pages; years boxes start where the amounts do.
inline constexpr PageGrid kCategoryPageGrid{12, 480, 26, 98, 2, true};
// The education page: three students of five rows each.
inline constexpr PageGrid kEducationPageGrid{12, 480, 21, 98, 2, true};
// The special events page.
inline constexpr PageGrid kSpecialEventsPageGrid{12, 480, 24, 98, 2, true};

// On the category, education and special events pages: rows under a heading
// start further in, a first years box stands left of the box column, and
// years boxes are narrower than amounts.
inline constexpr int kIndentedLabelLeft = kCategoryPageGrid.left + 20;
inline constexpr int kYearsBoxLeft = 150;
inline constexpr int kYearsBoxWidth = 58;
