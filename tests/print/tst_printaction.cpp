// One press of "Imprimer" with doubles for the printer, the message boxes and the save
// dialog. Runs under a French and an English system locale.

#include "app/printaction.h"
#include "sheetfixtures.h"
#include "support/doubles.h"

#include <QTest>

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

bool hasItem(const Page& page, const QString& text) {
    return std::any_of(page.begin(), page.end(),
                       [&text](const PageItem& item) { return item.text == text; });
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

        QCOMPARE(doubles.printer.printed.size(), 1u);
        const Page& page = doubles.printer.printed.front();
        QVERIFY(hasItem(page, french ? u"15,24 Euros"_s : u"15.24 Euros"_s));
        QVERIFY(hasItem(page, french ? u"le : 07/12/2026"_s : u"le : 12/7/26"_s));
        QVERIFY(doubles.messages.shown.empty());
        QVERIFY(doubles.messages.asked.empty());
        QVERIFY(doubles.fileDialogs.saveRequests.empty());
    }

    void refusesAPriceThatIsNoNumber() {
        FakeSheetWindow window;
        window.sheet.setText(Field::SaisieRetribution, u"abc"_s);
        TestServices doubles;
        doubles.printer.installed = false;
        PrintAction(window, doubles.services()).print();

        QCOMPARE(doubles.messages.shown.size(), 1u);
        const ShownMessage& message = doubles.messages.shown.front();
        QCOMPARE(message.icon, MessageIcon::Warning);
        QVERIFY(message.text.contains(u"« Rétribution (port compris) »"_s));
        QVERIFY(message.text.contains(u"« abc »"_s));
        QVERIFY(doubles.printer.printed.empty());
        QVERIFY(doubles.printer.pdfs.empty());
        QVERIFY(doubles.messages.asked.empty());
    }

    void noPrinterOffersAPdf_data() {
        QTest::addColumn<bool>("wantsPdf");
        QTest::addColumn<bool>("choosesFile");
        QTest::newRow("yes, file chosen") << true << true;
        QTest::newRow("yes, dialog cancelled") << true << false;
        QTest::newRow("no") << false << false;
    }
    void noPrinterOffersAPdf() {
        QFETCH(bool, wantsPdf);
        QFETCH(bool, choosesFile);
        FakeSheetWindow window;
        TestServices doubles;
        PrintAction(window, doubles.services()).print();
        const Page printerPage = doubles.printer.printed.at(0);

        TestServices noPrinter;
        noPrinter.printer.installed = false;
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

    void printerFailureIsTold() {
        FakeSheetWindow window;
        TestServices doubles;
        doubles.printer.failure = u"l'imprimante « Bureau » a signalé une erreur"_s;
        PrintAction(window, doubles.services()).print();

        QCOMPARE(doubles.messages.shown.size(), 1u);
        QVERIFY(doubles.messages.shown.front().text.contains(*doubles.printer.failure));
        QVERIFY(doubles.messages.asked.empty());
        QVERIFY(doubles.printer.pdfs.empty());
    }
};

} // namespace scribel::test

QTEST_GUILESS_MAIN(scribel::test::PrintActionTest)
#include "tst_printaction.moc"
