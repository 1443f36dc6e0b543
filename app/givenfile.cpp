#include "givenfile.h"

#include "app/principale.h"
#include "app/sheetfileactions.h"
#include "platform/messageboxes.h"
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
        tell(QStringLiteral("La Scribel ouvre une fiche à la fois : déposez un seul fichier "
                            "(%1 fichiers ont été déposés).")
                 .arg(paths.size()));
        return;
    }
    const QString& path = paths.first();
    if (window.magazine() != Magazine::None) {
        fileActions.loadFile(path);
        return;
    }
    const Magazine magazine = magazineOfFileName(path);
    if (magazine == Magazine::None) {
        tell(QStringLiteral("Le fichier « %1 » n'a pas été chargé : son nom ne dit pas pour quel "
                            "magazine il a été rempli.\n"
                            "Choisissez d'abord le magazine, Pixelor ou Zorvane, puis chargez-le.")
                 .arg(QFileInfo(path).fileName()));
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
