#pragma once

#include "app/services.h"
#include "app/sheetwindow.h"

namespace scribel {

// One press of "Imprimer": lays out the page, prints it, and tells the author when it could not.
class PrintAction final {
public:
    PrintAction(SheetWindow& window, const Services& services);

    void print(); // Imprimer_Click

private:
    SheetWindow& m_window;
    Services m_services;
};

} // namespace scribel
