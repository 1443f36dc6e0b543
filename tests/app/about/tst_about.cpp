#include "app/about/bannerlabel.h"
#include "app/about/infotext.h"
#include "app/window/controlfactory.h"
#include "platform/core/twips.h"
#include "platform/widgets/qtopenaction.h"
#include "support/windowfixture.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

using namespace scribel;
using namespace scribel::test;
using namespace Qt::StringLiterals;

namespace {

void writeFile(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("ZOLK\n");
}

// The about tab can be used once a magazine is chosen.
void openAboutTab(const WindowFixture& f) {
    f.click(u"Pixelor");
    f.tabs()->setCurrentIndex(6);
}

// Where the banner stands, in pixels, and where a left edge in twips puts it.
int bannerLeft(const WindowFixture& f) {
    return f.get(u"Message")->x();
}
int bannerPixels(const WindowFixture& f, int twips) {
    return twipsToPixels(twips, f.get(u"Message")->logicalDpiX());
}

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
        const WindowFixture f;
        openAboutTab(f);
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

    void documentsAreLookedUpInTheCurrentFolderFirst_data() {
        addColumns<QString, QString>("button", "document");
        QTest::newRow("txt") << u"SSCommand1"_s << u"Le_Zolk_.txt"_s;
        QTest::newRow("adhésion, without its accent") << u"SSCommand2"_s << u"Adhesion.txt"_s;
        QTest::newRow("hlp") << u"SSCommand3"_s << u"Le_Zolk_.hlp"_s;
        QTest::newRow("htm") << u"SSCommand4"_s << u"Le_Zolk_.htm"_s;
    }
    void documentsAreLookedUpInTheCurrentFolderFirst() {
        const auto [button, document] = fetch<QString, QString>("button", "document");
        QTemporaryDir folder;
        writeFile(folder.filePath(document));
        QDir::setCurrent(folder.path()); // as a confirmed file dialog leaves it
        const WindowFixture f;
        openAboutTab(f);
        f.click(button);
        QCOMPARE(f.doubles.openAction.opened.size(), std::size_t(1));
        QCOMPARE(f.doubles.openAction.opened.front(),
                 QUrl::fromLocalFile(folder.filePath(document)));
    }

    void documentsFallBackToTheProgramsFolder() {
        QTemporaryDir elsewhere;
        QDir::setCurrent(elsewhere.path());
        const QString beside =
            QDir(QCoreApplication::applicationDirPath()).filePath(u"Le_Zolk_.htm"_s);
        writeFile(beside);
        const WindowFixture f;
        openAboutTab(f);
        f.click(u"SSCommand4");
        QFile::remove(beside);
        QCOMPARE(f.doubles.openAction.opened.size(), std::size_t(1));
        QCOMPARE(f.doubles.openAction.opened.front(), QUrl::fromLocalFile(beside));
    }

    void aMissingDocumentIsNamedInAMessage() {
        QTemporaryDir empty;
        QDir::setCurrent(empty.path());
        const WindowFixture f;
        openAboutTab(f);
        f.click(u"SSCommand3");
        QVERIFY(f.doubles.openAction.opened.empty());
        QCOMPARE(f.doubles.messages.shown.size(), std::size_t(1));
        QCOMPARE(f.doubles.messages.shown.front().text,
                 QStringLiteral("Le document « Le_Zolk_.hlp » est introuvable : il n'est ni "
                                "dans le dossier courant (%1) ni dans celui du programme (%2).")
                     .arg(QDir::currentPath(), QCoreApplication::applicationDirPath()));
    }

    void aFailedOpenActionIsReported() {
        WindowFixture f;
        f.doubles.openAction.succeeds = false;
        openAboutTab(f);
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
            QFile script(bin.filePath(u"xdg-open"_s));
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write("#!/bin/sh\nprintf '%s' \"$1\" > \"$(dirname \"$0\")/asked\"\n" + opener +
                         '\n');
            script.close();
            QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
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
            QFile target(asked);
            QVERIFY(target.open(QIODevice::ReadOnly));
            QCOMPARE(target.readAll(), QByteArray("mailto:luc.ferrand@scribel.example"));
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
        const int start = bannerLeft(f);
        QCOMPARE(start, bannerPixels(f, 4200));
        for (int i = 0; i < 5; ++i) {
            f.window->Timer1_Timer();
        }
        QCOMPARE(bannerLeft(f), bannerPixels(f, 3900));
        f.get<QAbstractButton>(u"Zorvane")->click();
        QVERIFY(!timer->isActive());
        QVERIFY(f.get(u"SupportMessage")->isHidden());
        f.get<QAbstractButton>(u"RAZ")->click();
        QVERIFY(timer->isActive());
        QVERIFY(!f.get(u"SupportMessage")->isHidden());
        QCOMPARE(bannerLeft(f), bannerPixels(f, 3900));
        QCOMPARE(f.get<QLabel>(u"Message")->text(), bannerText());
        const QFont font = f.get(u"Message")->font();
        QVERIFY(font.bold() && font.italic());
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
        // Three pixels between the frame and the text.
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
    }

private:
    QString m_startFolder;
    QByteArray m_path;
};

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
