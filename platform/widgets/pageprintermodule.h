#pragma once

// What the program and its print module agree on: where the module stands, from the
// program's folder, and the function that makes its printer (the caller owns it). A folder
// of its own: a shared object right in <libdir>/scribel/ would have the package run ldconfig.

#include "version.h"

#include <QtGlobal>

namespace scribel {
class PagePrinter;

inline constexpr char kPagePrinterModuleFile[] = "modules/scribel-printer.so";
inline constexpr char kPagePrinterFactory[] = QT_STRINGIFY(SCRIBEL_PRINTER_FACTORY);
} // namespace scribel

extern "C" scribel::PagePrinter* SCRIBEL_PRINTER_FACTORY();
