#include "app/about/bannerlabel.h"
#include "app/about/infotext.h"
#include "app/window/controlfactory.h"
#include "platform/core/twips.h"
#include "platform/widgets/qtopenaction.h"
#include "support/windowfixture.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

using namespace scribel;
using namespace scribel::test;
using namespace Qt::StringLiterals;

namespace {

// The about tab, which can be used once a magazine is chosen.
struct AboutTab : WindowFixture {
    AboutTab() : WindowFixture(u"Pixelor") { tabs()->setCurrentIndex(6); }
};

} // namespace

class AboutTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        m_startFolder = QDir::currentPath();
        m_path = qgetenv("PATH");
    }
    void cleanup() {
        QDir::setCurrent(m_startFolder);
        qputenv("PATH", m_path);
    }

    void addressButtonsHandTheirAddressToTheOpenAction() {
        const AboutTab f;
        f.click(u"SSCommand5");
        f.click(u"EMail");
        f.click(u"Internet");
        const std::vector<QUrl> expected = {QUrl(u"http://www.zolk.example/"_s),
                                            QUrl(u"mailto:luc.ferrand@scribel.example"_s),
                                            QUrl(u"http://www.scribel.example/"_s)};
        QCOMPARE(f.doubles.openAction.opened, expected);
        QVERIFY(f.doubles.messages.shown.empty());
        QCOMPARE(f.get<QPushButton>(u"EMail")->text(),
                 u"M'envoyer un E-Mail : luc.ferrand@scribel.example"_s);
    }

    // Then beside the program; in neither (where: empty), the document is named in a message.
    void documentsAreLookedUpInTheCurrentFolderFirst_data() {
        addColumns<QString, QString, QString>("button", "document", "where");
        QTest::newRow("txt") << u"SSCommand1"_s << u"Le_Zolk_.txt"_s << u"current"_s;
        QTest::newRow("adhésion, without its accent")
            << u"SSCommand2"_s << u"Adhesion.txt"_s << u"current"_s;
        QTest::newRow("hlp") << u"SSCommand3"_s << u"Le_Zolk_.hlp"_s << u"current"_s;
        QTest::newRow("htm") << u"SSCommand4"_s << u"Le_Zolk_.htm"_s << u"current"_s;
        QTest::newRow("documentsFallBackToTheProgramsFolder")
            << u"SSCommand4"_s << u"Le_Zolk_.htm"_s << u"program"_s;
        QTest::newRow("aMissingDocumentIsNamedInAMessage")
            << u"SSCommand3"_s << u"Le_Zolk_.hlp"_s << QString();
    }
    void documentsAreLookedUpInTheCurrentFolderFirst() {
        const auto [button, document, where] =
            fetch<QString, QString, QString>("button", "document", "where");
        QTemporaryDir current;
        QDir::setCurrent(current.path()); // as a confirmed file dialog leaves it
        const QString path =
            QDir(where == u"program" ? QCoreApplication::applicationDirPath() : current.path())
                .filePath(document);
        if (!where.isEmpty()) {
            writeBytes(path, "ZOLK\n");
        }
        const AboutTab f;
        f.click(button);
        QFile::remove(path);
        if (where.isEmpty()) {
            QVERIFY(f.doubles.openAction.opened.empty());
            QCOMPARE(f.doubles.messages.shown.size(), std::size_t(1));
            QCOMPARE(f.doubles.messages.shown.front().text,
                     QStringLiteral("Le document « Le_Zolk_.hlp » est introuvable : il n'est ni "
                                    "dans le dossier courant (%1) ni dans celui du programme (%2).")
                         .arg(QDir::currentPath(), QCoreApplication::applicationDirPath()));
            return;
        }
        QCOMPARE(f.doubles.openAction.opened.size(), std::size_t(1));
        QCOMPARE(f.doubles.openAction.opened.front(), QUrl::fromLocalFile(path));
    }

    void aFailedOpenActionIsReported() {
        AboutTab f;
        f.doubles.openAction.succeeds = false;
        f.click(u"EMail");
        QCOMPARE(f.doubles.messages.shown.size(), std::size_t(1));
        QVERIFY(f.doubles.messages.shown.front().text.contains(
            u"mailto:luc.ferrand@scribel.example"_s));
    }

    // The real open action, with a stand-in xdg-open first on this process's PATH.
    void theDesktopsOpenerIsHeardWithoutWaiting_data() {
        addColumns<QByteArray, bool>("opener",
                                     "told"); // opener: its script; none on the PATH when empty
        QTest::newRow("no program for mail addresses") << QByteArray("exit 3") << true;
        QTest::newRow("the program found failed") << QByteArray("exit 4") << true;
        QTest::newRow("a program took it") << QByteArray("exit 0") << false;
        QTest::newRow("no xdg-open") << QByteArray() << true;
    }
    void theDesktopsOpenerIsHeardWithoutWaiting() {
        const auto [opener, told] = fetch<QByteArray, bool>("opener", "told");
        QTemporaryDir bin;
        const QString asked = bin.filePath(u"asked"_s);
        if (!opener.isEmpty()) {
            const QString script = bin.filePath(u"xdg-open"_s);
            writeBytes(script, "#!/bin/sh\nprintf '%s' \"$1\" > \"$(dirname \"$0\")/asked\"\n" +
                                   opener + '\n');
            QVERIFY(QFile::setPermissions(script, QFile::ReadOwner | QFile::ExeOwner));
        }
        qputenv("PATH", opener.isEmpty() ? bin.path().toLocal8Bit()
                                         : bin.path().toLocal8Bit() + ':' + m_path);
        TestServices doubles;
        QtOpenAction openAction;
        Principale window(
            {doubles.fileDialogs, doubles.messages, doubles.printer, openAction, doubles.clock});
        window.findChild<QPushButton*>(u"Pixelor"_s)->click();
        window.findChild<QPushButton*>(u"EMail"_s)->click();
        QVERIFY(doubles.messages.shown.empty()); // the window went on without waiting
        if (told) {
            QTRY_COMPARE(doubles.messages.shown.size(), std::size_t(1));
            QCOMPARE(doubles.messages.shown.front().text,
                     QStringLiteral("Impossible d'ouvrir « mailto:luc.ferrand@scribel.example » : "
                                    "aucun programme du bureau n'a pu s'en charger."));
        } else {
            QTRY_VERIFY(QFile::exists(asked));
            QTest::qWait(200); // time for its end to be heard
            QVERIFY(doubles.messages.shown.empty());
        }
        if (!opener.isEmpty()) {
            QCOMPARE(bytesOf(asked), QByteArray("mailto:luc.ferrand@scribel.example"));
        }
    }

    void bannerStepArithmetic() {
        QCOMPARE(nextBannerLeft(4200, 62100, 6495), 4140);
        QCOMPARE(nextBannerLeft(4140, 62100, 6495), 4080);
        QCOMPARE(nextBannerLeft(-62040, 62100, 6495), -62100);
        QCOMPARE(nextBannerLeft(-62100, 62100, 6495), 6435); // re-enters at the right edge
        QCOMPARE(bannerText().size(), 426);
    }

    void bannerRunsUntilAMagazineIsChosenAndResumesAfterReset() {
        // Never shown: no event is handled, so no tick comes before the timer is stopped.
        const WindowFixture f(Showing::Unshown);
        auto* timer = f.window->findChild<QTimer*>(u"Timer1"_s);
        QVERIFY(timer->isActive());
        timer->stop(); // step by hand
        QWidget* banner = f.get(u"Message");
        const auto pixels = [banner](int twips) {
            return twipsToPixels(twips, banner->logicalDpiX());
        };
        QCOMPARE(banner->x(), pixels(4200));
        for (int i = 0; i < 5; ++i) {
            f.window->Timer1_Timer();
        }
        QCOMPARE(banner->x(), pixels(3900));
        f.get<QAbstractButton>(u"Zorvane")->click();
        QVERIFY(!timer->isActive());
        QVERIFY(f.get(u"SupportMessage")->isHidden());
        f.get<QAbstractButton>(u"RAZ")->click();
        QVERIFY(timer->isActive());
        QVERIFY(!f.get(u"SupportMessage")->isHidden());
        QCOMPARE(banner->x(), pixels(3900));
        QCOMPARE(f.get<QLabel>(u"Message")->text(), bannerText());
        QVERIFY(banner->font().bold() && banner->font().italic());
    }

    // The banner's font is named as the window found Arial: it draws exactly as Arial
    // 15.75 pt bold italic does.
    void bannerDrawsInArialBoldItalic() {
        const WindowFixture f(Showing::Unshown);
        const auto drawn = [](const QFont& font) {
            QImage picture(480, 40, QImage::Format_RGB32);
            picture.fill(Qt::white);
            QPainter painter(&picture);
            painter.setFont(font);
            painter.drawText(QPoint(2, 30), kBannerInvitation.toString());
            return picture;
        };
        const QFont font = f.get(u"Message")->font();
        QCOMPARE(font.pointSizeF(), 15.75);
        QVERIFY(drawn(font) == drawn(arial(15.75, true, true)));
    }

    // The banner moves by shifting the pixels already on screen and painting only the strip
    // that comes into view: after many steps, what the window shows of the box must be what a
    // fresh painting of the box gives. Run offscreen and on an X server.
    void stepsShowWhatAFreshPaintShows_data() {
        addColumns<int, bool>("steps", "recoloured"); // recoloured: after the first step
        QTest::newRow("entering") << 20 << false;
        QTest::newRow("one copy past the left edge") << 150 << false;
        QTest::newRow("in a new colour") << 20 << true;
    }
    void stepsShowWhatAFreshPaintShows() {
        const auto [steps, recoloured] = fetch<int, bool>("steps", "recoloured");
        WindowFixture f;
        f.window->findChild<QTimer*>(u"Timer1"_s)->stop();
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
    void informationTextLines() {
        QCOMPARE(
            informationText().split(u"\r\n"_s),
            QStringList({u"Ce logiciel va vous permettre d'imprimer la Scribel et de sauver "
                         "vos données dans un fichier, ce qui "_s,
                         u"vous permettra d'archiver et de réutiliser ces données."_s,
                         u"Pensez à sauvegarder avant de quitter car il n'y a pas de "
                         "sauvegarde automatique."_s,
                         QString(), u"Luc Ferrand"_s, u"12, rue des Tilleuls"_s, u"21000 Dijon"_s,
                         u"Tél : 03 80 00 00 00"_s, u"e-mail : luc.ferrand@scribel.example"_s,
                         u"url : http://www.scribel.example/"_s, QString()}));
    }
    // In the window's typeface and size; the application's font, which Qt's dialogs take,
    // is left as it was.
    void informationTextTakesTheWindowsFont() {
        const QFont before = QApplication::font();
        const WindowFixture f;
        auto* text = f.get<QPlainTextEdit>(u"Afficheur");
        QCOMPARE(QApplication::font(), before);
        QCOMPARE(text->font(), f.window->font());
        QCOMPARE(text->document()->defaultFont(), f.window->font());
        QCOMPARE(text->cursorRect(QTextCursor(text->document())).topLeft(), QPoint(3, 3));
    }
    // On light yellow in black, whatever the desktop's colours; the author may select and
    // copy it but not change it.
    void informationTextIsShownNotEdited() {
        QPalette dark;
        dark.setColor(QPalette::Base, Qt::darkBlue);
        dark.setColor(QPalette::Window, Qt::darkBlue);
        dark.setColor(QPalette::Text, Qt::white);
        dark.setColor(QPalette::WindowText, Qt::white);
        const QPalette before = QApplication::palette();
        QApplication::setPalette(dark);
        const WindowFixture f(u"Pixelor"); // the tabs, and the text, are enabled by a magazine
        QApplication::setPalette(before);
        QWidget& shown = *f.shown(u"Afficheur");
        const QImage picture = shown.grab().toImage();
        const QColor lightYellow(255, 255, 192);
        QCOMPARE(QColor(picture.pixel(shown.width() / 2, shown.height() - 4)), lightYellow);
        int darkest = 255;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                darkest = std::min(darkest, qGray(picture.pixel(x, y)));
            }
        }
        QVERIFY2(darkest < 32, qPrintable(QString::number(darkest))); // black, smoothed

        const QString text = f.get<QPlainTextEdit>(u"Afficheur")->toPlainText();
        shown.setFocus();
        QVERIFY(shown.hasFocus());
        // Neither undoes the other: a typed letter, then the next one deleted.
        QTest::keyClicks(&shown, u"x"_s);
        QTest::keyClick(&shown, Qt::Key_Delete);
        QCOMPARE(f.get<QPlainTextEdit>(u"Afficheur")->toPlainText(), text);

        // What the author selected is still selected when the tab is left and come back to.
        auto* box = f.get<QPlainTextEdit>(u"Afficheur");
        QTextCursor selection(box->document());
        selection.movePosition(QTextCursor::NextWord, QTextCursor::KeepAnchor);
        box->setTextCursor(selection);
        f.tabs()->setCurrentIndex(6);
        f.tabs()->setCurrentIndex(0);
        QCOMPARE(box->textCursor().selectedText(), u"Ce "_s);
    }

private:
    QString m_startFolder;
    QByteArray m_path;
};

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
