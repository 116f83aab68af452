#pragma once

class QWidget;
struct Platform;
struct GraphPrintJob;

// The "&Print Graph" command: asks for a printer and prints the job there;
// says so when the printer does not start.
void PrintGraphCommand(QWidget* page, Platform& platform, const GraphPrintJob& job);

// "Print Pre&view": the job in the print preview, to print or save as PDF from there.
void PreviewGraphCommand(QWidget* page, Platform& platform, const GraphPrintJob& job);
