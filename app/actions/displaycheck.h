#pragma once

#include "app/actions/commandline.h"

#include <QProcessEnvironment>
#include <QtMessageHandler>
#include <optional>
#include <vector>

namespace scribel {

// Why no window can open, told before the toolkit tries (it would abort in English); nothing
// when a display is named, or the chosen platform needs none (offscreen, a virtual screen).
std::optional<QString> missingDisplay(const CommandLine& commandLine,
                                      const QProcessEnvironment& environment);

// Why the displays named could not be opened, for when the toolkit fails on them.
QString unopenedDisplay(const CommandLine& commandLine, const QProcessEnvironment& environment);

// Holds the toolkit's messages back while it lives, and lets them out when it goes. Should the
// toolkit abort (no display opens), `whenFatal` goes to standard error and the program ends
// at once with `status`.
class ToolkitStartGuard final {
public:
    ToolkitStartGuard(QString whenFatal, int status);
    ~ToolkitStartGuard();
    ToolkitStartGuard(const ToolkitStartGuard&) = delete;
    ToolkitStartGuard& operator=(const ToolkitStartGuard&) = delete;

private:
    static void hold(QtMsgType type, const QMessageLogContext& context, const QString& message);

    struct Held {
        QtMsgType type;
        QByteArray category;
        QString message;
    };
    QString m_whenFatal;
    int m_status;
    std::vector<Held> m_held;
    QtMessageHandler m_previous;
};

} // namespace scribel
