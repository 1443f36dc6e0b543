#include "dialogtexts.h"

#include "sheet/magazineprofile.h"

#include <QStringView>

namespace scribel::sheetfile {

namespace {

constexpr QStringView kOpenTitle = u"Charger une Scribel";

} // namespace

std::optional<FileDialogRequest> saveDialogRequest(Magazine magazine) {
    const MagazineProfile* profile = profileOf(magazine);
    if (profile == nullptr) {
        return std::nullopt;
    }
    return FileDialogRequest{profile->saveTitle.toString(), profile->saveFileType.toString(),
                             profile->initialName.toString(), profile->extension.toString()};
}

std::optional<FileDialogRequest> openDialogRequest(Magazine magazine) {
    const MagazineProfile* profile = profileOf(magazine);
    if (profile == nullptr) {
        return std::nullopt;
    }
    return FileDialogRequest{kOpenTitle.toString(), profile->openFileType.toString(),
                             profile->initialName.toString(), profile->extension.toString()};
}

} // namespace scribel::sheetfile
