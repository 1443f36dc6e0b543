#pragma once

#include "platform/core/form.h"
#include "sheet/field.h"
#include "sheet/magazine.h"
#include "sheet/optiongroups.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace scribel::sheetfile {

// How one line of a sheet file stands for its field or fields.
enum class Entry {
    VersionMarker,       // "V" and the major version number
    Text,                // the field's whole text
    BirthYear,           // the year out of a day/month/year date (earlier layout only)
    Flag,                // "1" ticked, "0" not; read as a number
    OtherAssociation,    // MembreAutre with SaisieAutre: "1 " and the text, or "0"
    NumberedOption,      // the chosen option's number, read as a number
    TextOption,          // the chosen option's number, compared as text
    List,                // the chosen entry's text
    Distribution,        // "1", "2", "3", "Assimilé", or the other mode's text
    EarlierDistribution, // the same without "Assimilé", which the earlier version lacked
    Service,             // the service's number when its box is ticked
    OtherServices,       // LicenceAutres with AutresServices: the text when ticked
    Magazine,            // the magazine's number as " 1 "; only its first character is read back
};

// One row of a layout table: the line number (1 for the file's first line) and how
// the line reads and writes its fields.
struct LineRule {
    int line = 0;
    Entry entry = Entry::Text;
    Field field = Field::SaisieNom; // Text, BirthYear, Flag, List, Service
    OptionGroup options = {};       // NumberedOption, TextOption
    int number = 0;                 // Service
};

// The rows that need more than a line, an entry and a field.
constexpr LineRule service(int line, Field field, int number) {
    return {line, Entry::Service, field, {}, number};
}
constexpr LineRule numberedOption(int line, OptionGroup options) {
    return {line, Entry::NumberedOption, Field::SaisieNom, options};
}
constexpr LineRule textOption(int line, OptionGroup options) {
    return {line, Entry::TextOption, Field::SaisieNom, options};
}

// A file layout: the rules of its lines, in line order.
using LineLayout = TableView<LineRule>;

// "V" and the program's major version number: the first line of a current sheet file.
QString currentVersionMarker();

// What the line of this rule holds for the sheet in the form and its magazine.
QString writeEntry(const LineRule& rule, const Form& form, Magazine magazine);

// Applies the lines of a file (lines[0] is its line 1) to the form in the layout's
// order, each the way the author's own action would: a choice first, then the text of
// the field that hangs on it (choosing empties that field). A line that matches none of
// its values leaves the fields alone; missing lines count as empty, lines the layout
// does not name are not read. Returns the magazine that the layout's magazine line
// chooses, if it chooses one.
std::optional<Magazine> applyLines(LineLayout layout, Form& form, const QStringList& lines);

} // namespace scribel::sheetfile
