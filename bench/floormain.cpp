// The floor of the start-up benchmark as a program of its own: a plain Qt Widgets program
// that shows the same first frame as La Scribel. The benchmark starts it as a child; alone
// it shows its window, reports and quits. With --stay it shows its window and waits, idle:
// the floor for the processor use of a window left open.

#include "childreport.h"
#include "firstframe.h"
#include "sameframe.h"

#include <QApplication>
#include <QWidget>
#include <cstring>

int main(int argc, char* argv[]) {
    scribel::bench::ChildReport report;
    report.mark("main");
    QApplication app(argc, argv);
    report.mark("application");
    const auto window = scribel::bench::makeSameFrameWindow();
    report.mark("window");
    if (argc > 1 && std::strcmp(argv[argc - 1], "--stay") == 0) {
        window->show();
        return QApplication::exec();
    }
    return scribel::bench::showAndReport(*window, report);
}
