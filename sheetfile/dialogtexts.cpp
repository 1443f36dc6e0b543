#include "dialogtexts.h"

#include <QStringView>

namespace scribel::sheetfile {

namespace {

struct DialogTexts {
    QStringView saveTitle;
    QStringView saveFileType;
    QStringView openFileType;
    QStringView initialName;
    QStringView defaultSuffix;
};

constexpr QStringView kOpenTitle = u"Charger une Scribel";

// By magazine: 1 Pixelor, 2 Zorvane.
constexpr DialogTexts kDialogTexts[] = {
    {u"Enregistrer une Scribel Pixelor", u"Scribel (*.pxr)", u"(Scribels) *.pxr", u"*.pxr", u"pxr"},
    {u"Enregistrer une Scribel Zorvane", u"Scribel (*.zrv)", u"(Scribels) *.zrv", u"*.zrv", u"zrv"},
};

const DialogTexts* textsFor(int magazine) {
    if (magazine < 1 || magazine > static_cast<int>(std::size(kDialogTexts))) {
        return nullptr;
    }
    return &kDialogTexts[magazine - 1];
}

} // namespace

std::optional<FileDialogRequest> saveDialogRequest(int magazine) {
    const DialogTexts* texts = textsFor(magazine);
    if (texts == nullptr) {
        return std::nullopt;
    }
    return FileDialogRequest{texts->saveTitle.toString(), texts->saveFileType.toString(),
                             texts->initialName.toString(), texts->defaultSuffix.toString()};
}

std::optional<FileDialogRequest> openDialogRequest(int magazine) {
    const DialogTexts* texts = textsFor(magazine);
    if (texts == nullptr) {
        return std::nullopt;
    }
    return FileDialogRequest{kOpenTitle.toString(), texts->openFileType.toString(),
                             texts->initialName.toString(), texts->defaultSuffix.toString()};
}

} // namespace scribel::sheetfile
