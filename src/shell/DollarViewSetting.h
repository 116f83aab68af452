#pragma once

class SettingsStore;

// The dollar view the result pages show is a program setting: the view last
// chosen is the one the next start shows.
inline constexpr const char* kDollarViewKey = "View/TodaysDollars";

// Whether today's dollars were last chosen; future dollars when nothing was.
bool LoadDollarView(const SettingsStore& store);
void SaveDollarView(SettingsStore& store, bool currentDollars);
