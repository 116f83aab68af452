#pragma once

#include <QPageSize>
#include <functional>
#include <string>

class QPdfWriter;

// Writes the PDF `print` draws to `path`; returns the exit status. The
// document is made in memory and saved like a plan, so a pipe or a device is
// never written to and a failure leaves any old file as it was. `print` says
// whether the writer started.
int WritePdfForCli(const std::string& path, QPageSize::PageSizeId paper, const std::function<bool(QPdfWriter&)>& print);
