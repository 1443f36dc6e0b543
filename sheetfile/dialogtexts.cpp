#include "dialogtexts.h"

#include "sheet/magazineprofile.h"

namespace scribel::sheetfile {

std::optional<FileDialogRequest> saveDialogRequest(Magazine magazine) {
    const MagazineProfile* profile = profileOf(magazine);
    if (profile == nullptr) {
        return std::nullopt;
    }
    return FileDialogRequest{profile->saveTitle.toString(), profile->saveFileType.toString(),
                             profile->initialName.toString(), profile->extension.toString()};
}

std::optional<FileDialogRequest> openDialogRequest(Magazine magazine) {
    std::optional<FileDialogRequest> request = saveDialogRequest(magazine);
    if (request) {
        request->title = QStringLiteral("Charger une Scribel");
        request->fileTypeText = profileOf(magazine)->openFileType.toString();
    }
    return request;
}

} // namespace scribel::sheetfile
