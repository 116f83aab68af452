#include "shell/WindowSettings.h"

#include <QString>
#include <algorithm>

#include "platform/SettingsStore.h"
#include "shell/Session.h"

namespace {

namespace keys = settings_keys;
namespace defaults = settings_defaults;

// Positions closer than this to the right or bottom edge count as off the screen.
constexpr int kVisibleCorner = 100;

// The graph's first size: three quarters of a screen taller than the page's
// own height, as wide in proportion (within the screen), so a large screen
// shows a graph that can be read.
void SetFirstGraphSize(WindowGeometry& g, int screenWidth, int screenHeight) {
  g.GraphHeight = std::max(defaults::kHeight, screenHeight * 3 / 4);
  g.GraphWidth = defaults::kWidth * g.GraphHeight / defaults::kHeight;
  if (screenWidth > 0) g.GraphWidth = std::max(defaults::kWidth, std::min(g.GraphWidth, screenWidth));
}

void WriteFirstRunValues(Session& session, SettingsStore& settings, int screenWidth, int screenHeight) {
  WindowGeometry& g = session.geometry;
  g.PlanWidth = screenWidth > 0 ? std::min(defaults::kPlanWidth, screenWidth) : defaults::kPlanWidth;
  SetFirstGraphSize(g, screenWidth, screenHeight);
  settings.SetInteger(keys::kTop, session.LastTop);
  settings.SetInteger(keys::kLeft, session.LastLeft);
  settings.SetInteger(keys::kPlanHeight, defaults::kHeight);
  settings.SetInteger(keys::kPlanWidth, g.PlanWidth);
  settings.SetInteger(keys::kGraphHeight, g.GraphHeight);
  settings.SetInteger(keys::kGraphWidth, g.GraphWidth);
}

void ApplySmallScreen(WindowGeometry& g, int screenHeight) {
  g.ScreenHeight = screenHeight;
  if (screenHeight > 0 && screenHeight < 550) {
    g.MinPageHeight = screenHeight;
    g.SmallScreenHeight = screenHeight;
  }
}

void ClampSizes(WindowGeometry& g, int screenWidth, int screenHeight) {
  const int widest = screenWidth > 0 ? std::min(4 * screenWidth, kLargestWindowSide) : kLargestWindowSide;
  const int tallest = screenHeight > 0 ? screenHeight : kLargestWindowSide;
  const int lowest = std::min(g.MinPageHeight, tallest);
  g.GraphWidth = std::clamp(g.GraphWidth, g.MinPageWidth, widest);
  g.PlanWidth = std::clamp(g.PlanWidth, g.MinPageWidth, std::min(widest, g.MaxPageWidth));
  g.GraphHeight = std::clamp(g.GraphHeight, lowest, tallest);
  g.PlanHeight = std::clamp(g.PlanHeight, lowest, tallest);
}

// A corner on the screen stays; one off it (a monitor since removed) puts the
// whole window on the screen, as far as it fits.
int OnScreen(int corner, int windowSide, int screenSide) {
  if (screenSide <= 0) return std::clamp(corner, 0, kLargestWindowSide);
  if (corner >= 0 && corner <= screenSide - kVisibleCorner) return corner;
  return std::clamp(corner, 0, std::max(0, screenSide - windowSide));
}

}  // namespace

bool ReadWindowSettings(Session& session, SettingsStore& settings, int screenWidth, int screenHeight) {
  WindowGeometry& g = session.geometry;
  const bool stored = settings.Contains(keys::kTop);
  if (!stored) {
    WriteFirstRunValues(session, settings, screenWidth, screenHeight);
  } else {
    // A value missing beside "myTop" keeps its start value.
    session.LastTop = settings.Integer(keys::kTop).value_or(session.LastTop);
    session.LastLeft = settings.Integer(keys::kLeft).value_or(session.LastLeft);
    g.PlanHeight = settings.Integer(keys::kPlanHeight).value_or(g.PlanHeight);
    g.PlanWidth = settings.Integer(keys::kPlanWidth).value_or(g.PlanWidth);
    g.GraphHeight = settings.Integer(keys::kGraphHeight).value_or(g.GraphHeight);
    g.GraphWidth = settings.Integer(keys::kGraphWidth).value_or(g.GraphWidth);
  }
  ApplySmallScreen(g, screenHeight);
  ClampSizes(g, screenWidth, screenHeight);
  session.LastLeft = OnScreen(session.LastLeft, std::max(g.GraphWidth, g.PlanWidth), screenWidth);
  session.LastTop = OnScreen(session.LastTop, std::max(g.GraphHeight, g.PlanHeight), screenHeight);
  return stored;
}

void SaveWindowSettings(Session& session, SettingsStore& settings, int top, int left) {
  const WindowGeometry& g = session.geometry;
  settings.SetInteger(keys::kTop, top);
  settings.SetInteger(keys::kLeft, left);
  settings.SetInteger(keys::kPlanWidth, g.PlanWidth);
  settings.SetInteger(keys::kPlanHeight, g.PlanHeight);
  settings.SetInteger(keys::kGraphWidth, g.GraphWidth);
  settings.SetInteger(keys::kGraphHeight, g.GraphHeight);
  // The plan's own folder, so a plan opened elsewhere is found again at the
  // next start instead of a same-named file in the program's folder.
  settings.SetText(keys::kPlanPath, QString::fromStdString(session.PlanPath()));
}
