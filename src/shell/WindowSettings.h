#pragma once

struct Session;
class SettingsStore;

// Writes the window position, both result pages' sizes and the last plan path.
void SaveWindowSettings(Session& session, SettingsStore& settings, int top, int left);
