// The banner moves by shifting the pixels already on screen and painting only the strip
// that comes into view: after many steps, what the window shows of the box must be what a
// fresh painting of the box gives.

#include "support/windowfixture.h"

#include <QImage>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace scribel::test {

class BannerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void stepsShowWhatAFreshPaintShows_data() {
        QTest::addColumn<int>("steps");
        QTest::newRow("entering") << 20;
        QTest::newRow("one copy past the left edge") << 150;
    }
    void stepsShowWhatAFreshPaintShows() {
        QFETCH(int, steps);
        WindowFixture f;
        f.window->findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
        QWidget* box = f.get(u"SupportMessage");
        for (int step = 0; step < steps; ++step) {
            f.window->Timer1_Timer();
            QCoreApplication::processEvents(); // each step painted and shown before the next
        }
        const QRect place(box->mapTo(f.window.get(), QPoint()), box->size());
        const QImage shown =
            f.window->screen()
                ->grabWindow(f.window->winId(), place.x(), place.y(), place.width(), place.height())
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
        const QImage fresh = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), fresh.size());
        QVERIFY(shown == fresh);
    }
};

} // namespace scribel::test

QTEST_MAIN(scribel::test::BannerTest)
#include "tst_banner.moc"
