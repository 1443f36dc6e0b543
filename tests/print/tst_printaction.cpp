// One press of "Imprimer" with doubles for the printer, the message boxes and the save
// dialog. Runs under a French and an English system locale.

#include "app/actions/printaction.h"
#include "sheetfixtures.h"
#include "support/doubles.h"

using namespace Qt::Literals::StringLiterals;

namespace scribel::test {

namespace {

class FakeSheetWindow final : public SheetWindow {
public:
    MemoryForm sheet = fullPixelorSheet();
    Magazine choice = Magazine::Pixelor;

    Form& form() override { return sheet; }
    const Form& form() const override { return sheet; }
    QWidget* dialogParent() override { return nullptr; }
    Magazine magazine() const override { return choice; }
    void setMagazine(Magazine magazine) override { choice = magazine; }
    void RemiseAZero() override {}
};

// The print service in each state the author can meet, by name.
PrintQueues service(const QString& situation) {
    PrintQueues result = oneReadyQueue();
    result.queues.push_back({u"Atelier"_s, true, false});
    if (situation == u"no answer") {
        result = {};
    } else if (situation == u"no queue") {
        result.queues.clear();
        result.defaultQueue.clear();
    } else if (situation == u"no default") {
        result.defaultQueue.clear();
    } else if (situation == u"refusing" || situation.startsWith(u"paused")) {
        result.queues.front().acceptingJobs = !situation.endsWith(u"refusing");
        result.queues.front().paused = situation.startsWith(u"paused");
    } else if (situation == u"PRINTER missing") {
        result.requestedBy = u"PRINTER"_s;
        result.requestedQueue = u"Salon"_s;
    } else if (situation == u"LPDEST paused") {
        result.requestedBy = u"LPDEST"_s;
        result.requestedQueue = u"atelier"_s;
        result.queues.back().paused = true;
    } else if (situation == u"LPDEST, no default") {
        result.requestedBy = u"LPDEST"_s;
        result.requestedQueue = u"Atelier"_s;
        result.defaultQueue.clear();
    }
    return result;
}

} // namespace

class PrintActionTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void printsWithTheSystemsRegionalSettings() {
        const QLocale::Language language = QLocale::system().language();
        if (language != QLocale::French && language != QLocale::English) {
            QSKIP("needs a French or English system locale");
        }
        const bool french = language == QLocale::French;
        FakeSheetWindow window;
        TestServices doubles;
        PrintAction(window, doubles.services()).print();

        QCOMPARE(doubles.printer.printedOn, std::vector<QString>{u"Bureau"_s});
        const Page& page = doubles.printer.printed.front();
        QCOMPARE(textAt(page, 130, 32), french ? u"15,24 Euros"_s : u"15.24 Euros"_s);
        QCOMPARE(textAt(page, 117, 131), french ? u"le : 07/12/2026"_s : u"le : 12/7/26"_s);
        QVERIFY(doubles.messages.shown.empty());
        QVERIFY(doubles.messages.asked.empty());
        QVERIFY(doubles.fileDialogs.saveRequests.empty());
    }

    void refusesAPriceThatIsNoNumber() {
        FakeSheetWindow window;
        window.sheet.setText(Field::SaisieRetribution, u"abc"_s);
        TestServices doubles;
        doubles.printer.service = service(u"no queue"_s);
        PrintAction(window, doubles.services()).print();

        QCOMPARE(doubles.messages.shown.size(), 1u);
        const ShownMessage& message = doubles.messages.shown.front();
        QCOMPARE(message.icon, MessageIcon::Warning);
        QVERIFY(message.text.contains(u"« Rétribution (port compris) »"_s));
        QVERIFY(message.text.contains(u"« abc »"_s));
        // The example in the author's own writing of numbers, to the centime.
        QVERIFY(message.text.contains(u"100 ou 99"_s + QLocale().decimalPoint() + u"50\u202F;"_s));
        QVERIFY(doubles.printer.printed.empty());
        QVERIFY(doubles.printer.pdfs.empty());
        QVERIFY(doubles.messages.asked.empty());
    }

