#pragma once

#include <string>

class Navigator;
class Page;
class QMenu;
struct Platform;
struct Session;

// Adds "Compare &with..." to a result page's File menu: it opens a second
// plan and shows it on the comparison page. While a comparison is open,
// "Show Co&mparison" goes back to it.
void AddComparisonCommands(QMenu* file, Page& page, Session& session, Platform& platform, Navigator& navigator);

// The open dialog, the read (the reader's message on failure, nothing else
// changes), the choice of the base and the comparison page. The current plan
// is not touched.
void CompareWithPlan(Page& page, Session& session, Platform& platform, Navigator& navigator);

// After Save As: the plan at `previousPath` is what the current plan is a
// variant of, when the save gave it a new path.
void RememberSavedFrom(Session& session, const std::string& previousPath);
