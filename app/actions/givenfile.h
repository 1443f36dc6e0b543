#pragma once

#include "sheet/magazine.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace scribel {

class MessageBoxes;
class SheetFileActions;
class SheetWindow;

// The magazine whose profile names the sheet file's extension, in any case; any other name
// stands for none.
Magazine magazineOfFileName(const QString& path);

// Opens the files handed over from outside the dialogs (command line, drop): one sheet file named
// with a magazine's extension, loaded as Charger loads it, its magazine first pressed through
// `choose` when none is chosen yet; anything else is refused with a message.
void openGivenFiles(SheetWindow& window, SheetFileActions& fileActions, MessageBoxes& messages,
                    const QStringList& paths, const std::function<void(Magazine)>& choose);

} // namespace scribel
