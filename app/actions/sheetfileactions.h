#pragma once

#include "app/actions/services.h"
#include "app/actions/sheetwindow.h"

#include <QStringList>
#include <functional>
#include <optional>

namespace scribel {

// Saving and loading a sheet: the dialogs, the file, and what the author is told.
class SheetFileActions final {
public:
    SheetFileActions(SheetWindow& window, const Services& services);

    void save(); // Sauvegarder_Click
    void load(); // Charger_Click
    // Loads a file chosen elsewhere (command line, drop) exactly as Charger does once
    // its dialog is confirmed. `onceAccepted` runs when the file has been read and
    // checked, just before the sheet is cleared and filled.
    void loadFile(const QString& path, const std::function<void()>& onceAccepted = {});

private:
    void AncienneVersion(const QStringList& lines);
    void takeMagazine(std::optional<Magazine> magazine);
    void tell(MessageIcon icon, const QString& text);

    SheetWindow& m_window;
    Services m_services;
};

} // namespace scribel
