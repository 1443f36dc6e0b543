#pragma once

#include "platform/core/clock.h"
#include "platform/core/filedialogs.h"
#include "platform/core/messageboxes.h"
#include "platform/core/openaction.h"
#include "platform/core/pageprinter.h"

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
