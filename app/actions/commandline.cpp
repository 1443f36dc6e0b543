#include "commandline.h"

#include "sheet/magazineprofile.h"
#include "version.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <QSysInfo>
#include <QUrl>
#include <optional>

namespace scribel {

namespace {

// The toolkit's own options, taken from the command line by QApplication and its display
// plugins (and the older X11 ones, which it now ignores): accepted here, whether with a
// space or an equals sign before the value, and left out of the help.
struct ToolkitOption {
    const char16_t* name;
    bool takesValue;
};
constexpr ToolkitOption kToolkitOptions[] = {
    {u"platform", true},
    {u"platformpluginpath", true},
    {u"platformtheme", true},
    {u"plugin", true},
    {u"qwindowgeometry", true},
    {u"qwindowicon", true},
    {u"qwindowtitle", true},
    {u"geometry", true},
    {u"display", true},
    {u"style", true},
    {u"stylesheet", true},
    {u"session", true},
    {u"qmljsdebugger", true},
    {u"name", true},
    {u"title", true},
    {u"icon", true},
    {u"visual", true},
    {u"fn", true},
    {u"font", true},
    {u"bg", true},
    {u"background", true},
    {u"fg", true},
    {u"foreground", true},
    {u"btn", true},
    {u"button", true},
    {u"ncols", true},
    {u"im", true},
    {u"inputstyle", true},
    {u"reverse", false},
    {u"widgetcount", false},
    {u"nograb", false},
    {u"dograb", false},
    {u"sync", false},
    {u"cmap", false},
    {u"testability", false},
};

QString helpText() {
    const QString names = listForEachMagazine(
        [](const MagazineProfile& magazine) { return magazine.name.toString(); }, u" et ");
    const QString extensions = listForEachMagazine(
        [](const MagazineProfile& magazine) {
            return QStringLiteral(".%1 pour %2").arg(magazine.extension, magazine.name);
        },
        u", ");
    return QStringLiteral("Utilisation : scribel [OPTION] [FICHIER]\n"
                          "Remplit, enregistre et imprime la Scribel, la fiche de soumission\n"
                          "d'un logiciel aux magazines ") +
           names + QStringLiteral(".\n\n  FICHIER         une Scribel à ouvrir : ") + extensions +
           QStringLiteral("\n"
                          "                  (un chemin, ou une adresse file://)\n"
                          "  -h, --help      affiche cette aide et quitte\n"
                          "  -v, --version   affiche la version et quitte\n"
                          "\n"
                          "Sans FICHIER, la fenêtre s'ouvre sans magazine choisi.\n") +
           messageTitle() + u'\n';
}

// An argument that reads as an option, split into its name (without dashes) and whether
// an equals sign follows it.
struct TypedOption {
    QString typed; // as the author typed it, dashes included, value left out
    QString name;
    bool hasValue = false;
};

std::optional<TypedOption> optionIn(const QString& argument) {
    if (argument.size() < 2 || !argument.startsWith(u'-')) {
        return std::nullopt;
    }
    TypedOption option;
    option.typed = argument.section(u'=', 0, 0);
    option.hasValue = argument.contains(u'=');
    option.name = option.typed.mid(option.typed.startsWith(QStringLiteral("--")) ? 2 : 1);
    return option;
}

QString refusal(const QString& reason) {
    return QStringLiteral("scribel : %1\nPour en savoir plus : scribel --help\n").arg(reason);
}

// Why the parser refused options it knows: one that takes no value was given one, or the
// last one lacks its value.
QString misusedOption(const QStringList& arguments, const QStringList& known,
                      const QStringList& withValue) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QStringLiteral("--")) {
            break;
        }
        const std::optional<TypedOption> option = optionIn(arguments[i]);
        if (!option || !known.contains(option->name)) {
            continue;
        }
        if (!withValue.contains(option->name)) {
            if (option->hasValue) {
                return QStringLiteral("l'option « %1 » ne prend pas de valeur").arg(option->typed);
            }
        } else if (!option->hasValue) {
            if (i + 1 == arguments.size()) {
                return QStringLiteral("l'option « %1 » attend une valeur").arg(option->typed);
            }
            ++i; // its value
        }
    }
    return QStringLiteral("une option est mal employée");
}

// A file manager may hand the sheet over as a file:// address.
struct FileAddress {
    QString path;
    QString fault;
};

std::optional<FileAddress> fileAddress(const QString& argument) {
    static const QRegularExpression addressStart(QStringLiteral("^(file:|[a-z][a-z0-9+.-]*://)"),
                                                 QRegularExpression::CaseInsensitiveOption);
    if (!addressStart.match(argument).hasMatch()) {
        return std::nullopt;
    }
    const QUrl url(argument, QUrl::StrictMode);
    if (!url.isValid() || url.path().isEmpty()) {
        return FileAddress{{}, QStringLiteral("l'adresse « %1 » est mal formée").arg(argument)};
    }
    const QString host = url.host();
    if (url.scheme().compare(QStringLiteral("file"), Qt::CaseInsensitive) != 0 ||
        !(host.isEmpty() || host.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0 ||
          host.compare(QSysInfo::machineHostName(), Qt::CaseInsensitive) == 0)) {
        return FileAddress{{},
                           QStringLiteral("l'adresse « %1 » ne désigne pas un fichier de cet "
                                          "ordinateur : enregistrez-le d'abord sur le disque")
                               .arg(argument)};
    }
    QUrl local = url; // this computer's own name stands for no name
    local.setHost(QString());
    return FileAddress{local.toLocalFile(), {}};
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOption(help);
    parser.addOption(version);
    QStringList known = {QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("v"),
                         QStringLiteral("version")};
    QStringList withValue;
    for (const ToolkitOption& toolkit : kToolkitOptions) {
        QCommandLineOption option(QString::fromUtf16(toolkit.name), QString(),
                                  toolkit.takesValue ? QStringLiteral("valeur") : QString());
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
        known.append(option.names());
        if (toolkit.takesValue) {
            withValue.append(option.names());
        }
    }

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            QString typed = QStringLiteral("--") + unknown.first();
            for (const QString& argument : arguments.mid(1)) {
                const std::optional<TypedOption> option = optionIn(argument);
                if (option && option->name == unknown.first()) {
                    typed = option->typed;
                    break;
                }
            }
            return {CommandLine::Action::Refuse,
                    {},
                    refusal(QStringLiteral("option inconnue « %1 »").arg(typed)),
                    {},
                    {}};
        }
        return {CommandLine::Action::Refuse,
                {},
                refusal(misusedOption(arguments, known, withValue)),
                {},
                {}};
    }
    if (parser.isSet(help)) {
        return {CommandLine::Action::ShowHelp, {}, helpText(), {}, {}};
    }
    if (parser.isSet(version)) {
        return {CommandLine::Action::ShowVersion, {}, messageTitle() + u'\n', {}, {}};
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        return {CommandLine::Action::Refuse,
                {},
                refusal(QStringLiteral("une seule Scribel à la fois, %1 fichiers sont nommés")
                            .arg(files.size())),
                {},
                {}};
    }
    CommandLine read{CommandLine::Action::Run, files.value(0), {}, {}, {}};
    if (const std::optional<FileAddress> address = fileAddress(read.file)) {
        if (!address->fault.isEmpty()) {
            return {CommandLine::Action::Refuse, {}, refusal(address->fault), {}, {}};
        }
        read.file = address->path;
    }
    read.platform = parser.value(QStringLiteral("platform"));
    read.display = parser.value(QStringLiteral("display"));
    return read;
}

} // namespace scribel
