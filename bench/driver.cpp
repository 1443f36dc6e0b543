#include "driver.h"

#include "childrun.h"
#include "report.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>

namespace scribel::bench {

using namespace Qt::Literals::StringLiterals;

namespace {

struct Programs {
    QString self;
    QString floor;
};

QString sizeText(QSize size) {
    return u"%1x%2"_s.arg(size.width()).arg(size.height());
}

// One run of each start-up child, in turn, so that a slow spell of the machine falls on
// all three alike.
bool runStartups(const Programs& programs, QSize size, Results* results) {
    const auto floor = runChild(programs.floor, {u"--size"_s, sizeText(size)});
    const auto emptyHere =
        runChild(programs.self, {u"--startup"_s, u"empty"_s, u"--size"_s, sizeText(size)});
    const auto real = runChild(programs.self, {u"--startup"_s, u"real"_s});
    if (!floor || !emptyHere || !real) {
        return false;
    }
    if (results != nullptr) {
        results->floor.append(*floor);
        results->emptyHere.append(*emptyHere);
        results->real.append(*real);
    }
    return true;
}

// Other work on the machine slows the children down: the figures say how busy it was.
QString loadAverage() {
    QFile file(u"/proc/loadavg"_s);
    if (!file.open(QIODevice::ReadOnly)) {
        return u"unknown"_s;
    }
    return QString::fromLatin1(file.readLine().split(' ').value(0));
}

} // namespace

int runBenchmark(int& argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Start-up, memory, save, load and print figures."_s);
    parser.addHelpOption();
    const QCommandLineOption runsOption(u"runs"_s, u"Start-up processes per row."_s, u"N"_s,
                                        u"20"_s);
    const QCommandLineOption iterationsOption(u"iterations"_s, u"Runs of each operation."_s, u"N"_s,
                                              u"20"_s);
    const QCommandLineOption sheetOption(u"sheet"_s, u"The full sheet to load."_s, u"FILE"_s,
                                         QStringLiteral(SCRIBEL_BENCH_SHEET));
    parser.addOptions({runsOption, iterationsOption, sheetOption});
    parser.process(app);

    // Children started outside a desktop session would each warn that this is missing.
    QTemporaryDir runtimeFolder;
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR") && runtimeFolder.isValid()) {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder.path()));
    }

    Results results;
    results.platform = childPlatform();
    results.loadAverage = loadAverage();
    results.sheet = QFileInfo(parser.value(sheetOption)).absoluteFilePath();
    results.iterations = std::max(1, parser.value(iterationsOption).toInt());
    const int runs = std::max(1, parser.value(runsOption).toInt());
    const QString folder = QCoreApplication::applicationDirPath();
    const Programs programs{QCoreApplication::applicationFilePath(),
                            QDir(folder).filePath(u"scribel_bench_floor"_s)};

    // The warm-up fills the disk cache and gives the real window's size.
    const auto warmUp = runChild(programs.self, {u"--startup"_s, u"real"_s});
    if (!warmUp || !runStartups(programs, warmUp->size, nullptr)) {
        return 1;
    }
    for (int run = 1; run <= runs; ++run) {
        if (!runStartups(programs, warmUp->size, &results)) {
            return 1;
        }
    }
    const auto work =
        runChild(programs.self, {u"--work"_s, QString::number(results.iterations), results.sheet});
    if (!work) {
        return 1;
    }
    results.work = *work;

    QTextStream(stdout) << formatResults(results);
    return 0;
}

} // namespace scribel::bench
