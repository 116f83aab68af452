#include "views/GraphCommands.h"

#include <QPrinter>

#include "platform/Platform.h"
#include "render/GraphPrinting.h"

void PrintGraphCommand(QWidget* page, Platform& platform, const GraphPrintJob& job) {
  QPrinter printer(QPrinter::HighResolution);
  if (!platform.prompts.ChoosePrinter(page, printer)) return;
  if (!PrintGraph(printer, job))
    platform.prompts.Error(page, "The graph could not be printed: the printer did not start.");
}
