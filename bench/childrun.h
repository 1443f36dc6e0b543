#pragma once

#include <QList>
#include <QMap>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

namespace scribel::bench {

// What one child process reported, its marks in milliseconds since it was started.
struct ChildResult {
    QMap<QString, double> marksMs;
    QMap<QString, QList<double>> samplesMs;
    QMap<QString, QList<double>> samplesCpuMs;
    QSize size;
    double cpuMs = 0;
    double peakMib = 0;
};

// Starts program in a fresh process, headless unless QT_QPA_PLATFORM says otherwise,
// and reads its report. Nothing when the child failed; its own errors go to stderr.
std::optional<ChildResult> runChild(const QString& program, const QStringList& arguments);

// The platform the children run on.
QString childPlatform();

} // namespace scribel::bench
