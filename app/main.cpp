#include "app/controlfactory.h"
#include "app/principale.h"
#include "platform/frenchtranslation.h"
#include "platform/qtfiledialogs.h"
#include "platform/qtmessageboxes.h"
#include "platform/qtopenaction.h"
#include "platform/qtpageprinter.h"
#include "platform/systemclock.h"

#include <QApplication>

int main(int argc, char* argv[]) {
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
    return QApplication::exec();
}
