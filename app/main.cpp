#include "app/actions/commandline.h"
#include "app/actions/displaycheck.h"
#include "app/actions/printaction.h"
#include "app/window/controlfactory.h"
#include "app/window/principale.h"
#include "platform/core/systemclock.h"
#include "platform/core/systemerrortext.h"
#include "platform/widgets/frenchtranslation.h"
#include "platform/widgets/loadedpageprinter.h"
#include "platform/widgets/qtfiledialogs.h"
#include "platform/widgets/qtmessageboxes.h"
#include "platform/widgets/qtopenaction.h"

#include <QApplication>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// The arguments as QCoreApplication would decode them, read before it exists so that
// --help and --version need no display.
QStringList argumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}

// Exit statuses besides 0, also listed in the manual page.
constexpr int kUnwritten = 1; // --help or --version could not be written
constexpr int kRefused = 2;   // the command line is wrong
constexpr int kNoDisplay = 3; // no window can open

int print(std::FILE* stream, const QString& text, int status) {
    const QByteArray bytes = text.toLocal8Bit();
    errno = 0;
    const bool written = std::fputs(bytes.constData(), stream) >= 0 && std::fflush(stream) == 0;
    if (!written) {
        const int error = errno;
        std::fputs(QStringLiteral("scribel : impossible d'écrire le texte demandé (%1)\n")
                       .arg(scribel::systemErrorText(error))
                       .toLocal8Bit()
                       .constData(),
                   stderr);
        return status == 0 ? kUnwritten : status;
    }
    return status;
}

} // namespace

int main(int argc, char* argv[]) {
    const scribel::CommandLine commandLine = scribel::parseCommandLine(argumentsOf(argc, argv));
    if (commandLine.action != scribel::CommandLine::Action::Run) {
        const bool refused = commandLine.action == scribel::CommandLine::Action::Refuse;
        return print(refused ? stderr : stdout, commandLine.text, refused ? kRefused : 0);
    }

    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (const std::optional<QString> missing = scribel::missingDisplay(commandLine, environment)) {
        return print(stderr, QStringLiteral("scribel : %1\n").arg(*missing), kNoDisplay);
    }
    auto guard = std::make_unique<scribel::ToolkitStartGuard>(
        QStringLiteral("scribel : %1\n").arg(scribel::unopenedDisplay(commandLine, environment)),
        kNoDisplay);
    QApplication app(argc, argv);
    guard.reset();
    QApplication::setApplicationName(QStringLiteral("La Scribel"));
    QApplication::setDesktopFileName(QStringLiteral("scribel"));
    // The sheet's typeface from the start, so that no control lays out in another first.
    QApplication::setFont(scribel::arial(QApplication::font().pointSizeF()));

    // French throughout, Qt's own dialogs and buttons included.
    if (!scribel::installQtFrenchTranslation(app)) {
        qWarning("Qt's French translations are missing: its dialogs will speak English.");
    }

    scribel::QtMessageBoxes messages;
    scribel::QtFileDialogs fileDialogs(messages);
    // Qt's printer, loaded at the first print.
    scribel::LoadedPagePrinter printer;
    scribel::QtOpenAction openAction;
    scribel::SystemClock clock;
    scribel::Principale window({fileDialogs, messages, printer, openAction, clock});
    window.show();
    if (!commandLine.file.isEmpty()) {
        window.openGivenFiles({commandLine.file});
    }
    const int status = QApplication::exec();
    if (scribel::PrintAction::requestsUnderWay()) {
        // A print the author left waiting: end here rather than take Qt down under it.
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
