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

// Opens the files the author hands the program from outside its dialogs (the command line,
// a drop): one sheet file only, named with a magazine's extension, loaded exactly as Charger loads
// the file its dialog returns. With no magazine chosen yet, the extension first presses the
// magazine (through `choose`), once the file has proved loadable. Any other file is refused with a
// message, and the sheet stays as it was.
void openGivenFiles(SheetWindow& window, SheetFileActions& fileActions, MessageBoxes& messages,
                    const QStringList& paths, const std::function<void(Magazine)>& choose);

} // namespace scribel
