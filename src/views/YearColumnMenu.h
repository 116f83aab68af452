#pragma once

#include <functional>

class QMenu;
class QWidget;
class SettingsStore;

// "Co&lumns": a check item for every field the year tables leave out by
// default, ticked as the settings remember them. A tick (or its removal) is
// remembered for every year table at once, then `changed` shows it.
QMenu* NewYearColumnMenu(QWidget* parent, SettingsStore& settings, std::function<void()> changed);
