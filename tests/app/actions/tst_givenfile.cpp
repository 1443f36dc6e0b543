// Sheet files handed to the real window from outside its dialogs: named on the command
// line, or dropped on the window.

#include "support/helpers.h"
#include "support/windowfixture.h"

#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace scribel;
using namespace scribel::test;
using namespace Qt::StringLiterals;

namespace {

// A copy of one of the project's sheet files, under the name a test gives it.
QString copyOfFixture(const QTemporaryDir& folder, const QString& fixture, const QString& name) {
    QString path = folder.filePath(name);
    QFile::copy(QStringLiteral(SCRIBEL_SHEETFILE_DATA "/") + fixture, path);
    return path;
}

QList<QUrl> localUrls(const QStringList& paths) {
    QList<QUrl> urls;
    for (const QString& path : paths) {
        urls.append(QUrl::fromLocalFile(path));
    }
    return urls;
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
        QVERIFY(dragAndDrop(on, localUrls({path})));
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
        QVERIFY(dragAndDrop(on, localUrls({file.fileName()})));
        QTRY_COMPARE(f.doubles.messages.shown.size(), std::size_t(1));
        const QString text = f.doubles.messages.shown.front().text;
        QVERIFY2(namesFile(text, name), qPrintable(text));
        QCOMPARE(f.text(Field::SaisieNom), u"DUPONT"_s);
        QCOMPARE(f.window->magazine(), Magazine::Pixelor);
    }

    void droppingTwoFilesOpensNeither() {
        const WindowFixture f;
        const QStringList paths = {copyOfFixture(m_folder, u"complet.pxr"_s, u"une.pxr"_s),
                                   copyOfFixture(m_folder, u"zorvane.zrv"_s, u"deux.zrv"_s)};
        QVERIFY(dragAndDrop(f.window.get(), localUrls(paths)));
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
