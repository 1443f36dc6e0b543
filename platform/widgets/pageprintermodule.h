#pragma once

// What the program and its print module agree on: the module's file, and the function
// that makes its printer (the caller owns it).

namespace scribel {
class PagePrinter;

inline constexpr char kPagePrinterModuleFile[] = "scribel-printer.so";
inline constexpr char kPagePrinterFactory[] = "scribel_make_page_printer";
} // namespace scribel

extern "C" scribel::PagePrinter* scribel_make_page_printer();
