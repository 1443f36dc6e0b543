#pragma once

#include <QPointer>
#include <QWidget>

namespace scribel {

// Held while a modal dialog runs: once it closes, the window it was opened over has the
// keyboard again, with the focus on the control that had it. A dialog that closes right
// after a question of its own may otherwise leave no window with the keyboard.
class FocusReturn final {
public:
    explicit FocusReturn(QWidget* parent)
        : m_window(parent != nullptr ? parent->window() : nullptr),
          m_focus(m_window != nullptr ? m_window->focusWidget() : nullptr) {}
    ~FocusReturn() {
        if (m_window == nullptr || !m_window->isVisible()) {
            return;
        }
        m_window->activateWindow();
        if (m_focus != nullptr && m_focus->isVisible() && m_focus->isEnabled()) {
            m_focus->setFocus(Qt::ActiveWindowFocusReason);
        }
    }
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;

private:
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_focus;
};

} // namespace scribel
