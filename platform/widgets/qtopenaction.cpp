#include "qtopenaction.h"

#include <QPointer>
#include <QProcess>
#include <QUrl>

namespace scribel {

namespace {

// xdg-open's statuses: 1 a wrong command line, 2 a file that does not exist, 3 no program
// found for it, 4 the program found failed. Once a viewer is found, xdg-open may wait for
// it and end with the viewer's own status, which says nothing about the opening.
bool openerFailed(int exitCode, QProcess::ExitStatus exitStatus) {
    return exitStatus == QProcess::NormalExit && exitCode >= 1 && exitCode <= 4;
}

} // namespace

QtOpenAction::~QtOpenAction() {
    // An opener still running may be the viewer's parent: it stops without a word, and a
    // viewer it started stays open.
    for (QProcess* opener : m_running.findChildren<QProcess*>(Qt::FindDirectChildrenOnly)) {
        opener->disconnect();
        opener->kill();
        opener->waitForFinished();
    }
}

void QtOpenAction::open(const QUrl& target, QObject* context, std::function<void()> failed) {
    auto* opener = new QProcess(&m_running);
    opener->setProgram(QStringLiteral("xdg-open"));
    opener->setArguments(
        {target.isLocalFile() ? target.toLocalFile() : target.toString(QUrl::FullyEncoded)});
    opener->setStandardInputFile(QProcess::nullDevice());
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    const auto ended = [opener, guard = QPointer<QObject>(context), failed](bool failure) {
        opener->deleteLater();
        if (failure && guard) {
            failed();
        }
    };
    QObject::connect(opener, &QProcess::finished, opener,
                     [ended](int exitCode, QProcess::ExitStatus exitStatus) {
                         ended(openerFailed(exitCode, exitStatus));
                     });
    QObject::connect(opener, &QProcess::errorOccurred, opener,
                     [ended](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             ended(true);
                         }
                     });
    opener->start();
}

} // namespace scribel
