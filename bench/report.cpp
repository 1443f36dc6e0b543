#include "report.h"

#include "version.h"

#include <QFileInfo>
#include <algorithm>
#include <functional>

namespace scribel::bench {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr double kStartupGoal = 1.15;
constexpr double kMemoryGoal = 1.5;

double median(QList<double> values) {
    if (values.isEmpty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double minimum(const QList<double>& values) {
    return values.isEmpty() ? 0 : *std::min_element(values.begin(), values.end());
}

QList<double> each(const QList<ChildResult>& runs,
                   const std::function<double(const ChildResult&)>& figure) {
    QList<double> values;
    for (const ChildResult& run : runs) {
        values.append(figure(run));
    }
    return values;
}

QList<double> markOf(const QList<ChildResult>& runs, const QString& mark) {
    return each(runs, [&mark](const ChildResult& run) { return run.marksMs.value(mark); });
}

QList<double> mappedAndIdle(const QList<ChildResult>& runs) {
    return markOf(runs, u"idle"_s);
}

QList<double> cpu(const QList<ChildResult>& runs) {
    return each(runs, [](const ChildResult& run) { return run.cpuMs; });
}

QList<double> peak(const QList<ChildResult>& runs) {
    return each(runs, [](const ChildResult& run) { return run.peakMib; });
}

QString ms(double value) {
    return QString::number(value, 'f', value < 10 ? 2 : 1) + u" ms"_s;
}

QString mib(double value) {
    return QString::number(value, 'f', 1) + u" MiB"_s;
}

QString times(double ratio) {
    return QString::number(ratio, 'f', 2) + u"×"_s;
}

QString row(const QStringList& cells) {
    return u"| "_s + cells.join(u" | "_s) + u" |\n"_s;
}

QString goal(const QString& what, double ratio, double goalRatio) {
    return u"- %1 within %2× the floor: %3 (%4).\n"_s.arg(
        what, QString::number(goalRatio), ratio <= goalRatio ? u"met"_s : u"NOT met"_s,
        times(ratio));
}

// The goals compare medians with the floor's; memory takes the higher of the real two.
double startupRatio(const Results& results) {
    return median(mappedAndIdle(results.real)) / median(mappedAndIdle(results.floor));
}

double memoryRatio(const Results& results) {
    return std::max(median(peak(results.real)), results.work.peakMib) / median(peak(results.floor));
}

QString startupTable(const Results& results) {
    QString text = row({u"Start-up until mapped and idle"_s, u"median"_s, u"min"_s,
                        u"processor time (median)"_s}) +
                   row({u"---"_s, u"--:"_s, u"--:"_s, u"--:"_s});
    const auto line = [&text](const QString& label, const QList<ChildResult>& runs) {
        text += row({label, ms(median(mappedAndIdle(runs))), ms(minimum(mappedAndIdle(runs))),
                     ms(median(cpu(runs)))});
    };
    line(u"The same frame, plain Qt Widgets (the floor)"_s, results.floor);
    line(u"The same frame, in the benchmark's program"_s, results.emptyHere);
    line(u"La Scribel's window"_s, results.real);
    text +=
        row({u"Real / floor"_s, times(startupRatio(results)),
             times(minimum(mappedAndIdle(results.real)) / minimum(mappedAndIdle(results.floor))),
             times(median(cpu(results.real)) / median(cpu(results.floor)))});
    return text;
}

QString memoryTable(const Results& results) {
    const double floor = median(peak(results.floor));
    const double real = median(peak(results.real));
    return row({u"Peak memory (max RSS)"_s, u"median"_s}) + row({u"---"_s, u"--:"_s}) +
           row({u"The same frame, plain Qt Widgets (the floor)"_s, mib(floor)}) +
           row({u"The same frame, in the benchmark's program"_s,
                mib(median(peak(results.emptyHere)))}) +
           row({u"La Scribel's window after start-up"_s, mib(real)}) +
           row({u"La Scribel's window after the loads, saves and prints below"_s,
                mib(results.work.peakMib)}) +
           row({u"Real after start-up / floor"_s, times(real / floor)}) +
           row({u"Real after the work / floor"_s, times(results.work.peakMib / floor)});
}

QString workTable(const Results& results) {
    QString text = row({u"A full sheet, through the window"_s, u"first"_s, u"median"_s, u"min"_s,
                        u"processor time (median)"_s}) +
                   row({u"---"_s, u"--:"_s, u"--:"_s, u"--:"_s, u"--:"_s});
    const auto line = [&text, &results](const QString& label, const QString& sample) {
        const QList<double> runs = results.work.samplesMs.value(sample);
        text += row({label, ms(runs.value(0)), ms(median(runs)), ms(minimum(runs)),
                     ms(median(results.work.samplesCpuMs.value(sample)))});
    };
    line(u"Load and apply (Charger)"_s, u"load"_s);
    line(u"Save (Sauvegarder)"_s, u"save"_s);
    line(u"Print into a PDF file (Imprimer)"_s, u"print"_s);
    return text;
}

QString phaseTable(const Results& results) {
    QString text = row({u"Where start-up goes: median ms since the process was started"_s,
                        u"floor"_s, u"empty, same program"_s, u"real"_s}) +
                   row({u"---"_s, u"--:"_s, u"--:"_s, u"--:"_s});
    const std::pair<QString, QString> phases[] = {
        {u"main"_s, u"main() entered: process, libraries, static initialisers"_s},
        {u"application"_s, u"QApplication built"_s},
        {u"window"_s, u"window built"_s},
        {u"shown"_s, u"show() returned"_s},
        {u"painted"_s, u"first paint event of the window"_s},
        {u"frame"_s, u"whole first frame painted"_s},
        {u"idle"_s, u"mapped and idle"_s},
    };
    for (const auto& [mark, label] : phases) {
        text += row({label, ms(median(markOf(results.floor, mark))),
                     ms(median(markOf(results.emptyHere, mark))),
                     ms(median(markOf(results.real, mark)))});
    }
    return text;
}

} // namespace

QString formatResults(const Results& results) {
    return u"## La Scribel %1: benchmark\n\n"_s.arg(versionText()) +
           u"Platform %1; %2 fresh processes per start-up row, after one warm-up each; "
           u"%3 runs of each operation in one process, on the sheet %4; load average %5 "
           u"when the run began.\n\n"_s.arg(results.platform, QString::number(results.floor.size()),
                                            QString::number(results.iterations),
                                            QFileInfo(results.sheet).fileName(),
                                            results.loadAverage) +
           startupTable(results) + u"\n"_s + memoryTable(results) + u"\n"_s + workTable(results) +
           u"\n"_s + phaseTable(results) + u"\n"_s +
           goal(u"Start-up (median)"_s, startupRatio(results), kStartupGoal) +
           goal(u"Peak memory (the higher of the real window's two)"_s, memoryRatio(results),
                kMemoryGoal);
}

} // namespace scribel::bench
