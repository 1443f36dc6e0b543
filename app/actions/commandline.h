#pragma once

#include <QString>
#include <QStringList>

namespace scribel {

// What the command line asks for, read before any window or display exists.
struct CommandLine {
    enum class Action {
        Run,         // open the window, with `file` when one is named
        ShowHelp,    // print `text` on standard output, exit 0
        ShowVersion, // print `text` on standard output, exit 0
        Refuse,      // print `text` on standard error, exit 2
    };
    Action action = Action::Run;
    QString file; // a local path, also when it was given as a file:// address
    QString text;
    // The toolkit's -platform and -display values, which decide the display the window needs.
    QString platform;
    QString display;
};

// `arguments` as the process received them, the program's name first.
CommandLine parseCommandLine(const QStringList& arguments);

} // namespace scribel
