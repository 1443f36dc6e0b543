#pragma once

#include "app/actions/sheetwindow.h"
#include "platform/core/clock.h"
#include "platform/core/filedialogs.h"
#include "platform/core/messageboxes.h"
#include "platform/core/openaction.h"
#include "platform/core/pageprinter.h"
#include "version.h"

namespace scribel {

// The platform services the window gets from outside: main() hands it the Qt ones,
// tests hand it doubles.
struct Services {
    FileDialogs& fileDialogs;
    MessageBoxes& messages;
    PagePrinter& printer;
    OpenAction& openAction;
    Clock& clock;
};

// What an action of the window works with, and how it tells the author.
class WindowAction {
public:
    WindowAction(SheetWindow& window, const Services& services)
        : m_window(window), m_services(services) {}

protected:
    void tell(const QString& text, MessageIcon icon = MessageIcon::Warning) {
        m_services.messages.show(m_window.dialogParent(), icon, messageTitle(), text);
    }

    SheetWindow& m_window;
    Services m_services;
};

} // namespace scribel
