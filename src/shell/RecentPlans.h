#pragma once

#include <QString>
#include <QStringList>

class SettingsStore;

// The plans last opened or saved, newest first, kept in the settings store
// beside the window values.
inline constexpr int kRecentPlanLimit = 8;

QStringList RecentPlans(const SettingsStore& settings);
// Puts `path` first (once), keeping at most kRecentPlanLimit plans.
void AddRecentPlan(SettingsStore& settings, const QString& path);
void RemoveRecentPlan(SettingsStore& settings, const QString& path);
