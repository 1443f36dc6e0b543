// What the program is handed from outside: its command line read, the built program's
// own start, and sheet files given to the real window outside its dialogs, named on the
// command line or dropped on the window.

#include "app/actions/commandline.h"
#include "app/actions/givenfile.h"
#include "support/windowfixture.h"

#include <QDropEvent>
#include <QLibraryInfo>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace scribel;
using namespace scribel::test;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(CommandLine::Action)

namespace {

// A copy of one of the project's sheet files, under the name a test gives it.
QString copyOfFixture(const QTemporaryDir& folder, const QString& fixture, const QString& name) {
    QString path = folder.filePath(name);
    QFile::copy(QStringLiteral(SCRIBEL_SHEETFILE_DATA "/") + fixture, path);
    return path;
}

// Drags `data` onto the middle of `on` and, when the drag is taken, drops it: the action
// taken at the entry and at the drop, or IgnoreAction. A file manager offers a move with
// Shift held. As on a desktop, the events reach the deepest widget there (a multi-line
// field's viewport), which Qt passes them up from.
std::pair<Qt::DropAction, Qt::DropAction> dragAndDrop(QWidget* on, const QMimeData& data,
                                                      Qt::KeyboardModifiers keys = {}) {
    QWidget* under = on->childAt(on->rect().center());
    QWidget* target = under != nullptr ? under : on;
    const QPoint middle = target->mapFrom(on, on->rect().center());
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(middle, offered, &data, Qt::LeftButton, keys);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) {
        return {Qt::IgnoreAction, Qt::IgnoreAction};
    }
    QDropEvent drop(middle, offered, &data, Qt::LeftButton, keys);
    QCoreApplication::sendEvent(target, &drop);
    return {enter.dropAction(), drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction};
}
bool dragAndDrop(QWidget* target, const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    return dragAndDrop(target, data).second != Qt::IgnoreAction;
}

// The message names the file between French quotation marks.
bool namesFile(const QString& text, const QString& name) {
    const QRegularExpression quoted(
        u"«[ \u00A0]%1[ \u00A0]»"_s.arg(QRegularExpression::escape(name)));
    return text.contains(quoted);
}

void verifyNoMagazineState(const WindowFixture& f) {
    QCOMPARE(f.window->magazine(), Magazine::None);
    QCOMPARE(f.window->windowTitle(), u"La Scribel 2.0"_s);
    QVERIFY(!f.tabs()->isEnabled());
    QVERIFY(!f.get(u"Charger")->isEnabled());
    QVERIFY(f.isShown(u"SupportMessage"));
    QVERIFY(!f.isShown(u"TitrePixelor") && !f.isShown(u"TitreZorvane"));
    QVERIFY(f.text(Field::SaisieNom).isEmpty());
}

} // namespace

class GivenFileTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;

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

    void fileGivenAtStartChoosesItsMagazine_data() {
        addColumns<QString, QString, Magazine, QString, QString>("fixture", "name", "magazine",
                                                                 "title", "nom");
        QTest::newRow("pxr") << u"complet.pxr"_s << u"Fiche 1.PXR"_s << Magazine::Pixelor
                             << u"La Scribel 2.0 Pixelor"_s << u"DUPONT"_s;
        QTest::newRow("zrv") << u"zorvane.zrv"_s << u"fiche.zrv"_s << Magazine::Zorvane
                             << u"La Scribel 2.0 Zorvane"_s << u"MARTIN"_s;
    }

    void fileGivenAtStartChoosesItsMagazine() {
        const auto [fixture, name, magazine, title, nom] =
            fetch<QString, QString, Magazine, QString, QString>("fixture", "name", "magazine",
                                                                "title", "nom");
        const WindowFixture f;
        f.window->openGivenFiles({copyOfFixture(m_folder, fixture, name)});
        QCOMPARE(f.window->magazine(), magazine);
        QCOMPARE(f.window->windowTitle(), title);
        QVERIFY(f.tabs()->isEnabled() && f.get(u"Charger")->isEnabled());
        QVERIFY(!f.isShown(u"SupportMessage"));
        QCOMPARE(f.isShown(u"TitrePixelor"), magazine == Magazine::Pixelor);
        QCOMPARE(f.isShown(u"TitreZorvane"), magazine == Magazine::Zorvane);
        QCOMPARE(f.text(Field::SaisieNom), nom);
        QVERIFY(f.doubles.messages.shown.empty());
    }

    void refusedFileKeepsTheStartState_data() {
        addColumns<QString, bool, QString>("name", "exists", "textHolds");
        QTest::newRow("not a sheet's name")
            << u"fiche.txt"_s << true << u".pxr (Pixelor) ou .zrv"_s;
        QTest::newRow("missing") << u"absente.pxr"_s << false << u"il n'existe pas"_s;
        QTest::newRow("a folder") << u"dossier.zrv"_s << false << u"ce n'est pas un fichier"_s;
    }

    void refusedFileKeepsTheStartState() {
        const auto [name, exists, textHolds] =
            fetch<QString, bool, QString>("name", "exists", "textHolds");
        const QString path =
            exists ? copyOfFixture(m_folder, u"complet.pxr"_s, name) : m_folder.filePath(name);
        if (name.startsWith(u"dossier")) {
            QVERIFY(QDir().mkpath(path));
        }
        const WindowFixture f;
        f.window->openGivenFiles({path});
        verifyNoMagazineState(f);
        QCOMPARE(f.doubles.messages.shown.size(), std::size_t(1));
        const QString text = f.doubles.messages.shown.front().text;
        QVERIFY2(namesFile(text, name), qPrintable(text));
        QVERIFY2(text.contains(textHolds), qPrintable(text));
        QCOMPARE(f.doubles.messages.shown.front().title, u"La Scribel 2.0"_s);
    }

    // Dropped on the window or on a field, the file loads into the sheet of the magazine
    // chosen, which stays chosen.
    void droppedFileLoadsIntoTheChosenMagazine_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("on the window") << u"Principale"_s;
        QTest::newRow("on a field") << u"SaisieNom"_s;
    }

    void droppedFileLoadsIntoTheChosenMagazine() {
        QFETCH(QString, target);
        const WindowFixture f(u"Pixelor");
        const QString path = copyOfFixture(m_folder, u"zorvane.zrv"_s, u"posee.zrv"_s);
        QWidget* on = target == f.window->objectName() ? f.window.get() : f.get(target);
        QVERIFY(dragAndDrop(on, {QUrl::fromLocalFile(path)}));
        QTRY_COMPARE(f.text(Field::SaisieNom), u"MARTIN"_s);
        QCOMPARE(f.window->magazine(), Magazine::Pixelor);
        QCOMPARE(f.window->windowTitle(), u"La Scribel 2.0 Pixelor"_s);
        QVERIFY(f.isShown(u"TitrePixelor"));
        QVERIFY(f.doubles.messages.shown.empty());
    }

    // Only a sheet file is loaded from a drop: anything else would clear the sheet and be
    // taken for an earlier-version sheet.
    void droppedOtherFileLeavesTheSheetAsItWas_data() {
        addColumns<QString, QString, QByteArray>("target", "name", "content");
        QTest::newRow("a picture on the window")
            << u"Principale"_s << u"photo.png"_s
            << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x01", 20);
        QFile sheet(QStringLiteral(SCRIBEL_SHEETFILE_DATA "/zorvane.zrv"));
        QVERIFY(sheet.open(QIODevice::ReadOnly));
        QTest::newRow("a sheet's lines in a text file, on a field")
            << u"SaisieNom"_s << u"notes.txt"_s << sheet.readAll();
    }

    void droppedOtherFileLeavesTheSheetAsItWas() {
        const auto [target, name, content] =
            fetch<QString, QString, QByteArray>("target", "name", "content");
        QFile file(m_folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();
        const WindowFixture f(u"Pixelor");
        f.type(Field::SaisieNom, u"dupont"_s);
        QWidget* on = target == f.window->objectName() ? f.window.get() : f.get(target);
        QVERIFY(dragAndDrop(on, {QUrl::fromLocalFile(file.fileName())}));
        QTRY_COMPARE(f.doubles.messages.shown.size(), std::size_t(1));
        const QString text = f.doubles.messages.shown.front().text;
        QVERIFY2(namesFile(text, name), qPrintable(text));
        QCOMPARE(f.text(Field::SaisieNom), u"DUPONT"_s);
        QCOMPARE(f.window->magazine(), Magazine::Pixelor);
    }

    void droppingTwoFilesOpensNeither() {
        const WindowFixture f;
        QVERIFY(dragAndDrop(
            f.window.get(),
            {QUrl::fromLocalFile(copyOfFixture(m_folder, u"complet.pxr"_s, u"une.pxr"_s)),
             QUrl::fromLocalFile(copyOfFixture(m_folder, u"zorvane.zrv"_s, u"deux.zrv"_s))}));
        QTRY_COMPARE(f.doubles.messages.shown.size(), std::size_t(1));
        QVERIFY(f.doubles.messages.shown.front().text.contains(u"une fiche à la fois"_s));
        verifyNoMagazineState(f);
    }

    // Offered a move, the window still takes a copy: the file manager keeps the file. Text
    // dropped on a field is the field's own.
    void aDroppedFileIsCopiedAndDroppedTextReachesTheField() {
        const WindowFixture f;
        QMimeData file;
        file.setUrls({QUrl::fromLocalFile(m_folder.filePath(u"fiche.pxr"_s))});
        QCOMPARE(dragAndDrop(f.window.get(), file, Qt::ShiftModifier),
                 std::make_pair(Qt::CopyAction, Qt::CopyAction));
        f.click(u"Pixelor");
        // A file manager gives the path as text too: dropped on a field, it is still a sheet.
        const QString path = copyOfFixture(m_folder, u"zorvane.zrv"_s, u"posee.zrv"_s);
        QMimeData sheet;
        sheet.setUrls({QUrl::fromLocalFile(path)});
        sheet.setText(path);
        QCOMPARE(dragAndDrop(f.get(u"SaisieDescription"), sheet).second, Qt::CopyAction);
        QTRY_COMPARE(f.text(Field::SaisieNom), u"MARTIN"_s);
        f.click(u"Pixelor");
        QMimeData text;
        text.setText(u"DURAND"_s);
        QVERIFY(dragAndDrop(f.get(u"SaisieNom"), text).second != Qt::IgnoreAction);
        QCOMPARE(f.get<QLineEdit>(u"SaisieNom")->text(), u"DURAND"_s);
    }

    void onlyLocalFilesAreTaken() {
        const WindowFixture f;
        const QUrl local = QUrl::fromLocalFile(m_folder.filePath(u"fiche.pxr"_s));
        const QUrl web(u"https://exemple.fr/fiche.pxr"_s);
        QVERIFY(!dragAndDrop(f.window.get(), {web}));
        QVERIFY(!dragAndDrop(f.window.get(), {local, web}));
        QVERIFY(!dragAndDrop(f.get(u"SaisieNom"), {web}));
        QCoreApplication::processEvents();
        QVERIFY(f.doubles.messages.shown.empty());
    }
};

QTEST_MAIN(GivenFileTest)
#include "tst_givenfile.moc"
