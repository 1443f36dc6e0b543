#include "magazineprofile.h"

#include <QStringList>
#include <algorithm>

namespace scribel {

namespace {

// Where the distribution options stand on a sheet that offers Shareware, and on one that
// offers Assimilé in its place.
constexpr std::array<OptionPlace, 5> kWithShareware = {{
    {Field::Shareware, true, 1200},
    {Field::Freeware, true, 1680},
    {Field::Assimile, false, 2160},
    {Field::DomainePublic, true, 2160},
    {Field::OptionAutre, true, 2640},
}};

constexpr std::array<OptionPlace, 5> kWithAssimile = {{
    {Field::Shareware, false, 1200},
    {Field::Freeware, true, 1680},
    {Field::Assimile, true, 2160},
    {Field::DomainePublic, true, 2640},
    {Field::OptionAutre, true, 3120},
}};

} // namespace

// Each row in the order of the members; the first one names them. Constant, so that it is
// ready before any other static is made.
constexpr std::array<MagazineProfile, kMagazineCount> kMagazineProfiles = {{
    {
        Magazine::Pixelor,
        u"Pixelor",                                           // name
        u"pxr",                                               // extension
        1,                                                    // fileNumber
        u"TitrePixelor",                                      // titleControl
        u":/images/titre-pixelor.png",                        // titlePicture
        u":/images/bouton-pixelor.bmp",                       // buttonPicture
        600,                                                  // titleLeft
        1800,                                                 // buttonLeft
        u"Inédit Pixelor",                                    // ineditCaption
        kWithShareware,                                       // distributionOptions
        true,                                                 // carriesLicence
        true,                                                 // convertsPrice
        Field::SaisieRetribution,                             // licenceTabFocus
        u"Enregistrer une Scribel Pixelor",                   // saveTitle
        u"Scribel (*.pxr)",                                   // saveFileType
        u"(Scribels) *.pxr",                                  // openFileType
        u"*.pxr",                                             // initialName
        u"FICHE LOGICIEL PXR",                                // printedTitle
        u"forme que ce soit, selon les règles du Shareware.", // certificationClosing
        u"Morvel Presse - Service Auteurs PXR",               // serviceLine
    },
    {
        Magazine::Zorvane,
        u"Zorvane",
        u"zrv",
        2,
        u"TitreZorvane",
        u":/images/titre-zorvane.png",
        u":/images/bouton-zorvane.bmp",
        960,
        3960,
        u"Inédit Zorvane",
        kWithAssimile,
        false,
        false,
        std::nullopt,
        u"Enregistrer une Scribel Zorvane",
        u"Scribel (*.zrv)",
        u"(Scribels) *.zrv",
        u"*.zrv",
        u"FICHE LOGICIEL FREEWARE",
        u"forme que ce soit, selon les règles du Freeware.",
        u"Morvel Presse - Service Auteurs ZORVANE",
    },
}};

namespace {

template <typename Match> const MagazineProfile* findProfile(Match matches) {
    const auto* found = std::find_if(kMagazineProfiles.begin(), kMagazineProfiles.end(), matches);
    return found != kMagazineProfiles.end() ? found : nullptr;
}

} // namespace

const MagazineProfile* profileOf(Magazine magazine) {
    return findProfile(
        [magazine](const MagazineProfile& profile) { return profile.magazine == magazine; });
}

const MagazineProfile* profileWithExtension(QStringView extension) {
    return findProfile([extension](const MagazineProfile& profile) {
        return extension.compare(profile.extension, Qt::CaseInsensitive) == 0;
    });
}

const MagazineProfile* profileOnMagazineLine(QStringView line) {
    return findProfile([line](const MagazineProfile& profile) {
        return line.startsWith(QString::number(profile.fileNumber));
    });
}

QStringView ineditCaption(Magazine magazine) {
    const MagazineProfile* profile = profileOf(magazine);
    return (profile != nullptr ? *profile : kMagazineProfiles.front()).ineditCaption;
}

QString listForEachMagazine(QString (*textOf)(const MagazineProfile&), QStringView conjunction) {
    QStringList texts;
    for (const MagazineProfile& profile : kMagazineProfiles) {
        texts.append(textOf(profile));
    }
    const QString last = texts.takeLast();
    return texts.isEmpty() ? last
                           : texts.join(QStringLiteral(", ")) + conjunction.toString() + last;
}

} // namespace scribel
