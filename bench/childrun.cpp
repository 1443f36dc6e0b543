#include "childrun.h"

#include "processmeasures.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <cstdio>

namespace scribel::bench {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kChildTimeoutMs = 120'000;
constexpr double kNanosecondsPerMs = 1e6;
constexpr double kKibPerMib = 1024.0;

QProcessEnvironment childEnvironment() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(u"QT_QPA_PLATFORM"_s)) {
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    }
    return environment;
}

ChildResult parseReport(const QByteArray& output, qint64 startedNs) {
    ChildResult result;
    for (const QByteArray& line : output.split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (words.size() == 3 && words[0] == "mark") {
            result.marksMs.insert(QString::fromLatin1(words[1]),
                                  static_cast<double>(words[2].toLongLong() - startedNs) /
                                      kNanosecondsPerMs);
        } else if (words.size() == 4 && words[0] == "sample") {
            const QString name = QString::fromLatin1(words[1]);
            result.samplesMs[name].append(static_cast<double>(words[2].toLongLong()) /
                                          kNanosecondsPerMs);
            result.samplesCpuMs[name].append(static_cast<double>(words[3].toLongLong()) /
                                             kNanosecondsPerMs);
        } else if (words.size() == 3 && words[0] == "size") {
            result.size = QSize(words[1].toInt(), words[2].toInt());
        } else if (words.size() == 2 && words[0] == "cpu") {
            result.cpuMs = static_cast<double>(words[1].toLongLong()) / kNanosecondsPerMs;
        } else if (words.size() == 2 && words[0] == "peak") {
            result.peakMib = static_cast<double>(words[1].toLongLong()) / kKibPerMib;
        }
    }
    return result;
}

} // namespace

std::optional<ChildResult> runChild(const QString& program, const QStringList& arguments) {
    QProcess child;
    child.setProcessEnvironment(childEnvironment());
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const std::int64_t startedNs = monotonicNanoseconds();
    child.start(program, arguments);
    const bool finished = child.waitForFinished(kChildTimeoutMs);
    if (!finished || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
        std::fprintf(stderr, "scribel_bench: %s %s failed: %s\n", qPrintable(program),
                     qPrintable(arguments.join(u' ')), qPrintable(child.errorString()));
        return std::nullopt;
    }
    return parseReport(child.readAllStandardOutput(), startedNs);
}

QString childPlatform() {
    return childEnvironment().value(u"QT_QPA_PLATFORM"_s);
}

} // namespace scribel::bench
