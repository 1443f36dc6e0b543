#pragma once

// The Qt application of a libFuzzer target that drives widgets: offscreen, with the
// fuzzer's own program name, alive until the process ends.

#include <QApplication>

namespace scribel::test {

inline void startOffscreenApplication(char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qtArgc = 1;
    static char* qtArgv[] = {(*argv)[0], nullptr};
    new QApplication(qtArgc, qtArgv);
}

} // namespace scribel::test
