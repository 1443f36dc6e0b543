#include "app/actions/displaycheck.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace scribel {

namespace {

ToolkitStartGuard* g_guard = nullptr;

QString x11Display(const CommandLine& commandLine, const QProcessEnvironment& environment) {
    return commandLine.display.isEmpty() ? environment.value(QStringLiteral("DISPLAY"))
                                         : commandLine.display;
}

} // namespace

std::optional<QString> missingDisplay(const CommandLine& commandLine,
                                      const QProcessEnvironment& environment) {
    const QString platform = commandLine.platform.isEmpty()
                                 ? environment.value(QStringLiteral("QT_QPA_PLATFORM"))
                                 : commandLine.platform;
    const bool x11 = !x11Display(commandLine, environment).isEmpty();
    const bool wayland = !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty();
    if (platform.isEmpty() && !x11 && !wayland) {
        return QStringLiteral("aucun affichage graphique : ni DISPLAY ni WAYLAND_DISPLAY n'est "
                              "défini, la fenêtre ne peut s'ouvrir que dans une session de "
                              "bureau");
    }
    // Wayland's client library falls back on a display of its own: only X11 is told here.
    if (platform.startsWith(QStringLiteral("xcb")) && !x11) {
        return QStringLiteral("aucun affichage X11 : DISPLAY n'est pas défini");
    }
    return std::nullopt;
}

QString unopenedDisplay(const CommandLine& commandLine, const QProcessEnvironment& environment) {
    QStringList named;
    const QString x11 = x11Display(commandLine, environment);
    if (!x11.isEmpty()) {
        named.append(QStringLiteral("DISPLAY=") + x11);
    }
    const QString wayland = environment.value(QStringLiteral("WAYLAND_DISPLAY"));
    if (!wayland.isEmpty()) {
        named.append(QStringLiteral("WAYLAND_DISPLAY=") + wayland);
    }
    if (named.isEmpty()) {
        return QStringLiteral("impossible d'ouvrir un affichage graphique");
    }
    return QStringLiteral("impossible d'ouvrir l'affichage graphique %1")
        .arg(QStringLiteral("« ") + named.join(QStringLiteral(" », « ")) + QStringLiteral(" »"));
}

ToolkitStartGuard::ToolkitStartGuard(QString whenFatal, int status)
    : m_whenFatal(std::move(whenFatal)), m_status(status) {
    g_guard = this;
    m_previous = qInstallMessageHandler(&ToolkitStartGuard::hold);
}

ToolkitStartGuard::~ToolkitStartGuard() {
    qInstallMessageHandler(m_previous);
    g_guard = nullptr;
    if (m_previous == nullptr) {
        return;
    }
    for (const Held& held : m_held) {
        const QMessageLogContext context(nullptr, 0, nullptr, held.category.constData());
        m_previous(held.type, context, held.message);
    }
}

void ToolkitStartGuard::hold(QtMsgType type, const QMessageLogContext& context,
                             const QString& message) {
    if (type == QtFatalMsg) {
        std::fputs(g_guard->m_whenFatal.toLocal8Bit().constData(), stderr);
        std::fflush(stderr);
        std::_Exit(g_guard->m_status);
    }
    g_guard->m_held.push_back({type, QByteArray(context.category), message});
}

} // namespace scribel
