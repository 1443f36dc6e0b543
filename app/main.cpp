#include "app/principale.h"
#include "platform/qtfiledialogs.h"
#include "platform/qtmessageboxes.h"
#include "platform/qtopenaction.h"
#include "platform/qtpageprinter.h"
#include "platform/systemclock.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("La Scribel"));
    QApplication::setDesktopFileName(QStringLiteral("scribel"));

    // French throughout, Qt's own dialogs and buttons included.
    QTranslator qtFrench;
    if (qtFrench.load(QStringLiteral("qtbase_fr"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtFrench);
    }

    scribel::QtFileDialogs fileDialogs;
    scribel::QtMessageBoxes messages;
    scribel::QtPagePrinter printer;
    scribel::QtOpenAction openAction;
    scribel::SystemClock clock;
    scribel::Principale window({fileDialogs, messages, printer, openAction, clock});
    window.show();
    return QApplication::exec();
}
