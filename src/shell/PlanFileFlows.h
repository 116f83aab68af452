#pragma once

#include <QString>
#include <optional>

class QWidget;
struct PlanRecord;
struct Session;
struct Platform;

// The New, Open and Save commands of the two result pages and the question
// asked before a plan is thrown away. `page` places the message boxes. The
// caller runs the forecast, remembers the new plan's text (session.saved) and
// stores the window settings afterwards. Every plan opened or saved goes to
// the front of the recent plans.

// Asks whether to save the plan first, when it differs from its file. True
// when the caller may go on (nothing to lose, saved, or the user said No);
// false when the user cancelled or the save failed.
bool SaveFirst(Session& session, Platform& platform, QWidget* page);
// SaveFirst, then a new, empty plan. True when the plan was replaced.
bool NewPlan(Session& session, Platform& platform, QWidget* page);
// SaveFirst, then the open dialog (in the current plan's folder) and the
// read. True when a plan was loaded.
bool OpenPlan(Session& session, Platform& platform, QWidget* page);
// SaveFirst, then the read of the plan at `path` (a recent plan); a plan that
// is gone is reported and leaves the recent list.
bool OpenPlanAt(Session& session, Platform& platform, QWidget* page, const QString& path);
// Writes the plan where it came from when it has a name of its own and its
// folder can be written; otherwise as SavePlanAs. True when the plan was written.
bool SavePlan(Session& session, Platform& platform, QWidget* page);
// The save dialog and the write. True when the plan was written.
bool SavePlanAs(Session& session, Platform& platform, QWidget* page);
// The open dialog and the read of a second plan into `other`, for a
// comparison; the current plan stays as it is. The path when a plan was read.
std::optional<QString> OpenOtherPlan(const Session& session, Platform& platform, QWidget* page, PlanRecord& other);
