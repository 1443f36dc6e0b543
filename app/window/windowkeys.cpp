#include "windowkeys.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>

namespace scribel {

namespace {

// Shows the first enabled tab that `fits`, `step` tabs on (or back) round the strip from the
// current one, which comes last.
template <typename Fits> bool showNextTab(QTabWidget& tabs, int step, Fits fits) {
    if (!tabs.isEnabled()) {
        return false;
    }
    for (int i = 1; i <= tabs.count(); ++i) {
        const int index = (tabs.currentIndex() + step * i + tabs.count()) % tabs.count();
        if (tabs.isTabEnabled(index) && fits(index)) {
            tabs.setCurrentIndex(index);
            return true;
        }
    }
    return false;
}

// Enter on a push button presses it; outside a dialog Qt leaves that to Space.
class EnterPressesButtons final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* button = qobject_cast<QPushButton*>(watched);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const bool bare = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (button == nullptr || !enter || !bare || !button->isEnabled()) {
            return false;
        }
        if (!key->isAutoRepeat()) {
            button->animateClick();
        }
        return true;
    }
};

// Decides which control an underlined letter shared by several controls goes to. Qt
// hands such a letter to each of them in turn, as a mere focus move.
class SharedMnemonics final : public QObject {
public:
    SharedMnemonics(QWidget& window, QTabWidget& tabs)
        : QObject(&window), m_window(window), m_tabs(tabs) {}

    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() != QEvent::Shortcut ||
            !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
            return false;
        }
        const QKeySequence key = static_cast<QShortcutEvent*>(event)->key();
        const QList<QAbstractButton*> buttons = m_window.findChildren<QAbstractButton*>();
        for (QAbstractButton* button : buttons) {
            // Only the shown page's buttons and the window's are visible.
            if (button->shortcut() == key && button->isVisible() && button->isEnabled()) {
                button->setFocus(Qt::ShortcutFocusReason);
                button->animateClick();
                return true;
            }
        }
        return showNextTab(m_tabs, 1, [this, &key](int index) {
            return QKeySequence::mnemonic(m_tabs.tabText(index)) == key;
        });
    }

private:
    QWidget& m_window;
    QTabWidget& m_tabs;
};

} // namespace

WindowKeys::WindowKeys(QWidget& window, QTabWidget& tabs) : QObject(&window) {
    auto* enter = new EnterPressesButtons(this);
    auto* mnemonics = new SharedMnemonics(window, tabs);
    QCoreApplication::instance()->installEventFilter(this);
    const auto onKeys = [&window, &tabs](std::initializer_list<QKeyCombination> keys, int step) {
        for (const QKeyCombination key : keys) {
            auto* shortcut = new QShortcut(QKeySequence(key), &window);
            QObject::connect(shortcut, &QShortcut::activated, &tabs, [&tabs, step] {
                showNextTab(tabs, step, [&tabs](int index) { return tabs.isTabVisible(index); });
            });
        }
    };
    onKeys({Qt::CTRL | Qt::Key_Tab, Qt::CTRL | Qt::Key_PageDown}, 1);
    // Shift+Tab comes as Backtab from most keyboards, as Tab with Shift from some.
    onKeys({Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, Qt::CTRL | Qt::SHIFT | Qt::Key_Tab,
            Qt::CTRL | Qt::Key_PageUp},
           -1);

    tabs.tabBar()->installEventFilter(mnemonics);
    const QList<QAbstractButton*> buttons = window.findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons) {
        button->installEventFilter(mnemonics);
        if (qobject_cast<QPushButton*>(button) != nullptr) {
            button->installEventFilter(enter);
        }
    }
}

// An Alt+letter that no control of the window took is a missed shortcut: nothing types
// it. AltGr types, which some keyboards report as Ctrl+Alt, others with the group switch.
bool WindowKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers held =
        key->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::GroupSwitchModifier);
    return held == Qt::AltModifier && !key->text().isEmpty() && key->text().front().isPrint() &&
           static_cast<QWidget*>(watched)->window() == parent();
}

} // namespace scribel
