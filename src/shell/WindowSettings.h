#pragma once

class SettingsStore;
struct Session;

// The names the settings are stored under (kept from the program's first
// versions, so an upgrade keeps a user's window and last plan) and their
// first-run values.
namespace settings_keys {
inline constexpr const char* kTop = "myTop";
inline constexpr const char* kLeft = "myLeft";
inline constexpr const char* kPlanWidth = "myWidth";
inline constexpr const char* kPlanHeight = "myHeight";
inline constexpr const char* kGraphWidth = "myWidthg";
inline constexpr const char* kGraphHeight = "myHeightg";
inline constexpr const char* kPlanPath = "PathFileName";
}  // namespace settings_keys

namespace settings_defaults {
inline constexpr int kTop = 20;
inline constexpr int kLeft = 20;
inline constexpr int kWidth = 506;
// Wide enough for every column the plan page shows by default.
inline constexpr int kPlanWidth = 1260;
inline constexpr int kHeight = 574;
}  // namespace settings_defaults

// Without a screen to measure, no window side is taken larger than this.
inline constexpr int kLargestWindowSide = 16384;

// Reads the stored window position and both result pages' sizes into the
// session, clamped to what the screen can show: sizes between the page
// minimum and the screen height (widths up to four screens), and a window
// stored off the screen moved wholly onto it. `screenWidth` and
// `screenHeight` are 0 when unknown. On the first run (nothing stored) it
// writes the first-run values instead (the plan page as wide as its columns,
// within the screen; the graph three quarters of a large screen's height) and
// returns false.
bool ReadWindowSettings(Session& session, SettingsStore& settings, int screenWidth, int screenHeight);

// Writes the window position, both result pages' sizes and the last plan path.
void SaveWindowSettings(Session& session, SettingsStore& settings, int top, int left);
