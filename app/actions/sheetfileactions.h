#pragma once

#include "app/actions/services.h"

#include <QStringList>
#include <functional>
#include <optional>

namespace scribel {

// Saving and loading a sheet: the dialogs, the file, and what the author is told.
class SheetFileActions final : public WindowAction {
public:
    using WindowAction::WindowAction;

    void save(); // Sauvegarder_Click
    void load(); // Charger_Click
    // Loads a file chosen elsewhere (command line, drop) as Charger does once its dialog is
    // confirmed; `onceAccepted` runs once the file is read and checked, before the sheet clears.
    void loadFile(const QString& path, const std::function<void()>& onceAccepted = {});

private:
    void AncienneVersion(const QStringList& lines);
    void takeMagazine(std::optional<Magazine> magazine);
};

} // namespace scribel
