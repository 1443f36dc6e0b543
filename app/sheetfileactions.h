#pragma once

#include "app/services.h"
#include "app/sheetwindow.h"

#include <QStringList>
#include <optional>

namespace scribel {

// Saving and loading a sheet: the dialogs, the file, and what the author is told.
class SheetFileActions final {
public:
    SheetFileActions(SheetWindow& window, const Services& services);

    void save(); // Sauvegarder_Click
    void load(); // Charger_Click
    // Loads a file chosen elsewhere (command line, drop) exactly as Charger does once
    // its dialog is confirmed.
    void loadFile(const QString& path);

private:
    void AncienneVersion(const QStringList& lines);
    void takeMagazine(std::optional<Magazine> magazine);
    void tell(MessageIcon icon, const QString& text);

    SheetWindow& m_window;
    Services m_services;
};

} // namespace scribel
