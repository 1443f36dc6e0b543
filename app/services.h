#pragma once

#include "platform/clock.h"
#include "platform/filedialogs.h"
#include "platform/messageboxes.h"
#include "platform/openaction.h"
#include "platform/pageprinter.h"

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

} // namespace scribel
