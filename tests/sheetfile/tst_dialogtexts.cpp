// The texts and file types each magazine's file dialogs ask with.

#include "sheetfile/dialogtexts.h"
#include "support/helpers.h"

#include <QTest>

using namespace scribel;
using namespace scribel::sheetfile;
using namespace Qt::StringLiterals;

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

        QTest::newRow("Pixelor") << Magazine::Pixelor << u"Enregistrer une Scribel Pixelor"_s
                                 << u"Scribel (*.pxr)"_s << u"(Scribels) *.pxr"_s << u"*.pxr"_s
                                 << u"pxr"_s;
        QTest::newRow("Zorvane") << Magazine::Zorvane << u"Enregistrer une Scribel Zorvane"_s
                                 << u"Scribel (*.zrv)"_s << u"(Scribels) *.zrv"_s << u"*.zrv"_s
                                 << u"zrv"_s;
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
