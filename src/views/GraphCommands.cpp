#include <QPrinter>

#include "render/GraphPrinting.h"
#include "render/GraphScreen.h"
#include "views/BitmapSaving.h"
#include "views/GraphPage.h"

namespace {

GraphPrintJob PrintJobOf(GraphPage& page) {
  return {page.CurrentInput(), page.Scales(), QString::fromStdString(page.GraphSession().PastNote())};
}

}  // namespace

void PrintGraphCommand(GraphPage& page) {
  Platform& platform = page.GraphPlatform();
  QPrinter printer(QPrinter::HighResolution);
  if (!platform.prompts.ChoosePrinter(&page, printer)) return;
  if (!PrintGraph(printer, PrintJobOf(page)))
    platform.prompts.Error(&page, "The graph could not be printed: the printer did not start.");
}

void PreviewGraphCommand(GraphPage& page) {
  QPrinter printer(QPrinter::HighResolution);
  const GraphPrintJob job = PrintJobOf(page);
  page.GraphPlatform().prompts.PreviewPrint(&page, printer,
                                            [&job](QPrinter& target) { return PrintGraph(target, job) ? 1 : 0; });
}

void SaveBitmapCommand(GraphPage& page) {
  const auto render = [&page](QSize size) {
    return RenderScreenGraph(page.CurrentInput(), size.width(), size.height(), size, GraphFontFamily(size.width()));
  };
  SaveResizableBitmapFile(&page, page.VisibleGraph(), render, page.GraphSession(), page.GraphPlatform());
}
