#include "commandline.h"

#include "sheet/magazineprofile.h"
#include "version.h"

#include <QRegularExpression>
#include <QSysInfo>
#include <QUrl>
#include <algorithm>
#include <iterator>
#include <optional>

namespace scribel {

namespace {

// The toolkit's own options, taken from the command line by QApplication and its display
// plugins (and the older X11 ones, which it now ignores): accepted here, whether with a
// space or an equals sign before the value, and left out of the help.
constexpr QStringView kToolkitOptionsWithValue[] = {u"platform",
                                                    u"platformpluginpath",
                                                    u"platformtheme",
                                                    u"plugin",
                                                    u"qwindowgeometry",
                                                    u"qwindowicon",
                                                    u"qwindowtitle",
                                                    u"geometry",
                                                    u"display",
                                                    u"style",
                                                    u"stylesheet",
                                                    u"session",
                                                    u"qmljsdebugger",
                                                    u"name",
                                                    u"title",
                                                    u"icon",
                                                    u"visual",
                                                    u"fn",
                                                    u"font",
                                                    u"bg",
                                                    u"background",
                                                    u"fg",
                                                    u"foreground",
                                                    u"btn",
                                                    u"button",
                                                    u"ncols",
                                                    u"im",
                                                    u"inputstyle"};
constexpr QStringView kToolkitFlags[] = {u"reverse", u"widgetcount", u"nograb",     u"dograb",
                                         u"sync",    u"cmap",        u"testability"};

template <std::size_t N> bool contains(const QStringView (&names)[N], QStringView name) {
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

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

QString refusal(const QString& reason) {
    return QStringLiteral("scribel : %1\nPour en savoir plus : scribel --help\n").arg(reason);
}

// The options as typed, read in one pass: `--` ends them, and an option that takes a value
// without an equals sign takes the next argument, whatever it looks like.
struct ReadOptions {
    bool help = false;
    bool version = false;
    QStringList files;
    QString platform;
    QString display;
    QString unknown; // the first unknown option, as typed
    QString misuse;  // why the first misused option is wrong
};

ReadOptions readOptions(const QStringList& arguments) {
    ReadOptions read;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || !argument.startsWith(u'-')) {
            read.files.append(argument);
            continue;
        }
        if (argument == QStringLiteral("--")) {
            optionsEnded = true;
            continue;
        }
        const QString typed = argument.section(u'=', 0, 0);
        const QString name = typed.mid(typed.startsWith(QStringLiteral("--")) ? 2 : 1);
        const bool hasValue = argument.contains(u'=');
        const bool isHelp = name == QStringLiteral("h") || name == QStringLiteral("help");
        const bool isVersion = name == QStringLiteral("v") || name == QStringLiteral("version");
        const bool takesValue = contains(kToolkitOptionsWithValue, name);
        if (!isHelp && !isVersion && !takesValue && !contains(kToolkitFlags, name)) {
            if (read.unknown.isEmpty()) {
                read.unknown = typed;
            }
            continue;
        }
        QString value = argument.section(u'=', 1);
        if (takesValue && !hasValue) {
            if (i + 1 == arguments.size()) {
                if (read.misuse.isEmpty()) {
                    read.misuse = QStringLiteral("l'option « %1 » attend une valeur").arg(typed);
                }
                break;
            }
            value = arguments[++i];
        } else if (!takesValue && hasValue) {
            if (read.misuse.isEmpty()) {
                read.misuse = QStringLiteral("l'option « %1 » ne prend pas de valeur").arg(typed);
            }
            continue;
        }
        read.help = read.help || isHelp;
        read.version = read.version || isVersion;
        if (name == QStringLiteral("platform")) {
            read.platform = value;
        } else if (name == QStringLiteral("display")) {
            read.display = value;
        }
    }
    return read;
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

CommandLine refused(const QString& reason) {
    CommandLine line;
    line.action = CommandLine::Action::Refuse;
    line.text = refusal(reason);
    return line;
}

CommandLine shown(CommandLine::Action action, const QString& text) {
    CommandLine line;
    line.action = action;
    line.text = text;
    return line;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    const ReadOptions read = readOptions(arguments);
    if (!read.unknown.isEmpty()) {
        return refused(QStringLiteral("option inconnue « %1 »").arg(read.unknown));
    }
    if (!read.misuse.isEmpty()) {
        return refused(read.misuse);
    }
    if (read.help) {
        return shown(CommandLine::Action::ShowHelp, helpText());
    }
    if (read.version) {
        return shown(CommandLine::Action::ShowVersion, messageTitle() + u'\n');
    }
    if (read.files.size() > 1) {
        return refused(QStringLiteral("une seule Scribel à la fois, %1 fichiers sont nommés")
                           .arg(read.files.size()));
    }
    CommandLine line;
    line.file = read.files.value(0);
    if (const std::optional<FileAddress> address = fileAddress(line.file)) {
        if (!address->fault.isEmpty()) {
            return refused(address->fault);
        }
        line.file = address->path;
    }
    line.platform = read.platform;
    line.display = read.display;
    return line;
}

} // namespace scribel
