#pragma once

#include "platform/filedialogs.h"

#include <optional>

namespace scribel::sheetfile {

// What the save and open dialogs show for the magazine (ChoixMagazine); nothing while
// no magazine is chosen, when neither dialog is shown.
std::optional<FileDialogRequest> saveDialogRequest(int magazine);
std::optional<FileDialogRequest> openDialogRequest(int magazine);

} // namespace scribel::sheetfile
