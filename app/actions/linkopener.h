#pragma once

#include "app/actions/services.h"
#include "app/actions/sheetwindow.h"

namespace scribel {

struct Link;

// One press of a link button of the about tab: finds the document or makes the address,
// hands it to the desktop, and tells the author when that could not be done.
class LinkOpener final {
public:
    LinkOpener(SheetWindow& window, const Services& services);

    void open(const Link& link); // OuvrirDocument

private:
    void tell(const QString& text);

    SheetWindow& m_window;
    Services m_services;
};

} // namespace scribel
