#include "app/actions/commandline.h"
#include "app/actions/givenfile.h"
#include "support/helpers.h"

#include <QProcess>
#include <QTest>

using namespace scribel;

Q_DECLARE_METATYPE(CommandLine::Action)

class CommandLineTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsTheCommandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<CommandLine::Action>("action");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("textHolds");
        using A = CommandLine::Action;
        QTest::newRow("nothing") << QStringList{} << A::Run << QString() << QString();
        QTest::newRow("a file") << QStringList{QStringLiteral("fiche.pxr")} << A::Run
                                << QStringLiteral("fiche.pxr") << QString();
        QTest::newRow("toolkit options")
            << QStringList{QStringLiteral("-platform"), QStringLiteral("offscreen"),
                           QStringLiteral("-reverse"),  QStringLiteral("-title"),
                           QStringLiteral("Ma fiche"),  QStringLiteral("--name"),
                           QStringLiteral("scribel"),   QStringLiteral("-style=fusion"),
                           QStringLiteral("-fn"),       QStringLiteral("Arial"),
                           QStringLiteral("-sync"),     QStringLiteral("fiche.zrv")}
            << A::Run << QStringLiteral("fiche.zrv") << QString();
        QTest::newRow("a file:// address")
            << QStringList{QStringLiteral("file:///tmp/Fiches/%C3%89t%C3%A9%2098.pxr")} << A::Run
            << QStringLiteral("/tmp/Fiches/Été 98.pxr") << QString();
        QTest::newRow("a file://localhost/ address")
            << QStringList{QStringLiteral("FILE://localhost/tmp/fiche.zrv")} << A::Run
            << QStringLiteral("/tmp/fiche.zrv") << QString();
        QTest::newRow("another computer's file")
            << QStringList{QStringLiteral("file://serveur.example/fiche.pxr")} << A::Refuse
            << QString() << QStringLiteral("ne désigne pas un fichier de cet ordinateur");
        QTest::newRow("a web address")
            << QStringList{QStringLiteral("https://www.zolk.example/fiche.pxr")} << A::Refuse
            << QString() << QStringLiteral("ne désigne pas un fichier de cet ordinateur");
        QTest::newRow("a malformed address")
            << QStringList{QStringLiteral("file:///tmp/fiche%zz.pxr")} << A::Refuse << QString()
            << QStringLiteral("l'adresse « file:///tmp/fiche%zz.pxr » est mal formée");
        QTest::newRow("a file named like an option")
            << QStringList{QStringLiteral("--"), QStringLiteral("-v.pxr")} << A::Run
            << QStringLiteral("-v.pxr") << QString();
        QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << A::ShowHelp << QString()
                                << QStringLiteral("Utilisation : scribel [OPTION] [FICHIER]\n");
        QTest::newRow("--help names each magazine's files")
            << QStringList{QStringLiteral("--help")} << A::ShowHelp << QString()
            << QStringLiteral("aux magazines Pixelor et Zorvane.\n\n  FICHIER         une Scribel "
                              "à ouvrir\u00A0: .pxr pour Pixelor, .zrv pour Zorvane\n");
        QTest::newRow("-h with a file")
            << QStringList{QStringLiteral("fiche.pxr"), QStringLiteral("-h")} << A::ShowHelp
            << QString() << QStringLiteral("  -v, --version   affiche la version et quitte\n");
        QTest::newRow("--version") << QStringList{QStringLiteral("--version")} << A::ShowVersion
                                   << QString() << QStringLiteral("La Scribel 2.0\n");
        QTest::newRow("-v") << QStringList{QStringLiteral("-v")} << A::ShowVersion << QString()
                            << QStringLiteral("La Scribel 2.0\n");
        QTest::newRow("unknown long option")
            << QStringList{QStringLiteral("--imprimer=oui")} << A::Refuse << QString()
            << QStringLiteral("scribel : option inconnue « --imprimer »\n");
        QTest::newRow("unknown short option")
            << QStringList{QStringLiteral("-x"), QStringLiteral("fiche.pxr")} << A::Refuse
            << QString() << QStringLiteral("scribel : option inconnue « -x »\n");
        QTest::newRow("toolkit option without its value")
            << QStringList{QStringLiteral("fiche.pxr"), QStringLiteral("-style")} << A::Refuse
            << QString() << QStringLiteral("l'option « -style » attend une valeur");
        QTest::newRow("--version=3")
            << QStringList{QStringLiteral("--version=3")} << A::Refuse << QString()
            << QStringLiteral("l'option « --version » ne prend pas de valeur");
        QTest::newRow("a value that looks like an option")
            << QStringList{QStringLiteral("-title"), QStringLiteral("--version=3"),
                           QStringLiteral("-style")}
            << A::Refuse << QString() << QStringLiteral("l'option « -style » attend une valeur");
        QTest::newRow("two files")
            << QStringList{QStringLiteral("a.pxr"), QStringLiteral("b.zrv")} << A::Refuse
            << QString() << QStringLiteral("une seule Scribel à la fois, 2 fichiers");
    }

    void readsTheCommandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(CommandLine::Action, action);
        QFETCH(QString, file);
        QFETCH(QString, textHolds);
        arguments.prepend(QStringLiteral("/usr/bin/scribel"));
        const CommandLine read = parseCommandLine(arguments);
        QCOMPARE(read.action, action);
        QCOMPARE(read.file, file);
        QVERIFY2(read.text.contains(textHolds), qPrintable(read.text));
        QCOMPARE(read.text.isEmpty(), action == CommandLine::Action::Run);
    }

    // The built program itself, as a terminal or a script starts it.
    void theProgramEndsWithItsOwnStatus_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("environment"); // added to one without any display
        QTest::addColumn<bool>("outputIsFull");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("errorHolds");
        QTest::newRow("--version on a full disk")
            << QStringList{QStringLiteral("--version")} << QStringList{} << true << 1
            << QStringLiteral("scribel : impossible d'écrire le texte demandé (disque plein)\n");
        QTest::newRow("no display")
            << QStringList{QStringLiteral("fiche.pxr")} << QStringList{} << false << 3
            << QStringLiteral("scribel : aucun affichage graphique : ni DISPLAY ni "
                              "WAYLAND_DISPLAY n'est défini");
        QTest::newRow("an X display that cannot be opened")
            << QStringList{} << QStringList{QStringLiteral("DISPLAY=:9876")} << false << 3
            << QStringLiteral("scribel : impossible d'ouvrir l'affichage graphique "
                              "« DISPLAY=:9876 »\n");
        QTest::newRow("-display that cannot be opened")
            << QStringList{QStringLiteral("-display"), QStringLiteral(":9877")}
            << QStringList{QStringLiteral("QT_QPA_PLATFORM=xcb")} << false << 3
            << QStringLiteral("« DISPLAY=:9877 »");
    }

    void theProgramEndsWithItsOwnStatus() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, environment);
        QFETCH(bool, outputIsFull);
        QFETCH(int, status);
        QFETCH(QString, errorHolds);
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
            program.setStandardOutputFile(QStringLiteral("/dev/full"));
        }
        program.start(QStringLiteral(SCRIBEL_PROGRAM), arguments);
        QVERIFY(program.waitForFinished());
        const QString error = QString::fromUtf8(program.readAllStandardError());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), status);
        QVERIFY2(error.startsWith(u"scribel") && error.contains(errorHolds), qPrintable(error));
        QVERIFY2(!error.contains(QStringLiteral("qt.qpa")), qPrintable(error));
    }

    void extensionChoosesTheMagazine_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<Magazine>("magazine");
        QTest::newRow("pxr") << QStringLiteral("/tmp/fiche.pxr") << Magazine::Pixelor;
        QTest::newRow("PXR") << QStringLiteral("FICHE.PXR") << Magazine::Pixelor;
        QTest::newRow("zrv") << QStringLiteral("fiche.zrv") << Magazine::Zorvane;
        QTest::newRow("Zrv") << QStringLiteral("Été 98.Zrv") << Magazine::Zorvane;
        QTest::newRow("other") << QStringLiteral("fiche.txt") << Magazine::None;
        QTest::newRow("no extension") << QStringLiteral("pxr") << Magazine::None;
        QTest::newRow("backup") << QStringLiteral("fiche.pxr.bak") << Magazine::None;
        QTest::newRow("folder") << QStringLiteral("/tmp/fiches.zrv/fiche") << Magazine::None;
    }

    void extensionChoosesTheMagazine() {
        QFETCH(QString, path);
        QFETCH(Magazine, magazine);
        QCOMPARE(magazineOfFileName(path), magazine);
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
