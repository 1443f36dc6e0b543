#include "lineentry.h"

#include "sheet/magazineprofile.h"
#include "version.h"

namespace scribel::sheetfile {

namespace {

constexpr std::size_t kEarlierDistributionValues = 3; // the earlier version knew no "Assimilé"

constexpr int kNoValue = -1;
constexpr int kLargestValue = 9999; // far above every number of the sheet

QString chosenOptionNumber(const OptionGroup& options, const Form& form) {
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (form.isOn(options[i].field)) {
            return QString::number(i + 1);
        }
    }
    return {};
}

QString distributionValue(const Form& form) {
    for (const DistributionMode& mode : kDistributionModes) {
        if (form.isOn(mode.option)) {
            return mode.fileValue.toString();
        }
    }
    if (form.isOn(Field::OptionAutre)) {
        return form.text(Field::SaisieDiffuAutre);
    }
    return {};
}

// Saving writes the magazine's profile number (0 for none) the way a number is printed:
// sign position, digits, space.
QString magazineLine(Magazine magazine) {
    const MagazineProfile* profile = profileOf(magazine);
    return QLatin1Char(' ') + QString::number(profile != nullptr ? profile->fileNumber : 0) +
           QLatin1Char(' ');
}

// A line read as a decimal number: spaces around it and leading zeros allowed. An empty
// line, a sign or any other character makes it no number. Numbers too large for any
// value of the sheet come back as -1, which matches nothing.
std::optional<int> readNumber(QStringView line) {
    while (line.startsWith(u' ')) {
        line = line.mid(1);
    }
    while (line.endsWith(u' ')) {
        line.chop(1);
    }
    if (line.isEmpty()) {
        return std::nullopt;
    }
    int value = 0;
    for (const QChar ch : line) {
        if (ch < u'0' || ch > u'9') {
            return std::nullopt;
        }
        if (value != kNoValue) {
            value = value * 10 + (ch.unicode() - u'0');
            if (value > kLargestValue) {
                value = kNoValue; // the digits are still checked to the end
            }
        }
    }
    return value;
}

void chooseNumberedOption(const OptionGroup& options, const QString& line, Form& form) {
    const int number = readNumber(line).value_or(kNoValue);
    if (number >= 1 && static_cast<std::size_t>(number) <= options.size()) {
        form.setOn(options[static_cast<std::size_t>(number - 1)].field, true);
    }
}

void chooseTextOption(const OptionGroup& options, const QString& line, Form& form) {
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (line == QString::number(i + 1)) {
            form.setOn(options[i].field, true);
        }
    }
}

void applyFlag(Field field, const QString& line, Form& form) {
    const int number = readNumber(line).value_or(kNoValue);
    if (number == 0 || number == 1) {
        form.setOn(field, number == 1);
    }
}

void applyOtherAssociation(const QString& line, Form& form) {
    const int number = readNumber(QStringView(line).left(1)).value_or(kNoValue);
    if (number == 0) {
        form.setOn(Field::MembreAutre, false);
        form.setText(Field::SaisieAutre, QString());
    } else if (number == 1) {
        form.setOn(Field::MembreAutre, true);
        form.setText(Field::SaisieAutre, line.mid(2));
    }
}

void applyDistribution(const QString& line, Form& form, std::size_t knownValues) {
    if (line.isEmpty()) {
        return;
    }
    for (std::size_t i = 0; i < knownValues; ++i) {
        if (line == kDistributionModes[i].fileValue) {
            form.setOn(kDistributionModes[i].option, true);
            return;
        }
    }
    form.setOn(Field::OptionAutre, true);
    form.setText(Field::SaisieDiffuAutre, line);
}

void applyEntry(const LineRule& rule, const QString& line, Form& form,
                std::optional<Magazine>& magazine) {
    switch (rule.entry) {
    case Entry::VersionMarker:
        break;
    case Entry::Text:
        form.setText(rule.field, line);
        break;
    case Entry::BirthYear:
        form.setText(rule.field, line.mid(6, 4));
        break;
    case Entry::Flag:
        applyFlag(rule.field, line, form);
        break;
    case Entry::OtherAssociation:
        applyOtherAssociation(line, form);
        break;
    case Entry::NumberedOption:
        chooseNumberedOption(rule.options, line, form);
        break;
    case Entry::TextOption:
        chooseTextOption(rule.options, line, form);
        break;
    case Entry::List:
        if (!line.isEmpty()) {
            form.setText(rule.field, line);
        }
        break;
    case Entry::Distribution:
        applyDistribution(line, form, std::size(kDistributionModes));
        break;
    case Entry::EarlierDistribution:
        applyDistribution(line, form, kEarlierDistributionValues);
        break;
    case Entry::Service:
        if (line == QString::number(rule.number)) {
            form.setOn(rule.field, true);
        }
        break;
    case Entry::OtherServices:
        if (!line.isEmpty()) {
            form.setOn(Field::LicenceAutres, true);
            form.setText(Field::AutresServices, line);
        }
        break;
    case Entry::Magazine:
        if (const MagazineProfile* profile = profileOnMagazineLine(line)) {
            magazine = profile->magazine;
        }
        break;
    }
}

} // namespace

QString currentVersionMarker() {
    return QLatin1Char('V') + QString::number(kVersionMajor);
}

QString writeEntry(const LineRule& rule, const Form& form, Magazine magazine) {
    switch (rule.entry) {
    case Entry::VersionMarker:
        return currentVersionMarker();
    case Entry::Text:
    case Entry::List:
        return form.text(rule.field);
    case Entry::Flag:
        return form.isOn(rule.field) ? QStringLiteral("1") : QStringLiteral("0");
    case Entry::OtherAssociation:
        return form.isOn(Field::MembreAutre) ? QStringLiteral("1 ") + form.text(Field::SaisieAutre)
                                             : QStringLiteral("0");
    case Entry::NumberedOption:
    case Entry::TextOption:
        return chosenOptionNumber(rule.options, form);
    case Entry::Distribution:
        return distributionValue(form);
    case Entry::Service:
        return form.isOn(rule.field) ? QString::number(rule.number) : QString();
    case Entry::OtherServices:
        return form.isOn(Field::LicenceAutres) ? form.text(Field::AutresServices) : QString();
    case Entry::Magazine:
        return magazineLine(magazine);
    case Entry::BirthYear:
    case Entry::EarlierDistribution:
        break; // the earlier layout is only ever read
    }
    return {};
}

std::optional<Magazine> applyLines(LineLayout layout, Form& form, const QStringList& lines) {
    std::optional<Magazine> magazine;
    for (const LineRule& rule : layout) {
        applyEntry(rule, lines.value(rule.line - 1), form, magazine);
    }
    return magazine;
}

} // namespace scribel::sheetfile
