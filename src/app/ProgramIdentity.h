#pragma once

#include <QIcon>
#include <QString>

// Who the program is: its name, version and maker, shown by the about box,
// the about page and the command line.
inline constexpr char kProgramName[] = "Prevora";
inline constexpr char kProgramVersion[] = "1.24";
inline constexpr char kMakerName[] = "Orvex Graphics";
inline constexpr char kMakerWebAddress[] = "www.orvexgraphics.example";
inline constexpr char kMakerEmail[] = "support@orvexgraphics.example";
inline constexpr const char* kMakerPostalAddress[] = {"Orvex Graphics", "24 Lantern Hill Road", "Westbrook, VT 05999"};

// The help topics and the icon are compiled into a static library, so they
// must be registered before first use; safe to call any number of times.
void InitProgramResources();

// The program's chart icon, for windows and the about box.
QIcon ProgramIcon();
