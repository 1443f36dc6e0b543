// The texts and file types each magazine's file dialogs ask with.

#include "sheetfile/dialogtexts.h"
#include "support/helpers.h"

#include <QTest>

using namespace scribel;
using namespace scribel::sheetfile;
using namespace scribel::test;
using namespace Qt::StringLiterals;

class TestDialogTexts : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void namesTheDialogTexts_data() {
        addColumns<Magazine, QString, QString, QString, QString, QString>(
            "magazine", "saveTitle", "saveType", "openType", "initialName", "suffix");

        QTest::newRow("Pixelor") << Magazine::Pixelor << u"Enregistrer une Scribel Pixelor"_s
                                 << u"Scribel (*.pxr)"_s << u"(Scribels) *.pxr"_s << u"*.pxr"_s
                                 << u"pxr"_s;
        QTest::newRow("Zorvane") << Magazine::Zorvane << u"Enregistrer une Scribel Zorvane"_s
                                 << u"Scribel (*.zrv)"_s << u"(Scribels) *.zrv"_s << u"*.zrv"_s
                                 << u"zrv"_s;
    }
    void namesTheDialogTexts() {
        const auto [magazine, saveTitle, saveType, openType, initialName, suffix] =
            fetch<Magazine, QString, QString, QString, QString, QString>(
                "magazine", "saveTitle", "saveType", "openType", "initialName", "suffix");

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
