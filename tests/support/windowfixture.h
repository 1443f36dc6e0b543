#pragma once

// The real window with its doubles, driven the way the author does: by clicks and keys
// on controls found by their object names.

#include "app/window/principale.h"
#include "support/doubles.h"
#include "support/helpers.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>

namespace scribel::test {

// Types text key by key; QTest::keyClicks only knows ASCII keys.
inline void typeKeys(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClick(widget, static_cast<char>(ch.unicode()));
        } else {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    }
}

// Shown: on screen and active, for keys, focus and mouse clicks. Unshown: built only,
// which is all that buttons clicked by program and values set by program need.
enum class Showing { Shown, Unshown };

struct WindowFixture {
    TestServices doubles;
    std::unique_ptr<Principale> window;

    explicit WindowFixture(Showing showing = Showing::Shown) {
        window = std::make_unique<Principale>(doubles.services());
        if (showing == Showing::Unshown) {
            return;
        }
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) {
            qWarning("the window was not exposed");
        }
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get())) {
            qWarning("the window did not become active");
        }
    }

    // The shown window with a magazine chosen by its button, as most tests begin.
    explicit WindowFixture(QStringView magazine) : WindowFixture() { click(magazine); }

    template <typename T = QWidget> T* get(QStringView name) const {
        T* widget = window->findChild<T*>(name.toString());
        if (widget == nullptr) {
            qFatal("no control %s of the expected kind", qPrintable(name.toString()));
        }
        return widget;
    }
    template <typename T = QWidget> T* get(Field field) const { return get<T>(fieldName(field)); }

    QTabWidget* tabs() const { return get<QTabWidget>(u"Onglet"); }

    void click(QStringView name) const {
        QTest::mouseClick(get<QAbstractButton>(name), Qt::LeftButton);
    }
    void click(Field field) const { click(fieldName(field)); }

    // Shows the tab holding the widget, as the author would before using it.
    void showTabOf(QWidget* widget) const {
        for (int i = 0; i < tabs()->count(); ++i) {
            if (tabs()->widget(i)->isAncestorOf(widget)) {
                tabs()->setCurrentIndex(i);
                return;
            }
        }
    }

    // The widget, its tab shown first.
    template <typename T = QWidget, typename Name> T* shown(const Name& name) const {
        T* widget = get<T>(name);
        showTabOf(widget);
        return widget;
    }

    void type(Field field, const QString& keys) const {
        QWidget* widget = get(field);
        showTabOf(widget);
        typeKeys(widget, keys);
    }

    QString text(Field field) const { return window->form().text(field); }
    QString text(QStringView name) const { return text(fieldNamed(name)); }
    bool isOn(Field field) const { return window->form().isOn(field); }
    bool isShown(QStringView name) const { return !get(name)->isHidden(); }
    bool isShown(Field field) const { return isShown(fieldName(field)); }
};

} // namespace scribel::test
