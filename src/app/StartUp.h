#pragma once

#include <QString>
#include <QStringList>

struct Session;
class SettingsStore;

struct StartUpInputs {
  QStringList planArguments;  // the command line's plan words, program name excluded
  QString programFolder;      // folder of the running program
  QString documentsFolder;    // the user's documents folder
  int screenWidth = 0;
  int screenHeight = 0;
};

// Performs the start-up steps before any page is shown: the plan folder, the
// stored window geometry clamped to the screen (written on the first run) and
// the start plan. Returns the message of a start plan that could not be read
// and of a settings file that cannot be used, or an empty text; the program
// then starts with the start values.
QString RunStartUp(Session& session, SettingsStore& settings, const StartUpInputs& inputs);

// The folder plans are saved to by default: the user's documents folder when it
// can be written, otherwise the home folder; never the program's own folder,
// which an installed program shares with every user. Ends with a separator.
QString ChoosePlanFolder(const QString& documentsFolder);
