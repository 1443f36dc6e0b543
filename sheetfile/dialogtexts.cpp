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

constexpr DialogTexts kPixelorDialogTexts = {u"Enregistrer une Scribel Pixelor", u"Scribel (*.pxr)",
                                             u"(Scribels) *.pxr", u"*.pxr", u"pxr"};
constexpr DialogTexts kZorvaneDialogTexts = {u"Enregistrer une Scribel Zorvane", u"Scribel (*.zrv)",
                                             u"(Scribels) *.zrv", u"*.zrv", u"zrv"};

const DialogTexts* textsFor(Magazine magazine) {
    switch (magazine) {
    case Magazine::Pixelor:
        return &kPixelorDialogTexts;
    case Magazine::Zorvane:
        return &kZorvaneDialogTexts;
    case Magazine::None:
        break;
    }
    return nullptr;
}

} // namespace

std::optional<FileDialogRequest> saveDialogRequest(Magazine magazine) {
    const DialogTexts* texts = textsFor(magazine);
    if (texts == nullptr) {
        return std::nullopt;
    }
    return FileDialogRequest{texts->saveTitle.toString(), texts->saveFileType.toString(),
                             texts->initialName.toString(), texts->defaultSuffix.toString()};
}

std::optional<FileDialogRequest> openDialogRequest(Magazine magazine) {
    const DialogTexts* texts = textsFor(magazine);
    if (texts == nullptr) {
        return std::nullopt;
    }
    return FileDialogRequest{kOpenTitle.toString(), texts->openFileType.toString(),
                             texts->initialName.toString(), texts->defaultSuffix.toString()};
}

} // namespace scribel::sheetfile