    void noPrinterOffersAPdf_data() {
        addColumns<bool, bool>("wantsPdf", "choosesFile");
        QTest::newRow("yes, file chosen") << true << true;
        QTest::newRow("yes, dialog cancelled") << true << false;
        QTest::newRow("no") << false << false;
    }
    void noPrinterOffersAPdf() {
        const auto [wantsPdf, choosesFile] = fetch<bool, bool>("wantsPdf", "choosesFile");
        FakeSheetWindow window;
        TestServices doubles;
        PrintAction(window, doubles.services()).print();
        const Page printerPage = doubles.printer.printed.at(0);

        TestServices noPrinter;
        noPrinter.printer.service = service(u"no queue"_s);
        noPrinter.messages.nextAnswers = {wantsPdf};
        if (choosesFile) {
            noPrinter.fileDialogs.nextAnswers = {u"/tmp/fiche.pdf"_s};
        }
        PrintAction(window, noPrinter.services()).print();

        QCOMPARE(noPrinter.messages.asked.size(), 1u);
        QVERIFY(noPrinter.messages.asked.front().text.startsWith(u"Aucune imprimante"_s));
        QCOMPARE(noPrinter.messages.asked.front().defaultAnswer, DefaultAnswer::Yes);
        QCOMPARE(noPrinter.fileDialogs.saveRequests.size(), wantsPdf ? 1u : 0u);
        if (wantsPdf) {
            QCOMPARE(noPrinter.fileDialogs.saveRequests.front().defaultSuffix, u"pdf"_s);
        }
        QCOMPARE(noPrinter.printer.pdfs.size(), choosesFile ? 1u : 0u);
        if (choosesFile) {
            QVERIFY(noPrinter.printer.pdfs.front().first == printerPage);
            QCOMPARE(noPrinter.printer.pdfs.front().second, u"/tmp/fiche.pdf"_s);
        }
        QVERIFY(noPrinter.printer.printed.empty());
        QVERIFY(noPrinter.messages.shown.empty());
    }

    void adviceFollowsThePrintService_data() {
        addColumns<QString, int, QString, QString>("situation", "next", "queue", "text");
        using Next = PrintAdvice::Next;
        const auto row = [](const char* situation, Next next, const QString& queue,
                            const QString& text) {
            QTest::newRow(situation)
                << QString::fromUtf8(situation) << static_cast<int>(next) << queue << text;
        };
        const QString pdf = u" : la fiche ne peut pas être imprimée.\n\nVoulez-vous "
                            u"l'enregistrer dans un fichier PDF, pour l'imprimer ailleurs ?"_s;
        row("ready", Next::Print, u"Bureau"_s, {});
        row("no answer", Next::OfferPdf, {},
            u"Le service d'impression (CUPS) ne répond pas"_s + pdf);
        row("no queue", Next::OfferPdf, {}, u"Aucune imprimante n'est installée"_s + pdf);
        const QString refusing =
            u"L'imprimante « Bureau » n'accepte pas de documents en ce moment"_s + pdf;
        row("refusing", Next::OfferPdf, {}, refusing);
        row("paused and refusing", Next::OfferPdf, {}, refusing);
        const auto paused = [](const QString& queue) {
            return u"L'imprimante « %1 » est en pause : la fiche attendra dans sa file d'attente "
                   u"jusqu'à ce que l'imprimante soit remise en marche.\n\n"
                   u"Voulez-vous l'envoyer quand même ?"_s.arg(queue);
        };
        row("paused", Next::AskToSend, u"Bureau"_s, paused(u"Bureau"_s));
        row("no default", Next::AskToChoosePrinter, {},
            u"Aucune imprimante n'est choisie par défaut parmi les imprimantes installées "
            u"(« Bureau », « Atelier »).\n\nVoulez-vous choisir celle qui imprimera la fiche ?\n"
            u"Non : la fiche sera enregistrée dans un fichier PDF."_s);
        row("PRINTER missing", Next::OfferPdf, {},
            u"La variable d'environnement PRINTER désigne l'imprimante « Salon », qui "
            u"n'existe pas"_s +
                pdf);
        row("LPDEST paused", Next::AskToSend, u"Atelier"_s, paused(u"Atelier"_s));
        row("LPDEST, no default", Next::Print, u"Atelier"_s, {});
    }
    void adviceFollowsThePrintService() {
        const auto [situation, next, queue, text] =
            fetch<QString, int, QString, QString>("situation", "next", "queue", "text");
        const PrintAdvice advice = advisePrint(service(situation));
        QCOMPARE(static_cast<int>(advice.next), next);
        QCOMPARE(advice.queue, queue);
        QCOMPARE(advice.text, text);
    }

