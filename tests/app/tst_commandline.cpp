#include "app/commandline.h"
#include "app/givenfile.h"
#include "support/helpers.h"

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
                           QStringLiteral("-reverse"), QStringLiteral("fiche.zrv")}
            << A::Run << QStringLiteral("fiche.zrv") << QString();
        QTest::newRow("a file named like an option")
            << QStringList{QStringLiteral("--"), QStringLiteral("-v.pxr")} << A::Run
            << QStringLiteral("-v.pxr") << QString();
        QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << A::ShowHelp << QString()
                                << QStringLiteral("Utilisation : scribel [OPTION] [FICHIER]\n");
        QTest::newRow("-h with a file")
            << QStringList{QStringLiteral("fiche.pxr"), QStringLiteral("-h")} << A::ShowHelp
            << QString() << QStringLiteral("  -v, --version   affiche la version et quitte\n");
        QTest::newRow("--version") << QStringList{QStringLiteral("--version")} << A::ShowVersion
                                   << QString() << QStringLiteral("La Scribel 2.0\n");
        QTest::newRow("-v") << QStringList{QStringLiteral("-v")} << A::ShowVersion << QString()
                            << QStringLiteral("La Scribel 2.0\n");
        QTest::newRow("unknown long option")
            << QStringList{QStringLiteral("--imprimer=oui")} << A::Refuse << QString()
            << QStringLiteral("scribel : option inconnue « --imprimer »\n");
        QTest::newRow("unknown short option")
            << QStringList{QStringLiteral("-x"), QStringLiteral("fiche.pxr")} << A::Refuse
            << QString() << QStringLiteral("scribel : option inconnue « -x »\n");
        QTest::newRow("toolkit option without its value")
            << QStringList{QStringLiteral("-style")} << A::Refuse << QString()
            << QStringLiteral("une option attend une valeur");
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
