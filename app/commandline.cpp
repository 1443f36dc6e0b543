#include "commandline.h"

#include "version.h"

#include <QCommandLineParser>

namespace scribel {

namespace {

// The toolkit's own options, taken from the command line by QApplication itself:
// accepted here and left out of the help.
struct ToolkitOption {
    const char16_t* name;
    bool takesValue;
};
constexpr ToolkitOption kToolkitOptions[] = {
    {u"platform", true},        {u"platformpluginpath", true},
    {u"platformtheme", true},   {u"plugin", true},
    {u"qwindowgeometry", true}, {u"qwindowicon", true},
    {u"qwindowtitle", true},    {u"geometry", true},
    {u"display", true},         {u"style", true},
    {u"stylesheet", true},      {u"session", true},
    {u"reverse", false},        {u"widgetcount", false},
    {u"nograb", false},         {u"dograb", false},
    {u"sync", false},
};

QString helpText() {
    return QStringLiteral(
               "Utilisation : scribel [OPTION] [FICHIER]\n"
               "Remplit, enregistre et imprime la Scribel, la fiche de soumission\n"
               "d'un logiciel aux magazines Pixelor et Zorvane.\n"
               "\n"
               "  FICHIER         une Scribel à ouvrir : .pxr pour Pixelor, .zrv pour Zorvane\n"
               "  -h, --help      affiche cette aide et quitte\n"
               "  -v, --version   affiche la version et quitte\n"
               "\n"
               "Sans FICHIER, la fenêtre s'ouvre sans magazine choisi.\n") +
           messageTitle() + u'\n';
}

// The option as the author typed it, dashes included.
QString asTyped(const QStringList& arguments, const QString& name) {
    for (const QString& argument : arguments.mid(1)) {
        QString bare = argument.section(u'=', 0, 0);
        if (bare.startsWith(u'-') &&
            bare.mid(bare.startsWith(QStringLiteral("--")) ? 2 : 1) == name) {
            return bare;
        }
    }
    return QStringLiteral("--") + name;
}

QString refusal(const QString& reason) {
    return QStringLiteral("scribel : %1\nPour en savoir plus : scribel --help\n").arg(reason);
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOption(help);
    parser.addOption(version);
    for (const ToolkitOption& toolkit : kToolkitOptions) {
        QCommandLineOption option(QString::fromUtf16(toolkit.name), QString(),
                                  toolkit.takesValue ? QStringLiteral("valeur") : QString());
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            return {CommandLine::Action::Refuse,
                    {},
                    refusal(QStringLiteral("option inconnue « %1 »")
                                .arg(asTyped(arguments, unknown.first())))};
        }
        // The only other fault: a toolkit option given without its value.
        return {CommandLine::Action::Refuse,
                {},
                refusal(QStringLiteral("une option attend une valeur"))};
    }
    if (parser.isSet(help)) {
        return {CommandLine::Action::ShowHelp, {}, helpText()};
    }
    if (parser.isSet(version)) {
        return {CommandLine::Action::ShowVersion, {}, messageTitle() + u'\n'};
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        return {CommandLine::Action::Refuse,
                {},
                refusal(QStringLiteral("une seule Scribel à la fois, %1 fichiers sont nommés")
                            .arg(files.size()))};
    }
    return {CommandLine::Action::Run, files.value(0), {}};
}

} // namespace scribel
