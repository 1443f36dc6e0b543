// A benchmark, not a test: loading the largest sheet loading accepts (every text line
// 32,767 characters without a space, multi-line fields included) and painting each of
// the seven tabs, the time the window does not answer. Never run by CTest:
//   bench/run.sh bench_longentries

#include "support/longentries.h"
#include "support/windowfixture.h"

#include <QTemporaryDir>

using namespace scribel;
using namespace scribel::test;

class BenchLongEntries : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void loadAndShowEveryTab() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("longue.pxr"));
        writeBytes(path, longestAcceptedSheet());
        WindowFixture f;
        f.click(u"Pixelor");
        QBENCHMARK {
            f.doubles.fileDialogs.nextAnswers.emplace_back(path);
            f.tabs()->setCurrentIndex(0);
            f.click(u"Charger");
            for (int tab = 0; tab < f.tabs()->count(); ++tab) {
                f.tabs()->setCurrentIndex(tab);
                f.window->repaint();
            }
        }
        QVERIFY(f.doubles.messages.shown.empty());
        QCOMPARE(f.text(Field::SaisieDescription).size(), sheetfile::kMaxLineLength);
    }
};

QTEST_MAIN(BenchLongEntries)
#include "bench_longentries.moc"
