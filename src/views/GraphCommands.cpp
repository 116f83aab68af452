#include "views/GraphCommands.h"

#include <QPrinter>

#include "platform/Platform.h"
#include "render/GraphPrinting.h"
#include "views/PrintPreview.h"

void PrintGraphCommand(QWidget* page, Platform& platform, const GraphPrintJob& job) {
  QPrinter printer(QPrinter::HighResolution);
  if (!platform.prompts.ChoosePrinter(page, printer)) return;
  if (!PrintGraph(printer, job))
    platform.prompts.Error(page, "The graph could not be printed: the printer did not start.");
}

void PreviewGraphCommand(QWidget* page, Platform& platform, const GraphPrintJob& job) {
  ShowPrintPreview(page, platform, [&job](QPrinter& target) { return PrintGraph(target, job) ? 1 : 0; });
}
