#pragma once

class QWidget;
struct Platform;
struct GraphPrintJob;

// The "&Print Graph" command: asks for a printer and prints the job there;
// says so when the printer does not start.
void PrintGraphCommand(QWidget* page, Platform& platform, const GraphPrintJob& job);
// "Print Pre&view": the job in the print preview, which prints it or saves it as PDF.
void PreviewGraphCommand(QWidget* page, Platform& platform, const GraphPrintJob& job);
