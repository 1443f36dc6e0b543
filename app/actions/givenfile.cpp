#include "givenfile.h"

#include "app/actions/sheetfileactions.h"
#include "app/window/principale.h"
#include "platform/core/messageboxes.h"
#include "version.h"

#include <QFileInfo>

namespace scribel {

Magazine magazineOfFileName(const QString& path) {
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(u"pxr", Qt::CaseInsensitive) == 0) {
        return Magazine::Pixelor;
    }
    if (suffix.compare(u"zrv", Qt::CaseInsensitive) == 0) {
        return Magazine::Zorvane;
    }
    return Magazine::None;
}

void openGivenFiles(Principale& window, SheetFileActions& fileActions, MessageBoxes& messages,
                    const QStringList& paths) {
    const auto tell = [&](const QString& text) {
        messages.show(&window, MessageIcon::Warning, messageTitle(), text);
    };
    if (paths.isEmpty()) {
        return;
    }
    if (paths.size() > 1) {
        tell(QStringLiteral("La Scribel ouvre une fiche à la fois\u00A0: déposez un seul fichier "
                            "(%1 fichiers ont été déposés).")
                 .arg(paths.size()));
        return;
    }
    const QString& path = paths.first();
    const Magazine magazine = magazineOfFileName(path);
    if (magazine == Magazine::None) {
        // A picture or a text would clear the sheet and pass for an earlier-version sheet.
        tell(QStringLiteral("Le fichier «\u00A0%1\u00A0» n'a pas été chargé\u00A0: seule une "
                            "fiche dont le nom finit par .pxr (Pixelor) ou .zrv (Zorvane) "
                            "s'ouvre ainsi.\nUne fiche de la version précédente se charge par "
                            "le bouton «\u00A0Charger\u00A0».")
                 .arg(QFileInfo(path).fileName()));
        return;
    }
    if (window.magazine() != Magazine::None) {
        fileActions.loadFile(path);
        return;
    }
    fileActions.loadFile(path, [&window, magazine] {
        if (magazine == Magazine::Pixelor) {
            window.Pixelor_Click();
        } else {
            window.Zorvane_Click();
        }
    });
}

} // namespace scribel
