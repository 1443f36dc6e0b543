#pragma once

#include "platform/core/filedialogs.h"
#include "sheet/magazine.h"

#include <optional>

namespace scribel::sheetfile {

// What the save and open dialogs show for the magazine; nothing while no magazine is
// chosen, when neither dialog is shown.
std::optional<FileDialogRequest> saveDialogRequest(Magazine magazine);
std::optional<FileDialogRequest> openDialogRequest(Magazine magazine);

} // namespace scribel::sheetfile
