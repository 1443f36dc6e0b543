// The file dialogs as the author meets them: Qt's own dialog set up from the request, a
// name typed and Enter pressed; the questions and refusals go through the message boxes
// it was given.

#include "platform/widgets/qtfiledialogs.h"
#include "platform/widgets/qtmessageboxes.h"
#include "support/doubles.h"
#include "support/helpers.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>

using namespace scribel;
using scribel::test::addColumns;
using scribel::test::fetch;
using namespace Qt::Literals::StringLiterals;

namespace {

const FileDialogRequest kSaveRequest{u"Enregistrer une Scribel Pixelor"_s, u"Scribel (*.pxr)"_s,
                                     u"*.pxr"_s, u"pxr"_s};
const FileDialogRequest kOpenRequest{u"Charger une Scribel"_s, u"(Scribels) *.pxr"_s, u"*.pxr"_s,
                                     u"pxr"_s};

QFileDialog* shownDialog() {
    if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
        return dialog;
    }
    qFatal("no file dialog is shown"); // rather than wait for ever on one
}

// Shows the dialog, types the name in the folder and presses Enter; the dialog is
// cancelled when it is still open after that. The chosen file, if any. Before the name is
// typed, `meanwhile` may click in the list or wait for a message box.
std::optional<QString> typeAndConfirm(FileDialogs& dialogs, bool save, const QString& folder,
                                      const QString& typed,
                                      const std::function<void(QFileDialog&)>& meanwhile = {}) {
    QTimer::singleShot(0, qApp, [&] {
        QFileDialog* dialog = shownDialog();
        dialog->setDirectory(folder);
        if (meanwhile) {
            meanwhile(*dialog);
        }
        auto* name = dialog->findChild<QLineEdit*>(u"fileNameEdit"_s);
        name->setText(typed); // as a click in the list sets it, with the focus elsewhere
        QTest::keyClick(name, Qt::Key_Return);
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
    return save ? dialogs.askSaveFile(nullptr, kSaveRequest)
                : dialogs.askOpenFile(nullptr, kOpenRequest);
}

// Selects the file in the dialog's list, as a click on it does.
void selectInList(QFileDialog& dialog, const QString& path) {
    auto* list = dialog.findChild<QAbstractItemView*>(u"listView"_s);
    auto* files = dialog.findChild<QFileSystemModel*>();
    list->selectionModel()->select(files->index(path),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

// The message box the dialog shows next: what it shows, then the answer given to it
// ("Oui" clicked, or a key).
void answerTheBox(QFileDialog& dialog, const QString& answer, QString& seen) {
    QTimer::singleShot(0, &dialog, [answer, &seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        seen = QString::number(box->icon()) +
               (box->textFormat() == Qt::PlainText ? u" plain: "_s : u" markup: "_s) + box->text();
        if (answer == u"Oui") {
            for (QAbstractButton* button : box->buttons()) {
                if (button->text() == u"&Oui") {
                    button->click();
                }
            }
            return;
        }
        QTest::keyClick(box, answer == u"Escape" ? Qt::Key_Escape : Qt::Key_Return);
    });
}

} // namespace

class TestFileDialogs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void setsUpTheDialogFromTheRequest() {
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        applyRequest(dialog,
                     {u"Charger une Scribel"_s, u"(Scribels) *.zrv"_s, u"*.zrv"_s, u"zrv"_s});
        QCOMPARE(dialog.windowTitle(), u"Charger une Scribel"_s);
        QCOMPARE(dialog.nameFilters(), QStringList{u"(Scribels) *.zrv"_s});
        QCOMPARE(dialog.defaultSuffix(), u"zrv"_s);
    }

    // The dialog finds Qt's own name edit and file list by their object names, and turns
    // Qt's completion of a typed name off by its slot's name: a Qt that renames any of
    // them fails here, before the author meets a dialog that splits names on quotes.
    void qtsDialogStillHasWhatTheChecksRelyOn() {
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.show(); // Qt makes its widgets then
        auto* edit = dialog.findChild<QLineEdit*>(u"fileNameEdit"_s);
        QVERIFY(edit != nullptr);
        QVERIFY(dialog.findChild<QAbstractItemView*>(u"listView"_s) != nullptr);
        QVERIFY(dialog.findChild<QFileSystemModel*>() != nullptr);
        QVERIFY(dialog.metaObject()->indexOfSlot("_q_autoCompleteFileName(QString)") >= 0);
        QVERIFY(QObject::disconnect(edit, SIGNAL(textChanged(QString)), &dialog,
                                    SLOT(_q_autoCompleteFileName(QString))));
    }

    void asksOrRefusesThroughTheMessageBoxes_data() {
        // chosen: empty when the dialog gives no file
        addColumns<bool, QStringList, QString, bool, QString, QString, DefaultAnswer, QString>(
            "save", "files", "typed", "answer", "chosen", "question", "defaultAnswer", "refusal");

        const QString replace =
            u"Le fichier « fiche.pxr » existe déjà.\nVoulez-vous le remplacer ?"_s;
        QTest::newRow("replacing, Oui")
            << true << QStringList{u"fiche.pxr"_s} << u"fiche.pxr"_s << true << u"fiche.pxr"_s
            << replace << DefaultAnswer::No << QString();
        QTest::newRow("replacing, Non")
            << true << QStringList{u"fiche.pxr"_s} << u"fiche.pxr"_s << false << QString()
            << replace << DefaultAnswer::No << QString();
        const QString create =
            u"Le fichier « nouvelle.pxr » n'existe pas.\nVoulez-vous le créer ?"_s;
        QTest::newRow("creating") << true << QStringList() << u"nouvelle"_s << true
                                  << u"nouvelle.pxr"_s << create << DefaultAnswer::Yes << QString();
        // The home folder is "maison" here.
        QTest::newRow("creating in the home folder")
            << true << QStringList() << u"~/nouvelle"_s << true << u"maison/nouvelle.pxr"_s
            << create << DefaultAnswer::Yes << QString();
        // Nothing typed: the file selected in the list.
        QTest::newRow("opening the file selected in the list")
            << false << QStringList{u"fiche.pxr"_s} << QString() << true << u"fiche.pxr"_s
            << QString() << DefaultAnswer::No << QString();
        // Qt's own parsing reads the quotes as marks around the name "best".
        QTest::newRow("saving a quoted name beside its decoy")
            << true << QStringList{u"best.pxr"_s} << u"Le \"best\".pxr"_s << true
            << u"Le \"best\".pxr"_s
            << u"Le fichier « Le \"best\".pxr » n'existe pas.\nVoulez-vous le créer ?"_s
            << DefaultAnswer::Yes << QString();
        QTest::newRow("opening a quoted name beside its decoy")
            << false << QStringList{u"best.pxr"_s, u"Le \"best\".pxr"_s} << u"Le \"best\".pxr"_s
            << true << u"Le \"best\".pxr"_s << QString() << DefaultAnswer::No << QString();
        QTest::newRow("opening a name with a question mark")
            << false << QStringList{u"quoi?.pxr"_s} << u"quoi?.pxr"_s << true << u"quoi?.pxr"_s
            << QString() << DefaultAnswer::No << QString();
        QTest::newRow("pattern") << false << QStringList{u"fiche.pxr"_s} << u"*.pxr"_s << true
                                 << QString() << QString() << DefaultAnswer::No
                                 << u"Aucun fichier ne porte le nom « *.pxr » : « * » et « ? » y "
                                    u"tiennent lieu de n'importe quels caractères.\n"
                                    u"Choisissez un fichier dans la liste ou tapez un nom sans "
                                    u"ces caractères."_s;
        const QString tooLong = QString(300, u'n') + u".pxr"_s;
        QTest::newRow("name too long")
            << true << QStringList() << tooLong << true << QString() << QString()
            << DefaultAnswer::No
            << u"Le nom « %1 » est trop long : un nom de fichier compte au plus 255 octets.\n"
               u"Choisissez un nom plus court."_s.arg(tooLong);
    }
    void asksOrRefusesThroughTheMessageBoxes() {
        const auto [save, files, typed, answer, chosen, question, defaultAnswer, refusal] =
            fetch<bool, QStringList, QString, bool, QString, QString, DefaultAnswer, QString>(
                "save", "files", "typed", "answer", "chosen", "question", "defaultAnswer",
                "refusal");

        const QTemporaryDir folder;
        for (const QString& file : files) {
            QFile made(folder.filePath(file));
            QVERIFY(made.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir(folder.path()).mkdir(u"maison"_s));
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(folder.filePath(u"maison"_s)));
        const auto homeBack = qScopeGuard([&home] { qputenv("HOME", home); });
        test::RecordingMessageBoxes messages;
        messages.nextAnswers.push_back(answer);
        QtFileDialogs dialogs(messages);

        const std::optional<QString> path =
            typeAndConfirm(dialogs, save, folder.path(), typed,
                           [&, &name = typed, &made = files](QFileDialog& dialog) {
                               if (name.isEmpty()) {
                                   selectInList(dialog, folder.filePath(made.front()));
                               }
                           });

        QCOMPARE(path.value_or(QString()), chosen.isEmpty() ? QString() : folder.filePath(chosen));
        QCOMPARE(messages.asked.size(), question.isEmpty() ? 0u : 1u);
        if (!question.isEmpty()) {
            QCOMPARE(messages.asked.front().title, save ? kSaveRequest.title : kOpenRequest.title);
            QCOMPARE(messages.asked.front().text, question);
            QCOMPARE(messages.asked.front().defaultAnswer, defaultAnswer);
        }
        QCOMPARE(messages.shown.size(), refusal.isEmpty() ? 0u : 1u);
        if (!refusal.isEmpty()) {
            QCOMPARE(messages.shown.front().icon, MessageIcon::Warning);
            QCOMPARE(messages.shown.front().text, refusal);
        }
    }

    // Qt's own boxes behind the dialog, as the author meets them: the text as it is (a name
    // is never read as markup), Enter for the default answer, Escape for "Non".
    void answersInQtsOwnMessageBoxes_data() {
        // answer: "Oui" clicked, or the key pressed
        addColumns<bool, QString, QString, QString, bool>("save", "typed", "answer", "box",
                                                          "chosen");

        const auto question = [](const QString& text) {
            return QString::number(QMessageBox::Question) + u" plain: "_s + text;
        };
        const QString replace = question(u"Le fichier « a<br>b.pxr » existe déjà.\n"
                                         u"Voulez-vous le remplacer ?"_s);
        const QString create =
            question(u"Le fichier « nouvelle.pxr » n'existe pas.\nVoulez-vous le créer ?"_s);
        QTest::newRow("replacing, Enter")
            << true << u"a<br>b.pxr"_s << u"Enter"_s << replace << false;
        QTest::newRow("replacing, Oui") << true << u"a<br>b.pxr"_s << u"Oui"_s << replace << true;
        QTest::newRow("creating, Enter") << true << u"nouvelle"_s << u"Enter"_s << create << true;
        QTest::newRow("creating, Escape")
            << true << u"nouvelle"_s << u"Escape"_s << create << false;
        QTest::newRow("refused, Enter")
            << false << u"*.pxr"_s << u"Enter"_s
            << QString::number(QMessageBox::Warning) +
                   u" plain: Aucun fichier ne porte le nom « *.pxr » : « * » et « ? » y tiennent "
                   u"lieu de n'importe quels caractères.\nChoisissez un fichier dans la liste ou "
                   u"tapez un nom sans ces caractères."_s
            << false;
    }
    void answersInQtsOwnMessageBoxes() {
        const auto [save, typed, answer, box, chosen] =
            fetch<bool, QString, QString, QString, bool>("save", "typed", "answer", "box",
                                                         "chosen");

        const QTemporaryDir folder;
        QFile existing(folder.filePath(u"a<br>b.pxr"_s));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        QtMessageBoxes messages;
        QtFileDialogs dialogs(messages);
        QString seen;

        const std::optional<QString> path = typeAndConfirm(
            dialogs, save, folder.path(), typed,
            [&, &given = answer](QFileDialog& dialog) { answerTheBox(dialog, given, seen); });

        QCOMPARE(seen, box);
        QCOMPARE(path.has_value(), chosen);
    }
};

QTEST_MAIN(TestFileDialogs)
#include "tst_filedialogs.moc"
