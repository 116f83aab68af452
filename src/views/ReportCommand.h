#pragma once

class QMenu;
class QWidget;
struct Session;
struct Platform;

// "&Report..." in a result page's File menu: asks for the odds' trial count
// and the paper, runs every figure of the plan report with progress and
// Cancel, then shows the report in the print preview (print or save as PDF
// from there).
void AddReportCommand(QMenu* file, QWidget& page, Session& session, Platform& platform);
