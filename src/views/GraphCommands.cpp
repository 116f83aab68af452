#include <QPrinter>

#include "render/GraphPrinting.h"
#include "views/BitmapSaving.h"
#include "views/GraphPage.h"

void PrintGraphCommand(GraphPage& page) {
  Platform& platform = page.GraphPlatform();
  QPrinter printer(QPrinter::HighResolution);
  if (!platform.prompts.ChoosePrinter(&page, printer)) return;
  const GraphPrintJob job{page.CurrentInput(), page.Scales(), QString::fromStdString(page.GraphSession().RulesNote())};
  if (!PrintGraph(printer, job))
    platform.prompts.Error(&page, "The graph could not be printed: the printer did not start.");
}

void SaveBitmapCommand(GraphPage& page) {
  SaveBitmapFile(&page, page.VisibleGraph(), page.GraphSession(), page.GraphPlatform());
}
