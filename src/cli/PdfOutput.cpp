#include "cli/PdfOutput.h"

#include <cstdio>

#include "model/FileSave.h"
#include "model/ReadableText.h"
#include "render/PdfDocument.h"

namespace {

int CannotWrite(const std::string& path, const std::string& problem) {
  std::fprintf(stderr, "prevora-cli: cannot write \"%s\"%s\n", ReadableText(path).c_str(),
               problem.empty() ? "" : (": " + problem).c_str());
  return 2;
}

}  // namespace

int WritePdfForCli(const std::string& path, QPageSize::PageSizeId paper,
                   const std::function<bool(QPdfWriter&)>& print) {
  const QByteArray document = PdfDocument(paper, print);
  if (document.isEmpty()) return CannotWrite(path, {});
  const std::string problem = SaveFileContents(path, document.toStdString());
  if (!problem.empty()) return CannotWrite(path, problem);
  return 0;
}
