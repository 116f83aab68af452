#pragma once

#include <span>

#include "shell/PageId.h"

class MainWindow;
class Navigator;
class Page;
struct Session;
struct Platform;

// One row per page: its id, whether the text page and the about box may
// return to it as it was left (every data and result page), and how it is made.
struct PageEntry {
  PageId id;
  bool shownAsLeft;
  Page* (*create)(Session&, Platform&, Navigator&);
};

// Every page of the program, the graph page first.
std::span<const PageEntry> PageTable();

// Whether `id` names a page that can be shown again as it was left.
bool CanShowAsLeft(PageId id);

// Creates every page once, in table order, and hands them to the window.
void CreatePages(MainWindow& window, Session& session, Platform& platform);
