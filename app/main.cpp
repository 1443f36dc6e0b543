#include "app/commandline.h"
#include "app/controlfactory.h"
#include "app/principale.h"
#include "platform/frenchtranslation.h"
#include "platform/qtfiledialogs.h"
#include "platform/qtmessageboxes.h"
#include "platform/qtopenaction.h"
#include "platform/qtpageprinter.h"
#include "platform/systemclock.h"

#include <QApplication>
#include <cstdio>

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

int print(std::FILE* stream, const QString& text, int status) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    return status;
}

} // namespace

int main(int argc, char* argv[]) {
    const scribel::CommandLine commandLine = scribel::parseCommandLine(argumentsOf(argc, argv));
    switch (commandLine.action) {
    case scribel::CommandLine::Action::ShowHelp:
    case scribel::CommandLine::Action::ShowVersion:
        return print(stdout, commandLine.text, 0);
    case scribel::CommandLine::Action::Refuse:
        return print(stderr, commandLine.text, 2);
    case scribel::CommandLine::Action::Run:
        break;
    }

    QApplication app(argc, argv);
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
    scribel::QtPagePrinter printer;
    scribel::QtOpenAction openAction;
    scribel::SystemClock clock;
    scribel::Principale window({fileDialogs, messages, printer, openAction, clock});
    window.show();
    if (!commandLine.file.isEmpty()) {
        window.openGivenFiles({commandLine.file});
    }
    return QApplication::exec();
}
