#include "givenfile.h"

#include "app/actions/sheetfileactions.h"
#include "app/actions/sheetwindow.h"
#include "platform/core/messageboxes.h"
#include "sheet/magazineprofile.h"
#include "version.h"

#include <QFileInfo>

namespace scribel {

Magazine magazineOfFileName(const QString& path) {
    const MagazineProfile* profile = profileWithExtension(QFileInfo(path).suffix());
    return profile != nullptr ? profile->magazine : Magazine::None;
}

void openGivenFiles(SheetWindow& window, SheetFileActions& fileActions, MessageBoxes& messages,
                    const QStringList& paths, const std::function<void(Magazine)>& choose) {
    const auto tell = [&](const QString& text) {
        messages.show(window.dialogParent(), MessageIcon::Warning, messageTitle(), text);
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
        const QString endings = listForEachMagazine(
            [](const MagazineProfile& profile) {
                return QStringLiteral(".%1 (%2)").arg(profile.extension, profile.name);
            },
            u" ou ");
        tell(QStringLiteral("Le fichier «\u00A0%1\u00A0» n'a pas été chargé\u00A0: seule une "
                            "fiche dont le nom finit par %2 s'ouvre ainsi.\nUne fiche de la "
                            "version précédente se charge par le bouton «\u00A0Charger\u00A0».")
                 .arg(QFileInfo(path).fileName(), endings));
        return;
    }
    if (window.magazine() != Magazine::None) {
        fileActions.loadFile(path);
        return;
    }
    fileActions.loadFile(path, [choose, magazine] { choose(magazine); });
}

} // namespace scribel
