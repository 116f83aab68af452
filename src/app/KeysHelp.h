#pragma once

#include <QString>

class MainWindow;

// The "Keys:" part of `prevora --help`, read off every page of `window`.
QString KeysHelp(const MainWindow& window);

// The same for a program built only to be asked: every page created on the
// desktop services, nothing shown. Needs the application object.
QString KeysHelpOfUnshownProgram();