    // Every question's Enter goes on with the print; what each answer leads to.
    void answersLeadOn_data() {
        // dialogQueue: empty: cancelled; ".pdf": a file
        addColumns<QString, QList<bool>, QString, QStringList, int, int>(
            "situation", "answers", "dialogQueue", "printedOn", "questions", "pdfs");
        const auto row = [](const char* tag, const char* situation, const QList<bool>& answers,
                            const char* dialogQueue, const QStringList& printedOn, int questions,
                            int pdfs) {
            QTest::newRow(tag) << QString::fromUtf8(situation) << answers
                               << QString::fromUtf8(dialogQueue) << printedOn << questions << pdfs;
        };
        row("paused, send", "paused", {true}, "", {u"Bureau"_s}, 1, 0);
        row("paused, keep", "paused", {false}, "", {}, 1, 0);
        row("no default, picked", "no default", {true}, "Atelier", {u"Atelier"_s}, 1, 0);
        row("no default, picked a paused one, sent", "no default", {true, true}, "Bureau",
            {u"Bureau"_s}, 2, 0);
        row("no default, dialog cancelled", "no default", {true}, "", {}, 1, 0);
        row("no default, file from the dialog", "no default", {true}, "/tmp/choisi.pdf", {}, 1, 1);
        row("no default, PDF instead", "no default", {false}, "", {}, 1, 1);
        row("refusing, PDF", "refusing", {true}, "", {}, 1, 1);
        row("no answer, none", "no answer", {false}, "", {}, 1, 0);
    }

    void answersLeadOn() {
        const auto [situation, answers, dialogQueue, printedOn, questions, pdfs] =
            fetch<QString, QList<bool>, QString, QStringList, int, int>(
                "situation", "answers", "dialogQueue", "printedOn", "questions", "pdfs");
        FakeSheetWindow window;
        TestServices doubles;
        doubles.printer.service = service(situation);
        if (situation == u"no default" && dialogQueue == u"Bureau") {
            doubles.printer.service.queues.front().paused = true;
        }
        if (dialogQueue.endsWith(u".pdf")) {
            doubles.printer.dialogAnswer = PrinterChoice{{}, dialogQueue};
        } else if (!dialogQueue.isEmpty()) {
            doubles.printer.dialogAnswer = PrinterChoice{dialogQueue, {}};
        }
        doubles.messages.nextAnswers.assign(answers.begin(), answers.end());
        doubles.fileDialogs.nextAnswers = {u"/tmp/fiche.pdf"_s};
        PrintAction(window, doubles.services()).print();

        QCOMPARE(QStringList(doubles.printer.printedOn.begin(), doubles.printer.printedOn.end()),
                 printedOn);
        QCOMPARE(static_cast<int>(doubles.messages.asked.size()), questions);
        for (const ShownMessage& question : doubles.messages.asked) {
            QCOMPARE(question.defaultAnswer, DefaultAnswer::Yes);
        }
        QCOMPARE(static_cast<int>(doubles.printer.pdfs.size()), pdfs);
        if (pdfs == 1) {
            QCOMPARE(doubles.printer.pdfs.front().second,
                     dialogQueue.isEmpty() ? u"/tmp/fiche.pdf"_s : dialogQueue);
        }
        QCOMPARE(doubles.printer.dialogsShown,
                 situation == u"no default" && answers.front() ? 1 : 0);
        QVERIFY(doubles.messages.shown.empty());
    }

    void printerFailureIsTold() {
        FakeSheetWindow window;
        TestServices doubles;
        doubles.printer.failure = u"l'imprimante « Bureau » a signalé une erreur"_s;
        PrintAction(window, doubles.services()).print();

        QCOMPARE(doubles.messages.shown.size(), 1u);
        QCOMPARE(doubles.messages.shown.front().text,
                 u"La fiche n'a pas été imprimée : %1."_s.arg(*doubles.printer.failure));
        QVERIFY(doubles.messages.asked.empty());
        QVERIFY(doubles.printer.pdfs.empty());

        // The PDF file offered instead, which cannot be written.
        TestServices noPrinter;
        noPrinter.printer.service = service(u"no queue"_s);
        noPrinter.printer.pdfFailure = u"le disque est plein"_s;
        noPrinter.messages.nextAnswers = {true};
        noPrinter.fileDialogs.nextAnswers = {u"/tmp/fiche.pdf"_s};
        PrintAction(window, noPrinter.services()).print();

        QCOMPARE(noPrinter.messages.shown.size(), 1u);
        QCOMPARE(noPrinter.messages.shown.front().text,
                 u"Le fichier « %1 » n'a pas pu être enregistré : %2."_s.arg(
                     u"/tmp/fiche.pdf"_s, *noPrinter.printer.pdfFailure));
    }
};

} // namespace scribel::test

QTEST_GUILESS_MAIN(scribel::test::PrintActionTest)
#include "tst_printaction.moc"
