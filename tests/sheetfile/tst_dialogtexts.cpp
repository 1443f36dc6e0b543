// The texts and file types each magazine's file dialogs ask with.

#include "sheetfile/dialogtexts.h"
#include "support/helpers.h"

#include <QTest>

using namespace scribel;
using namespace scribel::sheetfile;

class TestDialogTexts : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void namesTheDialogTexts_data() {
        QTest::addColumn<Magazine>("magazine");
        QTest::addColumn<QString>("saveTitle");
        QTest::addColumn<QString>("saveType");
        QTest::addColumn<QString>("openType");
        QTest::addColumn<QString>("initialName");
        QTest::addColumn<QString>("suffix");

        QTest::newRow("Pixelor") << Magazine::Pixelor << "Enregistrer une Scribel Pixelor"
                                 << "Scribel (*.pxr)"
                                 << "(Scribels) *.pxr"
                                 << "*.pxr"
                                 << "pxr";
        QTest::newRow("Zorvane") << Magazine::Zorvane << "Enregistrer une Scribel Zorvane"
                                 << "Scribel (*.zrv)"
                                 << "(Scribels) *.zrv"
                                 << "*.zrv"
                                 << "zrv";
    }
    void namesTheDialogTexts() {
        QFETCH(Magazine, magazine);
        QFETCH(QString, saveTitle);
        QFETCH(QString, saveType);
        QFETCH(QString, openType);
        QFETCH(QString, initialName);
        QFETCH(QString, suffix);

        const std::optional<FileDialogRequest> save = saveDialogRequest(magazine);
        const std::optional<FileDialogRequest> open = openDialogRequest(magazine);
        QVERIFY(save && open);
        QCOMPARE(save->title, saveTitle);
        QCOMPARE(save->fileTypeText, saveType);
        QCOMPARE(open->title, QStringLiteral("Charger une Scribel"));
        QCOMPARE(open->fileTypeText, openType);
        QCOMPARE(save->initialName, initialName);
        QCOMPARE(open->initialName, initialName);
        QCOMPARE(save->defaultSuffix, suffix);
        QCOMPARE(open->defaultSuffix, suffix);
        QVERIFY(!saveDialogRequest(Magazine::None) && !openDialogRequest(Magazine::None));
    }
};

QTEST_GUILESS_MAIN(TestDialogTexts)
#include "tst_dialogtexts.moc"
