#pragma once

// The author's ways into a field, each as the field receives it: a key press carrying
// text, an input method's commit, a paste, a drop, Paste from the field's own menu.

#include "support/windowfixture.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>

namespace scribel::test {

using namespace Qt::StringLiterals;

inline void pasteInto(QWidget* widget, const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keySequence(widget, QKeySequence::Paste);
}

// A drop as the window sees one: the drag enters the field, moves, and is dropped; with
// Shift, the drag offers to move the text. Returns what the drop tells the drag source.
inline Qt::DropAction dropInto(QWidget* widget, const QString& text,
                               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    auto* area = qobject_cast<QAbstractScrollArea*>(widget);
    QWidget* target = area != nullptr ? area->viewport() : widget;
    const QPoint centre = target->rect().center();
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QMimeData data;
    data.setText(text);
    QDragEnterEvent enter(centre, actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(centre, actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(QPointF(centre), actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

inline void pasteFromMenu(QWidget* widget, const QString& text) {
    QApplication::clipboard()->setText(text);
    auto* area = qobject_cast<QAbstractScrollArea*>(widget);
    QWidget* target = area != nullptr ? area->viewport() : widget;
    QContextMenuEvent request(QContextMenuEvent::Keyboard, target->rect().center(),
                              target->mapToGlobal(target->rect().center()));
    QApplication::sendEvent(target, &request);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu != nullptr);
    const QList<QAction*> actions = menu->actions();
    for (QAction* action : actions) {
        if (action->text().startsWith(u"&Paste")) {
            action->trigger();
        }
    }
    menu->close();
}

// One key press carrying a whole text, as on-screen keyboards and some layouts send.
inline void pressKeyWithText(QWidget* widget, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
}

inline void commitFromInputMethod(QWidget* widget, const QString& text) {
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(widget, &commit);
}

enum class Entry { Keys, InputMethod, Paste, Drop };

// Inserts each piece as the author would: one key press, one input method commit, one
// paste or one drop.
inline void enter(QWidget* widget, Entry entry, const QStringList& pieces) {
    using Insertion = void (*)(QWidget*, const QString&);
    const Insertion insert[] = {pressKeyWithText, commitFromInputMethod, pasteInto,
                                [](QWidget* target, const QString& text) {
                                    dropInto(target, text);
                                }};
    widget->setFocus();
    for (const QString& piece : pieces) {
        insert[static_cast<int>(entry)](widget, piece);
    }
}

} // namespace scribel::test

Q_DECLARE_METATYPE(scribel::test::Entry)
