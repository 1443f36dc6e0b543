// The print module: Qt's printer, loaded by the program once its window is shown.

#include "pageprintermodule.h"

#include "qtpageprinter.h"

extern "C" Q_DECL_EXPORT scribel::PagePrinter* SCRIBEL_PRINTER_FACTORY() {
    return new scribel::QtPagePrinter();
}
