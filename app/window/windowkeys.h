#pragma once

#include <QObject>

class QTabWidget;
class QWidget;

namespace scribel {

// The keys every desktop window answers, on top of the sheet's own:
// - Ctrl+Tab and Ctrl+PgDn show the next tab, Ctrl+Shift+Tab and Ctrl+PgUp the previous
//   one, wherever the focus stands in the window;
// - Enter and the keypad's Enter press the focused button, as Space does;
// - an underlined letter that two controls share goes to the button on the page shown (or
//   the window's own button standing over it) rather than to a tab; shared by two tabs
//   only, it shows the next of them after the current one;
// - an Alt+letter that no control takes does nothing.
// Made once the window's buttons are, owned by the window.
class WindowKeys final : public QObject {
public:
    WindowKeys(QWidget& window, QTabWidget& tabs);

    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace scribel
