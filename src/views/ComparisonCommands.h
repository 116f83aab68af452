#pragma once

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
// changes) and the comparison page. The current plan is not touched.
void CompareWithPlan(Page& page, Session& session, Platform& platform, Navigator& navigator);
