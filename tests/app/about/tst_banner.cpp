// The banner moves by shifting the pixels already on screen and painting only the strip
// that comes into view: after many steps, what the window shows of the box must be what a
// fresh painting of the box gives.

#include "support/windowfixture.h"

#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace scribel::test {

class BannerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void stepsShowWhatAFreshPaintShows_data() {
        addColumns<int, bool>("steps", "recoloured"); // recoloured: after the first step
        QTest::newRow("entering") << 20 << false;
        QTest::newRow("one copy past the left edge") << 150 << false;
        QTest::newRow("in a new colour") << 20 << true;
    }
    void stepsShowWhatAFreshPaintShows() {
        const auto [steps, recoloured] = fetch<int, bool>("steps", "recoloured");
        WindowFixture f;
        f.window->findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
        QWidget* box = f.get(u"SupportMessage");
        for (int step = 0; step < steps; ++step) {
            if (recoloured && step == 1) {
                auto* banner = box->findChild<QLabel*>();
                QPalette palette = banner->palette();
                palette.setColor(QPalette::WindowText, Qt::red);
                banner->setPalette(palette);
            }
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
    // A new colour shows at once, in every copy of the text.
    void aNewColourIsDrawnAtOnce() {
        WindowFixture f;
        QWidget* box = f.get(u"SupportMessage");
        box->grab(); // the text drawn once, in blue
        auto* banner = box->findChild<QLabel*>();
        QPalette palette = banner->palette();
        palette.setColor(QPalette::WindowText, Qt::red);
        banner->setPalette(palette);
        const QImage shown = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
        bool red = false;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const QColor pixel = shown.pixelColor(x, y);
                QVERIFY(pixel.blue() < 200 || pixel.red() > 60); // no blue letter left
                red = red || (pixel.red() > 200 && pixel.green() < 60 && pixel.blue() < 60);
            }
        }
        QVERIFY(red);
    }
    // Blue letters in the box, and a ring one pixel wide just around it, darker than the window.
    void theBannerIsBlueInsideAnOutline() {
        WindowFixture f;
        QWidget* box = f.get(u"SupportMessage");
        const QImage window = f.window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect place(box->mapTo(f.window.get(), QPoint()), box->size());
        const QImage inside = window.copy(place);
        bool blue = false;
        for (int y = 0; y < inside.height(); ++y) {
            for (int x = 0; x < inside.width(); ++x) {
                const QColor pixel = inside.pixelColor(x, y);
                QVERIFY2(pixel.lightness() > 40, "nothing black in the box");
                blue = blue || (pixel.blue() > 200 && pixel.red() < 60 && pixel.green() < 60);
            }
        }
        QVERIFY(blue);
        const QPoint middleLeft(place.left(), place.center().y());
        const auto lightness = [&window](QPoint at) {
            return window.pixelColor(at).lightness();
        };
        QVERIFY(lightness(middleLeft + QPoint(-1, 0)) < 230);
        QVERIFY(lightness(middleLeft + QPoint(-2, 0)) > 240);
        QVERIFY(lightness(QPoint(place.right() + 1, place.center().y())) < 230);
        QVERIFY(lightness(QPoint(place.center().x(), place.top() - 1)) < 230);
        QVERIFY(lightness(QPoint(place.center().x(), place.bottom() + 1)) < 230);
    }
};

} // namespace scribel::test

QTEST_MAIN(scribel::test::BannerTest)
#include "tst_banner.moc"
