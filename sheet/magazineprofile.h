#pragma once

#include "sheet/field.h"
#include "sheet/magazine.h"

#include <QString>
#include <QStringView>
#include <array>
#include <optional>

namespace scribel {

// Where a distribution option stands on its tab for a magazine, in twips, and whether
// the magazine offers it at all.
struct OptionPlace {
    Field option;
    bool shown;
    double top;
};

// Everything that differs from one magazine to another, one row per magazine. Code asks
// the profile instead of testing which magazine it is.
struct MagazineProfile {
    Magazine magazine;
    QStringView name;      // its button's name and caption; the end of the window's title
    QStringView extension; // of its sheet files, without the dot, in lower case
    int fileNumber;        // how the magazine line of its sheet files names it (0 is none)

    // The window
    QStringView titleControl;  // the picture shown over the start tab once it is chosen
    QStringView titlePicture;  // that picture's resource
    QStringView buttonPicture; // its button's picture
    double titleLeft;          // where title and button stand until the window centres them
    double buttonLeft;
    QStringView ineditCaption; // DiffuInedit's caption, which the page prints as it reads
    // The distribution options in their tab's order; SaisieDiffuAutre stands on the row of
    // OptionAutre.
    std::array<OptionPlace, 5> distributionOptions;
    bool carriesLicence; // the licence tab's controls are shown and the page prints them
    bool convertsPrice;  // the price is read as francs and printed in euros too
    std::optional<Field> licenceTabFocus; // where the focus goes on the licence tab

    // The save and open dialogs
    QStringView saveTitle;
    QStringView saveFileType;
    QStringView openFileType;
    QStringView initialName;

    // The printed page
    QStringView printedTitle;
    QStringView certificationClosing;
    QStringView serviceLine;
};

// Every magazine's profile, in the order of their buttons; the first one is the window's
// until a magazine is chosen. Magazine::None has none.
extern const std::array<MagazineProfile, kMagazineCount> kMagazineProfiles;

// The profile of a magazine; none for Magazine::None.
const MagazineProfile* profileOf(Magazine magazine);

// The magazine whose sheet files end in this extension (without the dot), in any case.
const MagazineProfile* profileWithExtension(QStringView extension);

// The magazine whose number a sheet file's magazine line starts with, if any: " 1 ", as
// saving writes it, names none.
const MagazineProfile* profileOnMagazineLine(QStringView line);

// DiffuInedit's caption and printed text: the chosen magazine's, or the first
// magazine's while none is chosen, as the window shows it at start.
QStringView ineditCaption(Magazine magazine);

// One text per magazine in the table's order, listed as French lists them: "a, b et c"
// with the conjunction " et ", or a lone "a".
QString listForEachMagazine(QString (*textOf)(const MagazineProfile&), QStringView conjunction);

} // namespace scribel
