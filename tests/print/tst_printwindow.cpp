// "Imprimer" on the real window: what the author typed and chose reaches the page.

#include "platform/widgets/loadedpageprinter.h"
#include "platform/widgets/pageprintermodule.h"
#include "platform/widgets/qtpageprinter.h"
#include "support/privateprintservice.h"
#include "support/unprivileged.h"
#include "support/windowfixture.h"

#include <QApplication>
#include <QFileInfo>
#include <QSemaphore>

using namespace Qt::Literals::StringLiterals;

namespace scribel::test {

namespace {

// Generous: a request ends by its deadline, some 6 s.
constexpr int kRequestEndsMs = 30000;

// A queue ready at once, and the page sent to it by Qt's printer.
class ReadyQueuePrinter final : public PagePrinter {
public:
    PrintQueues queues() const override {
        PrintQueues service = oneReadyQueue();
        service.queues.front().name = service.defaultQueue = u"Scribel"_s;
        return service;
    }
    std::optional<PrinterChoice> choosePrinter(QWidget*) override { return std::nullopt; }
    std::optional<QString> printOn(const QString& queue, const std::optional<Paper>& paper,
                                   const Page& page) override {
        return m_qt.printOn(queue, paper, page);
    }
    std::optional<QString> printToPdf(const Page& page, const std::optional<Paper>& paper,
                                      const QString& path) override {
        return m_qt.printToPdf(page, paper, path);
    }

private:
    QtPagePrinter m_qt;
};

// A ready queue whose answer waits until the test lets it go.
class HeldAnswerPrinter final : public RecordingPagePrinter {
public:
    mutable QSemaphore answer;

    PrintQueues queues() const override {
        answer.acquire();
        return RecordingPagePrinter::queues();
    }
};

// The window, Pixelor chosen, with the doubles around a printer of the test's own.
struct PrintingWindow {
    TestServices doubles;
    Principale window;
    QTemporaryDir folder;
    const QString pdf = folder.filePath(u"fiche.pdf"_s);

    explicit PrintingWindow(PagePrinter& printer) : window(doubles.services(printer)) {
        window.Pixelor_Click();
    }

    // "Oui" to the PDF offer, and the file chosen in the save dialog.
    void acceptPdfOffer() {
        doubles.messages.nextAnswers = {true};
        doubles.fileDialogs.nextAnswers = {pdf};
    }
    QAbstractButton* button(const QString& name) const {
        return window.findChild<QAbstractButton*>(name);
    }
};

} // namespace

class PrintWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void typedSheetReachesThePage() {
        WindowFixture f;
        click(f, u"Pixelor"_s);
        f.type(Field::SaisieNom, u"dupont"_s);
        f.type(Field::SaisieDescription, u"ab"_s);
        QTest::keyClick(f.get(Field::SaisieDescription), Qt::Key_Return);
        f.type(Field::SaisieDescription, u"cd"_s);
        f.type(Field::SaisieRetribution, u"150"_s);
        click(f, fieldName(Field::LicenceBBS).toString());
        click(f, fieldName(Field::Windows95).toString());
        click(f, u"Imprimer"_s);

        QVERIFY(f.doubles.messages.shown.empty());
        QCOMPARE(f.doubles.printer.printed.size(), 1u);
        const Page& page = f.doubles.printer.printed.front();
        QCOMPARE(textAt(page, 0, 16), u"Nom et Prénom : DUPONT "_s);
        QCOMPARE(textAt(page, 0, 76), u"Description : ab cd"_s);
        QCOMPARE(textAt(page, 130, 32), u"22,87 Euros"_s);
        QCOMPARE(textAt(page, 112, 40), u"BBS"_s);
        QCOMPARE(textAt(page, 97, 50), u"Système (OS) : Windows 95"_s);
        QCOMPARE(textAt(page, 117, 91), u"le : 07/12/2026"_s);
        QCOMPARE(f.text(Field::SaisieRetribution), u"150"_s);
        QVERIFY(f.isOn(Field::LicenceBBS));
    }

    // When the print service cannot be reached, the window offers the PDF file, and writes
    // it without asking the service anything more.
    void unreachableServiceOffersThePdf_data() {
        QTest::addColumn<bool>("trickles");
        QTest::newRow("service hung") << false;
        QTest::newRow("service trickling") << true;
    }
    void unreachableServiceOffersThePdf() {
        QFETCH(bool, trickles);
        HungPrintService service(trickles);
        QVERIFY(service.listens());
        const QByteArray usualServer = qgetenv("CUPS_SERVER");
        qputenv("CUPS_SERVER", service.socket().toLocal8Bit());
        QtPagePrinter printer;
        PrintingWindow w(printer);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        w.acceptPdfOffer();
        int ticks = 0;
        QTimer beat;
        connect(&beat, &QTimer::timeout, &beat, [&ticks] { ++ticks; });
        beat.start(10);

        QTest::mouseClick(w.button(u"Imprimer"_s), Qt::LeftButton);
        const int ticksWhileAsking = ticks;
        qputenv("CUPS_SERVER", usualServer);

        QCOMPARE(w.doubles.messages.asked.size(), 1u);
        QCOMPARE(w.doubles.messages.asked.front().text,
                 u"Le service d'impression (CUPS) ne répond pas"_s +
                     u" : la fiche ne peut pas être imprimée.\n\nVoulez-vous "
                     u"l'enregistrer dans un fichier PDF, pour l'imprimer ailleurs ?"_s);
        QVERIFY(QFileInfo(w.pdf).size() > 0);
        QVERIFY(w.doubles.messages.shown.empty());
        // The queues asked once; the PDF file asks nothing.
        QCOMPARE(service.connectionsTaken(), 1);
        QVERIFY2(ticksWhileAsking > 0, "the window stood still while the service was asked");
        // The request itself ends by its deadline too.
        QTRY_COMPARE_WITH_TIMEOUT(service.connectionsOpen(), 0, kRequestEndsMs);
        QVERIFY(w.button(u"Imprimer"_s)->isEnabled());
    }

