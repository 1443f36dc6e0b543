// "Imprimer" on the real window, through Qt and libcups, into a print service of the
// test's own whose default queue writes PDF files; then each state of that service the
// author can meet, and what the window tells of it.

#include "app/window/principale.h"
#include "platform/widgets/qtpageprinter.h"
#include "print/pagelayout.h"
#include "support/doubles.h"
#include "support/helpers.h"
#include "support/pdfwords.h"
#include "support/privateprintservice.h"

#include <QAbstractButton>

using namespace Qt::Literals::StringLiterals;

namespace scribel::test {

namespace {

constexpr int kJobTimeoutMs = 60000;

QString pdfOffer(const QString& why) {
    return why + u" : la fiche ne peut pas être imprimée.\n\nVoulez-vous l'enregistrer dans "
                 u"un fichier PDF, pour l'imprimer ailleurs ?"_s;
}

QString pdfInfo(const QString& path) {
    return QString::fromUtf8(outputOf(u"pdfinfo"_s, {path}));
}

QString userOptions() {
    return qEnvironmentVariable("HOME") + u"/.cups/lpoptions"_s;
}

// Each state of the print service the author can meet: the steps that bring the service
// into it, and back. A step is a print command and its arguments; NAME=value to set an
// environment variable, NAME= to unset it; "options LINE" for the user's own options
// file, "options" to remove it; or the service's own start, stop or queue.
struct ServiceState {
    QStringView name;
    QList<QStringView> enter;
    QList<QStringView> leave;
};

const ServiceState kServiceStates[] = {
    {u"refusing", {u"cupsreject Scribel"}, {u"cupsaccept Scribel"}},
    {u"paused", {u"cupsdisable Scribel"}, {u"cupsenable Scribel"}},
    {u"no default",
     {u"lpadmin -p Atelier -E -v file:///dev/null", u"lpadmin -x Scribel"},
     {u"lpadmin -x Atelier", u"queue"}},
    {u"paused and refusing",
     {u"cupsdisable Scribel", u"cupsreject Scribel"},
     {u"cupsenable Scribel", u"cupsaccept Scribel"}},
    // An instance of the paused queue, and PRINTER=lp, which names no queue: both reach it.
    {u"paused, PRINTER with an instance",
     {u"PRINTER=Scribel/recto", u"cupsdisable Scribel"},
     {u"PRINTER=", u"cupsenable Scribel"}},
    {u"paused, PRINTER=lp",
     {u"PRINTER=lp", u"cupsdisable Scribel"},
     {u"PRINTER=", u"cupsenable Scribel"}},
    {u"unknown PRINTER", {u"PRINTER=Salon"}, {u"PRINTER="}},
    // LPDEST comes before PRINTER; an instance names its queue.
    {u"unknown LPDEST", {u"LPDEST=Salon/recto", u"PRINTER=Scribel"}, {u"LPDEST=", u"PRINTER="}},
    // A second queue, paused, that the user's own options file makes the default.
    {u"paused user default",
     {u"lpadmin -p Atelier -E -v file:///dev/null", u"cupsdisable Atelier",
      u"options Default Atelier/recto"},
     {u"options", u"lpadmin -x Atelier"}},
    {u"removed", {u"lpadmin -x Scribel"}, {u"queue"}},
    {u"stopped", {u"stop"}, {u"start"}},
};

bool runStep(PrivatePrintService& service, QStringView step) {
    const QStringList words = step.toString().split(u' ');
    if (const qsizetype equals = words.front().indexOf(u'='); equals > 0) {
        const QByteArray value = words.front().mid(equals + 1).toLatin1();
        const QByteArray name = words.front().left(equals).toLatin1();
        return value.isEmpty() ? qunsetenv(name.constData()) : qputenv(name.constData(), value);
    }
    if (words.front() == u"options") {
        if (words.size() == 1) {
            return QFile::remove(userOptions());
        }
        const QByteArray line = words.mid(1).join(u' ').toLatin1() + '\n';
        QFile file(userOptions());
        return QDir().mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly) &&
               file.write(line) == line.size();
    }
    if (words.size() == 1) {
        return service.script(words.front());
    }
    return service.command(words.front(), words.mid(1));
}

bool runSteps(PrivatePrintService& service, const QString& state, bool entering) {
    for (const ServiceState& known : kServiceStates) {
        if (known.name == state) {
            const QList<QStringView>& steps = entering ? known.enter : known.leave;
            return std::all_of(steps.begin(), steps.end(),
                               [&service](QStringView step) { return runStep(service, step); });
        }
    }
    qFatal("no service state %s", qPrintable(state));
}

void stateRow(const char* state, const QString& text) {
    QTest::newRow(state) << QString::fromUtf8(state) << text;
}

} // namespace

class PrintCupsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        if (const QString missing = PrivatePrintService::missingTools(); !missing.isEmpty()) {
            QSKIP(qPrintable(missing));
        }
        // libcups reads its server once per process, and the user's own lpoptions: both
        // are this test's before anything prints.
        qputenv("CUPS_SERVER", m_service.socket().toLocal8Bit());
        qputenv("HOME", m_home.path().toLocal8Bit());
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");
        QVERIFY2(m_service.start(), qPrintable(m_service.error));
    }

    void init() {
        m_doubles = std::make_unique<TestServices>();
        m_window = std::make_unique<Principale>(m_doubles->services(m_printer));
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() {
        m_window.reset();
        m_doubles.reset();
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");
    }

    void fullSheetLandsOnThePage_data() {
        QTest::addColumn<QString>("sheet");
        QTest::newRow("Pixelor") << u"complet.pxr"_s;
        QTest::newRow("Zorvane") << u"complet.zrv"_s;
    }
    void fullSheetLandsOnThePage() {
        QFETCH(QString, sheet);
        load(sheet);
        clearPdfs();
        click(u"Imprimer"_s);
        QVERIFY(m_doubles->messages.shown.empty());
        QVERIFY(m_doubles->messages.asked.empty());
        QTRY_COMPARE_WITH_TIMEOUT(pdfs().size(), 1, kJobTimeoutMs);
        const QString pdf = m_service.pdfFolder().filePath(pdfs().front());
        QTRY_VERIFY_WITH_TIMEOUT(pdfInfo(pdf).contains(u"Pages:"_s), kJobTimeoutMs);

        verifyPageOnQueuesPaper(pdf);
    }

    // "Oui" to the PDF offer: the file holds the page as the queue would have printed it.
    void pdfOfferedInsteadIsLaidOutForTheQueue() {
        QVERIFY2(enter(u"refusing"_s), qPrintable(m_service.error));
        load(u"complet.pxr"_s);
        const QString pdf = m_home.filePath(u"fiche.pdf"_s);
        m_doubles->messages.nextAnswers = {true};
        m_doubles->fileDialogs.nextAnswers = {pdf};
        click(u"Imprimer"_s);
        const bool written = QTest::qWaitFor([&] { return QFileInfo::exists(pdf); }, kJobTimeoutMs);
        QVERIFY2(leave(u"refusing"_s), qPrintable(m_service.error)); // the next rows need it
        QVERIFY(written);
        verifyPageOnQueuesPaper(pdf);
    }

    // Each state of the service: the one question the window asks ("Non" answered), and
    // no page printed.
    void eachStateIsTold_data() {
        addColumns<QString, QString>("state", "question");
        stateRow("refusing",
                 pdfOffer(u"L'imprimante « Scribel » n'accepte pas de documents en ce moment"_s));
        stateRow("paused and refusing",
                 pdfOffer(u"L'imprimante « Scribel » n'accepte pas de documents en ce moment"_s));
        const auto paused = [](const QString& queue) {
            return u"L'imprimante « %1 » est en pause : la fiche attendra dans sa file "
                   u"d'attente jusqu'à ce que l'imprimante soit remise en marche.\n\n"
                   u"Voulez-vous l'envoyer quand même ?"_s.arg(queue);
        };
        for (const char* state :
             {"paused", "paused, PRINTER with an instance", "paused, PRINTER=lp"}) {
            stateRow(state, paused(u"Scribel"_s));
        }
        stateRow("paused user default", paused(u"Atelier"_s));
        stateRow("no default",
                 u"Aucune imprimante n'est choisie par défaut parmi les imprimantes installées "
                 u"(« Atelier »).\n\nVoulez-vous choisir celle qui imprimera la fiche ?\n"
                 u"Non : la fiche sera enregistrée dans un fichier PDF."_s);
        stateRow("unknown PRINTER",
                 pdfOffer(u"La variable d'environnement PRINTER désigne l'imprimante « Salon », "
                          u"qui n'existe pas"_s));
        stateRow("unknown LPDEST",
                 pdfOffer(u"La variable d'environnement LPDEST désigne l'imprimante « Salon », "
                          u"qui n'existe pas"_s));
        stateRow("stopped", pdfOffer(u"Le service d'impression (CUPS) ne répond pas"_s));
    }
    void eachStateIsTold() {
        const auto [state, question] = fetch<QString, QString>("state", "question");
        QVERIFY2(enter(state), qPrintable(m_service.error));
        load(u"complet.pxr"_s);
        clearPdfs();
        click(u"Imprimer"_s);
        const bool restored = leave(state);

        QCOMPARE(m_doubles->messages.asked.size(), 1u);
        QCOMPARE(m_doubles->messages.asked.front().text, question);
        QCOMPARE(m_doubles->messages.asked.front().defaultAnswer, DefaultAnswer::Yes);
        QVERIFY(m_doubles->messages.shown.empty());
        // "Non" to the PDF offer opens the save dialog only where there is no default.
        QCOMPARE(m_doubles->fileDialogs.saveRequests.size(), state == u"no default" ? 1u : 0u);
        QVERIFY2(restored, qPrintable(m_service.error));
        QCOMPARE(pdfs(), QStringList());
    }

    // "Oui" to a paused queue: the job waits in it, and nothing is said after.
    void pausedQueueKeepsTheSheet() {
        QVERIFY2(enter(u"paused"_s), qPrintable(m_service.error));
        load(u"complet.pxr"_s);
        m_doubles->messages.nextAnswers = {true};
        click(u"Imprimer"_s);
        QVERIFY(m_service.command(u"lpstat"_s, {u"-o"_s, u"Scribel"_s}));
        const QString waiting = m_service.error;
        QVERIFY(m_service.command(u"cancel"_s, {u"-a"_s, u"Scribel"_s}));
        QVERIFY2(leave(u"paused"_s), qPrintable(m_service.error));
        QVERIFY2(waiting.contains(u"Scribel-"_s), qPrintable(waiting));
        QCOMPARE(m_doubles->messages.asked.size(), 1u);
        QVERIFY(m_doubles->messages.shown.empty());
    }

    // The queue's paper as the service tells it is the one its driver describes: the
    // default size's dimensions and printable area in points.
    void paperIsTheQueues() {
        QFile ppd(m_service.pdfFolder().filePath(u"../etc/ppd/Scribel.ppd"_s));
        QVERIFY(ppd.open(QIODevice::ReadOnly));
        const QString driver = QString::fromLatin1(ppd.readAll());
        const QString size =
            QRegularExpression(u"\\*DefaultPageSize: *(\\S+)"_s).match(driver).captured(1);
        const auto numbers = [&driver, &size](const QString& keyword) {
            const QString pattern = u"\\*%1 %2[/:][^\"]*\"([^\"]*)\""_s.arg(keyword, size);
            QList<double> values;
            for (const QString& word : QRegularExpression(pattern).match(driver).captured(1).split(
                     u' ', Qt::SkipEmptyParts)) {
                values.append(word.toDouble() * 25.4 / 72);
            }
            return values;
        };
        const QList<double> paper = numbers(u"PaperDimension"_s);
        const QList<double> area = numbers(u"ImageableArea"_s);
        QCOMPARE(paper.size(), 2);
        QCOMPARE(area.size(), 4);
        const QRectF expected(area[0], paper[1] - area[3], area[2] - area[0], area[3] - area[1]);
        const QRectF told = printableArea();
        QVERIFY2(std::abs(told.left() - expected.left()) < 0.15 &&
                     std::abs(told.top() - expected.top()) < 0.15 &&
                     std::abs(told.width() - expected.width()) < 0.15 &&
                     std::abs(told.height() - expected.height()) < 0.15,
                 qPrintable(QDebug::toString(told) + u" against "_s + QDebug::toString(expected)));
    }

    // A queue that refuses the job itself, or is gone since the service was asked: the
    // reason comes back, nothing passes for printed.
    void refusedJobIsAReason_data() {
        addColumns<QString, QString>("state", "reason");
        stateRow("refusing", u"l'imprimante « Scribel » a refusé le document (elle "
                             u"n'accepte pas de documents en ce moment)"_s);
        stateRow("removed", u"l'imprimante\u00A0«\u00A0Scribel\u00A0» n'existe plus"_s);
    }
    void refusedJobIsAReason() {
        const auto [state, reason] = fetch<QString, QString>("state", "reason");
        QVERIFY(m_printer.queues().find(u"Scribel"_s) != nullptr);
        QVERIFY2(enter(state), qPrintable(m_service.error));
        const auto failure =
            m_printer.printOn(u"Scribel"_s, std::nullopt, {{0, 0, PrintStyle::Body, u"x"_s}});
        QVERIFY2(leave(state), qPrintable(m_service.error));
        QCOMPARE(failure.value_or(QString()), reason);
    }

    void cleanupTestCase() { QVERIFY2(m_service.stop(), qPrintable(m_service.error)); }

private:
    bool enter(const QString& state) { return runSteps(m_service, state, true); }
    bool leave(const QString& state) { return runSteps(m_service, state, false); }

    // Loads a sheet file through "Charger"; complet.zrv is the full sheet for Zorvane.
    void load(const QString& name) {
        const bool zorvane = name.endsWith(u".zrv");
        QByteArray bytes = bytesOf(qEnvironmentVariable("SCRIBEL_SOURCE_DIR") +
                                   u"/tests/data/sheetfile/complet.pxr"_s);
        QVERIFY(!bytes.isEmpty());
        if (zorvane) {
            bytes.replace(bytes.lastIndexOf(" 1 "), 3, " 2 ");
        }
        writeBytes(m_home.filePath(name), bytes);
        click(zorvane ? u"Zorvane"_s : u"Pixelor"_s);
        m_doubles->fileDialogs.nextAnswers = {m_home.filePath(name)};
        click(u"Charger"_s);
        QVERIFY(m_window->magazine() == (zorvane ? Magazine::Zorvane : Magazine::Pixelor));
    }
    void click(const QString& name) const {
        auto* button = m_window->findChild<QAbstractButton*>(name);
        QVERIFY2(button != nullptr, qPrintable(name));
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // One A4 page, each text of the sheet on its baseline in the default queue's printable area.
    void verifyPageOnQueuesPaper(const QString& pdf) const {
        const QString info = pdfInfo(pdf);
        QVERIFY2(info.contains(QRegularExpression(u"Pages: +1\\n"_s)), qPrintable(info));
        QVERIFY2(
            info.contains(QRegularExpression(u"Page size: +595(\\.\\d+)? x 84[12](\\.\\d+)?"_s)),
            qPrintable(info));
        const std::vector<PdfWord> words = readPdfBaselines(pdf);
        QVERIFY(!words.empty());
        const QRectF area = printableArea();
        QVERIFY(!area.isEmpty());
        const Page page = std::get<Page>(print::layOutPage(
            m_window->form(), m_window->magazine(), QLocale::system(), m_doubles->clock.today()));
        for (const PageItem& item : page) {
            if (item.text.trimmed().isEmpty()) {
                continue;
            }
            const PdfWord* word = findItemOnBaseline(words, item, area.left(), area.top());
            QVERIFY2(word != nullptr,
                     qPrintable(
                         u"\"%1\" not within 0.3 mm of (%2, %3)"_s.arg(item.text).arg(item.xMm).arg(
                             item.yMm)));
        }
    }
    QRectF printableArea() const {
        const PrintQueues service = m_printer.queues();
        const auto paper = service.papers.constFind(u"Scribel"_s);
        if (paper == service.papers.cend()) {
            return {};
        }
        return QtPagePrinter::pageLayout(*paper).paintRect(QPageLayout::Millimeter);
    }
    QStringList pdfs() const {
        return m_service.pdfFolder().entryList({u"*.pdf"_s}, QDir::Files, QDir::Name);
    }
    void clearPdfs() const {
        for (const QString& name : pdfs()) {
            QVERIFY(m_service.pdfFolder().remove(name));
        }
    }

    QTemporaryDir m_home;
    PrivatePrintService m_service;
    QtPagePrinter m_printer;
    std::unique_ptr<TestServices> m_doubles;
    std::unique_ptr<Principale> m_window;
};

} // namespace scribel::test

QTEST_MAIN(scribel::test::PrintCupsTest)
#include "tst_printcups.moc"
