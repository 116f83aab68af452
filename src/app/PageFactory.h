#pragma once

class MainWindow;
struct Session;
struct Platform;

// Creates every page once, the graph page first, and hands them to the window.
void CreatePages(MainWindow& window, Session& session, Platform& platform);