    // Whatever the author does while a print waits, "Imprimer" stays disabled until it ends,
    // and then has the keyboard focus back.
    void imprimerStaysOffWhileAPrintWaits_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::newRow("Zorvane") << QStringList{u"Zorvane"_s};
        QTest::newRow("RAZ, Pixelor") << QStringList{u"RAZ"_s, u"Pixelor"_s};
    }
    void imprimerStaysOffWhileAPrintWaits() {
        QFETCH(QStringList, clicks);
        HeldAnswerPrinter printer;
        PrintingWindow w(printer);
        QAbstractButton* imprimer = w.button(u"Imprimer"_s);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        imprimer->setFocus();
        QVERIFY(imprimer->hasFocus());
        bool offWhileWaiting = false;
        QTimer::singleShot(0, &w.window, [&] {
            for (const QString& name : clicks) {
                w.button(name)->click();
            }
            offWhileWaiting = !imprimer->isEnabled();
            printer.answer.release();
        });
        imprimer->click();

        QVERIFY(offWhileWaiting);
        QCOMPARE(printer.printedOn, std::vector<QString>{u"Bureau"_s});
        QVERIFY(imprimer->isEnabled());
        QVERIFY(imprimer->hasFocus());
    }

    // A job the service takes and never answers to the end: the page may still come out,
    // and the PDF is offered as well.
    void unansweredJobOffersThePdfToo() {
        HungPrintService service(true);
        qputenv("CUPS_SERVER", service.socket().toLocal8Bit());
        ReadyQueuePrinter printer;
        PrintingWindow w(printer);
        w.acceptPdfOffer();
        w.button(u"Imprimer"_s)->click();

        QCOMPARE(service.connectionsTaken(), 1);
        QCOMPARE(w.doubles.messages.asked.size(), 1u);
        QCOMPARE(w.doubles.messages.asked.front().text,
                 u"Le service d'impression (CUPS) ne répond pas\u00A0: il a peut-être reçu la "
                 u"fiche, et l'imprimante «\u00A0Scribel\u00A0» l'imprimera peut-être quand "
                 u"même.\n\nVoulez-vous aussi l'enregistrer dans un fichier PDF, pour l'imprimer "
                 u"ailleurs si elle ne sort pas\u00A0?"_s);
        QVERIFY(QFileInfo(w.pdf).size() > 0);
        QVERIFY(w.doubles.messages.shown.empty());
        QTRY_COMPARE_WITH_TIMEOUT(service.connectionsOpen(), 0, kRequestEndsMs);
    }

    // Quitter while the queues' request or the job waits on a service that trickles: the
    // program goes at once, leaving the request behind. Run in a process of its own, which
    // quits through the event loop as main() does.
    void quitterLeavesAWaitingRequest_data() {
        QTest::addColumn<bool>("job");
        QTest::newRow("queues") << false;
        QTest::newRow("job") << true;
    }
    void quitterLeavesAWaitingRequest() {
        QFETCH(bool, job);
        if (!qEnvironmentVariableIsSet("SCRIBEL_QUITTING")) {
            QProcess child;
            child.setProcessChannelMode(QProcess::MergedChannels);
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(u"SCRIBEL_QUITTING"_s, u"1"_s);
            child.setProcessEnvironment(environment);
            child.start(
                QCoreApplication::applicationFilePath(),
                {u"quitterLeavesAWaitingRequest:"_s + QString::fromUtf8(QTest::currentDataTag())});
            QVERIFY(child.waitForFinished(kRequestEndsMs));
            QVERIFY2(child.exitCode() == 0, child.readAll().constData());
            return;
        }
        HungPrintService service(true);
        qputenv("CUPS_SERVER", service.socket().toLocal8Bit());
        ReadyQueuePrinter ready;
        QtPagePrinter qt;
        TestServices doubles;
        auto window = std::make_unique<Principale>(
            doubles.services(job ? static_cast<PagePrinter&>(ready) : qt));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->Pixelor_Click();
        QTimer::singleShot(0, window.get(), [&window] {
            window->findChild<QAbstractButton*>(u"Imprimer"_s)->click();
        });
        QTimer waiting;
        connect(&waiting, &QTimer::timeout, window.get(), [&] {
            if (service.connectionsTaken() > 0) {
                waiting.stop();
                window->findChild<QAbstractButton*>(u"Quitter"_s)->click();
            }
        });
        waiting.start(10);
        QCOMPARE(QApplication::exec(), 0);
        window.reset(); // as main() ends
        QCOMPARE(service.connectionsOpen(), 1);
        QVERIFY(doubles.messages.asked.empty());
        QVERIFY(doubles.messages.shown.empty());
    }

    // The program's printer comes from its print module, loaded when first needed; one
    // that cannot be loaded is named with the reason, and nothing of the sheet is lost.
    void printModule_data() {
        // contents: none: the module of this build
        addColumns<QByteArray, QString>("contents", "message");
        QTest::newRow("built") << QByteArray() << QString();
        QTest::newRow("missing") << QByteArray("-") << u"est introuvable"_s;
        // The module of this build, with the name of the libcups it needs changed (or, in a
        // build of shared libraries, of the printer's library that brings it).
        QFile built(QStringLiteral(SCRIBEL_PRINTER_MODULE));
        QVERIFY(built.open(QIODevice::ReadOnly));
        const QByteArray module = built.readAll();
        const QByteArray needed =
            module.contains("libcups.so.2") ? "libcups.so.2" : "libscribel_qtpageprinter.so";
        QVERIFY(module.contains(needed));
        QTest::newRow("libcups missing")
            << QByteArray(module).replace(needed, QByteArray(needed).replace("lib", "liz"))
            << u"n'a pas pu être chargé\u00A0: il est endommagé, ou une bibliothèque dont il a "
               u"besoin n'est pas installée"_s;
        // The module another version leaves in the folder, as an upgrade does.
        const QByteArray factory(kPagePrinterFactory);
        const QByteArray otherFactory = "scribel_make_page_printer_" +
                                        QByteArray::number(kVersionMajor + 1) + '_' +
                                        QByteArray::number(kVersionMinor);
        QCOMPARE(otherFactory.size(), factory.size());
        QVERIFY(module.contains(factory));
        QTest::newRow("another version") << QByteArray(module).replace(factory, otherFactory)
                                         << u"ne convient pas à ce programme"_s;
        QTest::newRow("damaged") << QByteArray("\x7f"
                                               "ELF, cut short")
                                 << u"n'a pas pu être chargé\u00A0: il est endommagé, ou une "
                                    u"bibliothèque dont il a besoin n'est pas installée"_s;
    }
    void printModule() {
        const auto [contents, message] = fetch<QByteArray, QString>("contents", "message");
        QTemporaryDir folder;
        QString module = QStringLiteral(SCRIBEL_PRINTER_MODULE);
        if (!contents.isNull()) {
            module = folder.filePath(u"scribel-printer.so"_s);
            if (contents != "-") {
                writeBytes(module, contents);
            }
        }
        LoadedPagePrinter printer(module);
        PrintingWindow w(printer);
        w.window.form().setText(Field::SaisieNom, u"dupont"_s);
        const QString typed = w.window.form().text(Field::SaisieNom);
        w.acceptPdfOffer();
        w.button(u"Imprimer"_s)->click();

        const auto& messages = w.doubles.messages;
        if (message.isEmpty()) {
            // Nobody serves the print service here: the PDF file, written by the module.
            QCOMPARE(messages.asked.size(), 1u);
            QVERIFY(QFileInfo(w.pdf).size() > 0);
            QVERIFY(messages.shown.empty());
        } else {
            QCOMPARE(messages.shown.size(), 1u);
            QCOMPARE(messages.shown.front().icon, MessageIcon::Warning);
            QCOMPARE(
                messages.shown.front().text,
                u"La fiche n'a pas été imprimée\u00A0: le module d'impression «\u00A0%1\u00A0» "
                u"%2."_s.arg(module, message));
            QVERIFY(messages.asked.empty());
            QVERIFY(!QFileInfo::exists(w.pdf));
        }
        QCOMPARE(w.window.form().text(Field::SaisieNom), typed);
        QVERIFY(w.button(u"Imprimer"_s)->isEnabled());
    }

    // Root too meets the permission, as the author does.
    void anUnreadableModuleIsNamed() {
        QTemporaryDir folder;
        const QString module = folder.filePath(u"scribel-printer.so"_s);
        writeBytes(module, "\x7f"
                           "ELF");
        QVERIFY(QFile::setPermissions(module, {}));
        const auto reason = runWithoutPrivileges(
            [&] { return LoadedPagePrinter(module).unusableReason().value_or(u"-"_s).toUtf8(); });
        QCOMPARE(reason,
                 std::optional<QByteArray>(
                     u"le module d'impression «\u00A0%1\u00A0» ne peut pas être lu"_s.arg(module)
                         .toUtf8()));
    }

private:
    static void click(const WindowFixture& f, const QString& name) {
        QWidget* button = f.shown(name);
        // Near the left edge: a check box takes clicks on its box and caption only.
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
};

} // namespace scribel::test

QTEST_MAIN(scribel::test::PrintWindowTest)
#include "tst_printwindow.moc"
