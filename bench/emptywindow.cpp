#include "emptywindow.h"

#include <QTabWidget>
#include <QWidget>
#include <cstdio>
#include <cstring>

namespace scribel::bench {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kTabCount = 7;

} // namespace

std::unique_ptr<QWidget> makeEmptyWindow(std::optional<QSize> size) {
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(u"Fenêtre vide"_s);
    auto* tabs = new QTabWidget(window.get());
    for (int tab = 1; tab <= kTabCount; ++tab) {
        tabs->addTab(new QWidget(tabs), u"Onglet %1"_s.arg(tab));
    }
    if (size) {
        window->setFixedSize(*size);
        tabs->setGeometry(window->rect());
    } else {
        tabs->adjustSize();
        window->adjustSize();
    }
    return window;
}

std::optional<QSize> sizeArgument(int argc, char* argv[]) {
    for (int i = 1; i + 1 < argc; ++i) {
        int width = 0;
        int height = 0;
        if (std::strcmp(argv[i], "--size") == 0 &&
            std::sscanf(argv[i + 1], "%dx%d", &width, &height) == 2) {
            return QSize(width, height);
        }
    }
    return std::nullopt;
}

} // namespace scribel::bench
