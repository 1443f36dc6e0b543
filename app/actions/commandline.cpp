#include "commandline.h"

#include "sheet/magazineprofile.h"
#include "version.h"

#include <QRegularExpression>
#include <QSysInfo>
#include <QUrl>

namespace scribel {

using namespace Qt::Literals::StringLiterals;

namespace {

// The toolkit's own options (QApplication's, its display plugins', the older X11 ones): accepted
// with a space or an equals sign before the value, and left out of the help.
constexpr QStringView kToolkitOptionsWithValue =
    u"platform platformpluginpath platformtheme plugin qwindowgeometry qwindowicon qwindowtitle "
    u"geometry display style stylesheet session qmljsdebugger name title icon visual fn font bg "
    u"background fg foreground btn button ncols im inputstyle";
constexpr QStringView kToolkitFlags = u"reverse widgetcount nograb dograb sync cmap testability";

bool isOneOf(QStringView names, QStringView name) {
    return names.split(u' ').contains(name);
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
    // Only the first unknown or misused option is told.
    const auto keepFirst = [](QString& told, const QString& text) {
        if (told.isEmpty()) {
            told = text;
        }
    };
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
        const bool isHelp = isOneOf(u"h help", name);
        const bool isVersion = isOneOf(u"v version", name);
        const bool takesValue = isOneOf(kToolkitOptionsWithValue, name);
        if (!isHelp && !isVersion && !takesValue && !isOneOf(kToolkitFlags, name)) {
            keepFirst(read.unknown, typed);
            continue;
        }
        const bool lacksValue = takesValue && !hasValue && i + 1 == arguments.size();
        if (lacksValue || (!takesValue && hasValue)) {
            keepFirst(read.misuse, (lacksValue ? u"l'option « %1 » attend une valeur"_s
                                               : u"l'option « %1 » ne prend pas de valeur"_s)
                                       .arg(typed));
            continue;
        }
        const QString value = takesValue && !hasValue ? arguments[++i] : argument.section(u'=', 1);
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

// A file manager may hand the sheet over as a file:// address: the local path it names, or
// why it names none.
struct LocalFile {
    QString path;
    QString fault;
};

LocalFile localFile(const QString& argument) {
    static const QRegularExpression addressStart(QStringLiteral("^(file:|[a-z][a-z0-9+.-]*://)"),
                                                 QRegularExpression::CaseInsensitiveOption);
    if (!addressStart.match(argument).hasMatch()) {
        return {argument, {}};
    }
    const QUrl url(argument, QUrl::StrictMode);
    if (!url.isValid() || url.path().isEmpty()) {
        return {{}, QStringLiteral("l'adresse « %1 » est mal formée").arg(argument)};
    }
    const QString host = url.host();
    if (url.scheme().compare(QStringLiteral("file"), Qt::CaseInsensitive) != 0 ||
        !(host.isEmpty() || host.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0 ||
          host.compare(QSysInfo::machineHostName(), Qt::CaseInsensitive) == 0)) {
        return {{},
                QStringLiteral("l'adresse « %1 » ne désigne pas un fichier de cet "
                               "ordinateur : enregistrez-le d'abord sur le disque")
                    .arg(argument)};
    }
    QUrl local = url; // this computer's own name stands for no name
    local.setHost(QString());
    return {local.toLocalFile(), {}};
}

CommandLine shown(CommandLine::Action action, const QString& text) {
    CommandLine line;
    line.action = action;
    line.text = text;
    return line;
}

CommandLine refused(const QString& reason) {
    return shown(
        CommandLine::Action::Refuse,
        QStringLiteral("scribel : %1\nPour en savoir plus : scribel --help\n").arg(reason));
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
    const LocalFile file = localFile(read.files.value(0));
    if (!file.fault.isEmpty()) {
        return refused(file.fault);
    }
    CommandLine line;
    line.file = file.path;
    line.platform = read.platform;
    line.display = read.display;
    return line;
}

} // namespace scribel
