#include "startupchildren.h"

#include "app/window/controlfactory.h"
#include "app/window/principale.h"
#include "childreport.h"
#include "firstframe.h"
#include "platform/core/systemclock.h"
#include "platform/widgets/loadedpageprinter.h"
#include "platform/widgets/qtfiledialogs.h"
#include "platform/widgets/qtmessageboxes.h"
#include "platform/widgets/qtopenaction.h"
#include "sameframe.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace scribel::bench {

using namespace Qt::Literals::StringLiterals;

int runRealStartup(int& argc, char* argv[], ChildReport& report) {
    QApplication app(argc, argv);
    report.mark("application");

    // What main() does before it shows the window, step for step.
    QApplication::setApplicationName(u"La Scribel"_s);
    QApplication::setDesktopFileName(u"scribel"_s);
    QApplication::setFont(arial(QApplication::font().pointSizeF()));
    QTranslator qtFrench;
    if (qtFrench.load(u"qtbase_fr"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtFrench);
    }
    QtMessageBoxes messages;
    QtFileDialogs fileDialogs(messages);
    LoadedPagePrinter printer(QStringLiteral(SCRIBEL_PRINTER_MODULE));
    QtOpenAction openAction;
    SystemClock clock;
    Principale window({fileDialogs, messages, printer, openAction, clock});
    report.mark("window");

    return showAndReport(window, report);
}

int runEmptyStartup(int& argc, char* argv[], ChildReport& report) {
    QApplication app(argc, argv);
    report.mark("application");
    const auto window = makeSameFrameWindow();
    report.mark("window");
    return showAndReport(*window, report);
}

} // namespace scribel::bench
