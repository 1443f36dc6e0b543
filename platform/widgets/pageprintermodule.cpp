// The print module: Qt's printer, loaded by the program once its window is shown.

#include "pageprintermodule.h"

#include "qtpageprinter.h"

extern "C" Q_DECL_EXPORT scribel::PagePrinter* scribel_make_page_printer() {
    return new scribel::QtPagePrinter();
}
