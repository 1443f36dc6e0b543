// Benchmarks, not tests: saving and loading a full sheet, alone and through the window
// with its widgets and change handlers. Never run by CTest:
//   bench/run.sh bench_sheetfile

#include "app/window/principale.h"
#include "sheetfile/sheetcodec.h"
#include "sheetfile/sheetlayout.h"
#include "support/doubles.h"
#include "support/memoryform.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace scribel;

namespace {

QByteArray completeSheet() {
    QFile file(QStringLiteral(SCRIBEL_SHEETFILE_DATA "/complet.pxr"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class BenchSheetFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void encodeFullSheet();
    void decodeAndApplyFullSheet();
    void saveThroughTheWindow();
    void loadThroughTheWindow();
};

void BenchSheetFile::encodeFullSheet() {
    test::MemoryForm form;
    sheetfile::applyLines(sheetfile::sheetLayout(), form,
                          sheetfile::readSheetFile(completeSheet())->lines);
    QByteArray bytes;
    QBENCHMARK {
        bytes = sheetfile::encodeSheetFile(form, Magazine::Pixelor);
    }
    QCOMPARE(bytes, completeSheet());
}

void BenchSheetFile::decodeAndApplyFullSheet() {
    const QByteArray bytes = completeSheet();
    test::MemoryForm form;
    QBENCHMARK {
        sheetfile::applyLines(sheetfile::sheetLayout(), form,
                              sheetfile::readSheetFile(bytes)->lines);
    }
    QCOMPARE(form.text(Field::SaisieNom), QStringLiteral("DUPONT"));
}

void BenchSheetFile::saveThroughTheWindow() {
    QTemporaryDir folder;
    QFile::copy(QStringLiteral(SCRIBEL_SHEETFILE_DATA "/complet.pxr"),
                folder.filePath(QStringLiteral("complet.pxr")));
    test::TestServices doubles;
    Principale window(doubles.services());
    window.findChild<QPushButton*>(QStringLiteral("Pixelor"))->click();
    doubles.fileDialogs.nextAnswers.emplace_back(folder.filePath(QStringLiteral("complet.pxr")));
    window.Charger_Click();

    QBENCHMARK {
        doubles.fileDialogs.nextAnswers.emplace_back(folder.filePath(QStringLiteral("copie.pxr")));
        window.Sauvegarder_Click();
    }
    QVERIFY(doubles.messages.shown.empty());
}

void BenchSheetFile::loadThroughTheWindow() {
    QTemporaryDir folder;
    QFile::copy(QStringLiteral(SCRIBEL_SHEETFILE_DATA "/complet.pxr"),
                folder.filePath(QStringLiteral("complet.pxr")));
    test::TestServices doubles;
    Principale window(doubles.services());
    window.findChild<QPushButton*>(QStringLiteral("Pixelor"))->click();

    QBENCHMARK {
        doubles.fileDialogs.nextAnswers.emplace_back(
            folder.filePath(QStringLiteral("complet.pxr")));
        window.Charger_Click();
    }
    QCOMPARE(window.form().text(Field::SaisieNom), QStringLiteral("DUPONT"));
    QVERIFY(doubles.messages.shown.empty());
}

QTEST_MAIN(BenchSheetFile)
#include "bench_sheetfile.moc"
