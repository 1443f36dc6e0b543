#include "app/actions/commandline.h"
#include "app/actions/givenfile.h"
#include "support/helpers.h"

#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace scribel;
using namespace scribel::test;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(CommandLine::Action)

class CommandLineTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsTheCommandLine_data() {
        addColumns<QStringList, CommandLine::Action, QString, QString>("arguments", "action",
                                                                       "file", "textHolds");
        const auto row = [](const char* name, std::initializer_list<const char*> arguments,
                            CommandLine::Action action, const char* file, const char* textHolds) {
            QTest::newRow(name) << utf8List(arguments) << action << utf8(file) << utf8(textHolds);
        };
        using A = CommandLine::Action;
        row("nothing", {}, A::Run, "", "");
        row("a file", {"fiche.pxr"}, A::Run, "fiche.pxr", "");
        row("toolkit options",
            {"-platform", "offscreen", "-reverse", "-title", "Ma fiche", "--name", "scribel",
             "-style=fusion", "-fn", "Arial", "-sync", "fiche.zrv"},
            A::Run, "fiche.zrv", "");
        row("a file:// address", {"file:///tmp/Fiches/%C3%89t%C3%A9%2098.pxr"}, A::Run,
            "/tmp/Fiches/Été 98.pxr", "");
        row("a file://localhost/ address", {"FILE://localhost/tmp/fiche.zrv"}, A::Run,
            "/tmp/fiche.zrv", "");
        row("another computer's file", {"file://serveur.example/fiche.pxr"}, A::Refuse, "",
            "ne désigne pas un fichier de cet ordinateur");
        row("a web address", {"https://www.zolk.example/fiche.pxr"}, A::Refuse, "",
            "ne désigne pas un fichier de cet ordinateur");
        row("a malformed address", {"file:///tmp/fiche%zz.pxr"}, A::Refuse, "",
            "l'adresse « file:///tmp/fiche%zz.pxr » est mal formée");
        row("a file named like an option", {"--", "-v.pxr"}, A::Run, "-v.pxr", "");
        row("--help", {"--help"}, A::ShowHelp, "", "Utilisation : scribel [OPTION] [FICHIER]\n");
        row("-h with a file", {"fiche.pxr", "-h"}, A::ShowHelp, "",
            "  -v, --version   affiche la version et quitte\n");
        row("--help names each magazine's files", {"--help"}, A::ShowHelp, "",
            "aux magazines Pixelor et Zorvane.\n\n  FICHIER         une Scribel à ouvrir : "
            ".pxr pour Pixelor, .zrv pour Zorvane\n");
        row("--version", {"--version"}, A::ShowVersion, "", "La Scribel 2.0\n");
        row("-v", {"-v"}, A::ShowVersion, "", "La Scribel 2.0\n");
        row("unknown long option", {"--imprimer=oui"}, A::Refuse, "",
            "scribel : option inconnue « --imprimer »\n");
        row("unknown short option", {"-x", "fiche.pxr"}, A::Refuse, "",
            "scribel : option inconnue « -x »\n");
        row("unknown option with a value", {"-x=1"}, A::Refuse, "",
            "scribel : option inconnue « -x »\n");
        row("unknown option after a file and a known one", {"fiche.pxr", "-style", "Fusion", "-x"},
            A::Refuse, "", "scribel : option inconnue « -x »\n");
        row("--version then --help", {"--version", "--help"}, A::ShowHelp, "", "Utilisation");
        row("toolkit option with = and -v", {"-style=Fusion", "-v"}, A::ShowVersion, "",
            "La Scribel 2.0\n");
        row("toolkit option without its value", {"fiche.pxr", "-style"}, A::Refuse, "",
            "l'option « -style » attend une valeur");
        row("--version=3", {"--version=3"}, A::Refuse, "",
            "l'option « --version » ne prend pas de valeur");
        row("a value that looks like an option", {"-title", "--version=3", "-style"}, A::Refuse, "",
            "l'option « -style » attend une valeur");
        row("the first misused option named", {"--version=3", "-style"}, A::Refuse, "",
            "l'option « --version » ne prend pas de valeur");
        row("two files", {"a.pxr", "b.zrv"}, A::Refuse, "",
            "une seule Scribel à la fois, 2 fichiers");
    }

    void readsTheCommandLine() {
        auto [arguments, action, file, textHolds] =
            fetch<QStringList, CommandLine::Action, QString, QString>("arguments", "action", "file",
                                                                      "textHolds");
        arguments.prepend(u"/usr/bin/scribel"_s);
        const CommandLine read = parseCommandLine(arguments);
        QCOMPARE(read.action, action);
        QCOMPARE(read.file, file);
        QVERIFY2(read.text.contains(textHolds), qPrintable(read.text));
        QCOMPARE(read.text.isEmpty(), action == CommandLine::Action::Run);
    }

    // The display the window needs: the last value given, with or without an equals sign.
    void readsTheToolkitsDisplay() {
        const CommandLine read = parseCommandLine(
            {u"scribel"_s, u"-platform=xcb"_s, u"--display=:3"_s, u"-platform"_s, u"wayland"_s});
        QCOMPARE(read.platform, u"wayland"_s);
        QCOMPARE(read.display, u":3"_s);
    }

    // The built program itself, as a terminal or a script starts it.
    void theProgramEndsWithItsOwnStatus_data() {
        // environment: added to one without any display
        addColumns<QStringList, QStringList, bool, int, QString>(
            "arguments", "environment", "outputIsFull", "status", "errorHolds");
        const auto row = [](const char* name, std::initializer_list<const char*> arguments,
                            std::initializer_list<const char*> environment, bool outputIsFull,
                            int status, const char* errorHolds) {
            QTest::newRow(name) << utf8List(arguments) << utf8List(environment) << outputIsFull
                                << status << utf8(errorHolds);
        };
        row("--version on a full disk", {"--version"}, {}, true, 1,
            "scribel : impossible d'écrire le texte demandé (disque plein)\n");
        row("an unknown option", {"--imprimer"}, {}, false, 2, "option inconnue « --imprimer »\n");
        row("no display", {"fiche.pxr"}, {}, false, 3,
            "scribel : aucun affichage graphique : ni DISPLAY ni "
            "WAYLAND_DISPLAY n'est défini");
        row("an X display that cannot be opened", {}, {"DISPLAY=:9876"}, false, 3,
            "scribel : impossible d'ouvrir l'affichage graphique "
            "« DISPLAY=:9876 »\n");
        row("-display that cannot be opened", {"-display", ":9877"}, {"QT_QPA_PLATFORM=xcb"}, false,
            3, "« DISPLAY=:9877 »");
    }

    void theProgramEndsWithItsOwnStatus() {
        const auto [arguments, environment, outputIsFull, status, errorHolds] =
            fetch<QStringList, QStringList, bool, int, QString>(
                "arguments", "environment", "outputIsFull", "status", "errorHolds");
        QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
        for (const char* name :
             {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"}) {
            variables.remove(QString::fromLatin1(name));
        }
        for (const QString& variable : environment) {
            variables.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        }
        QProcess program;
        program.setProcessEnvironment(variables);
        if (outputIsFull) {
            program.setStandardOutputFile(u"/dev/full"_s);
        }
        program.start(QStringLiteral(SCRIBEL_PROGRAM), arguments);
        QVERIFY(program.waitForFinished());
        const QString error = QString::fromUtf8(program.readAllStandardError());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), status);
        QVERIFY2(error.startsWith(u"scribel") && error.contains(errorHolds), qPrintable(error));
        QVERIFY2(!error.contains(u"qt.qpa"_s), qPrintable(error));
    }

    // The toolkit's own options, as its documentation lists them: each is passed over with
    // its value when it takes one, and the file after it is the one opened.
    void passesOverEveryToolkitOption_data() {
        QTest::addColumn<QStringList>("option");
        const QString withValue = u"platform platformpluginpath platformtheme plugin "
                                  u"qwindowgeometry qwindowicon qwindowtitle geometry display "
                                  u"style stylesheet session qmljsdebugger name title icon visual "
                                  u"fn font bg background fg foreground btn button ncols im "
                                  u"inputstyle"_s;
        for (const QString& name : withValue.split(u' ')) {
            QTest::newRow(qPrintable(name)) << QStringList{u'-' + name, u"valeur"_s};
        }
        for (const QString& name :
             u"reverse widgetcount nograb dograb sync cmap testability"_s.split(u' ')) {
            QTest::newRow(qPrintable(name)) << QStringList{u'-' + name};
        }
    }
    void passesOverEveryToolkitOption() {
        QFETCH(QStringList, option);
        const CommandLine read =
            parseCommandLine(QStringList{u"scribel"_s} + option + QStringList{u"fiche.pxr"_s});
        QCOMPARE(read.action, CommandLine::Action::Run);
        QCOMPARE(read.file, u"fiche.pxr"_s);
    }

    // What the toolkit warns of while it starts is its own to tell, after the start: the
    // program goes on. So does a program whose Qt has no translations, and it says so.
    void aWarningAtStartIsPassedOn_data() {
        addColumns<bool, QByteArray>("translations", "told");
        QTest::newRow("from the toolkit") << true << QByteArray("XDG_RUNTIME_DIR");
        QTest::newRow("no translations") << false << QByteArray("translations are missing");
    }
    void aWarningAtStartIsPassedOn() {
        const auto [translations, told] = fetch<bool, QByteArray>("translations", "told");
        QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
        variables.remove(u"XDG_RUNTIME_DIR"_s); // the toolkit warns and picks a folder itself
        variables.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        QTemporaryDir folder;
        QString path = QStringLiteral(SCRIBEL_PROGRAM);
        if (!translations) {
            // A copy of the program beside a qt.conf that sends Qt to no translations.
            path = folder.filePath(u"scribel"_s);
            QVERIFY(QFile::copy(QStringLiteral(SCRIBEL_PROGRAM), path));
            QFile conf(folder.filePath(u"qt.conf"_s));
            QVERIFY(conf.open(QIODevice::WriteOnly));
            conf.write("[Paths]\nTranslations = none\nPlugins = " +
                       QLibraryInfo::path(QLibraryInfo::PluginsPath).toUtf8() + "\n");
        }
        QProcess program;
        program.setProcessEnvironment(variables);
        program.setReadChannel(QProcess::StandardError);
        program.start(path, {u"-style"_s, u"inexistant"_s});
        QByteArray error;
        while (!error.contains(told) && program.waitForReadyRead(10000)) {
            error += program.readAllStandardError();
        }
        const bool running = program.state() == QProcess::Running;
        program.kill();
        program.waitForFinished();
        QVERIFY2(running && error.contains(told) && !error.contains("scribel\u00A0:"),
                 error.constData());
    }

    void extensionChoosesTheMagazine_data() {
        addColumns<QString, Magazine>("path", "magazine");
        QTest::newRow("pxr") << u"/tmp/fiche.pxr"_s << Magazine::Pixelor;
        QTest::newRow("PXR") << u"FICHE.PXR"_s << Magazine::Pixelor;
        QTest::newRow("zrv") << u"fiche.zrv"_s << Magazine::Zorvane;
        QTest::newRow("Zrv") << u"Été 98.Zrv"_s << Magazine::Zorvane;
        QTest::newRow("other") << u"fiche.txt"_s << Magazine::None;
        QTest::newRow("no extension") << u"pxr"_s << Magazine::None;
        QTest::newRow("backup") << u"fiche.pxr.bak"_s << Magazine::None;
        QTest::newRow("several dots") << u"fiche.v2.pxr"_s << Magazine::Pixelor;
        QTest::newRow("folder") << u"/tmp/fiches.zrv/fiche"_s << Magazine::None;
    }

    void extensionChoosesTheMagazine() {
        const auto [path, magazine] = fetch<QString, Magazine>("path", "magazine");
        QCOMPARE(magazineOfFileName(path), magazine);
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
