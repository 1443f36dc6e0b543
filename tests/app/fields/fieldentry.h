#pragma once

// The author's ways into a field, each as the field receives it: a key press carrying
// text, an input method's commit, a paste, a drop, Paste from the field's own menu.

#include "support/windowfixture.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <cstring>
#include <vector>

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

// Paste, chosen in the field's own context menu.
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

// The checks below run in the test of each field kind, each on the rows of its own kind:
// `multiLine` picks the description's rows, or those of the single-line fields.

// Qt would pad the text with spaces to reach a replacement past its end; a commit the
// rule refuses replaces nothing.
inline void inputMethodReplacementRows(bool multiLine) {
    addColumns<QString, QString, int, int, QString>("field", "commit", "start", "length", "shown");
    const QString emoji = u"\U0001F600"_s;
    const std::vector<const char*> fields =
        multiLine ? std::vector<const char*>{"SaisieDescription"}
                  : std::vector<const char*>{"SaisieActivite", "SaisieNom"};
    for (const char* field : fields) {
        const bool capitals = std::strcmp(field, "SaisieNom") == 0;
        const auto cased = [capitals](const char* text) {
            return capitals ? QString::fromLatin1(text).toUpper() : QString::fromLatin1(text);
        };
        QTest::addRow("%s, past the end", field) << field << "x" << 3 << 2 << cased("abcdefx");
        QTest::addRow("%s, the last three", field) << field << "x" << -3 << 3 << cased("abcx");
        QTest::addRow("%s, refused, the last three", field)
            << field << emoji << -3 << 3 << cased("abcdef");
        QTest::addRow("%s, refused, around the caret", field)
            << field << u"\u200B"_s << -1 << 1 << cased("abcdef");
        // The mark joins the character before what it replaces, which it then replaces too.
        QTest::addRow("%s, a mark over the last", field)
            << field << u"\u0301"_s << -1 << 1 << (capitals ? u"ABCD\u00C9"_s : u"abcd\u00E9"_s);
    }
}
inline void checkInputMethodReplacement() {
    const auto [field, commit, start, length, shown] =
        fetch<QString, QString, int, int, QString>("field", "commit", "start", "length", "shown");
    const WindowFixture f(u"Pixelor");
    QWidget* widget = f.shown(field);
    enter(widget, Entry::InputMethod, {u"abcdef"_s});
    QInputMethodEvent replacing;
    replacing.setCommitString(commit, start, length);
    QApplication::sendEvent(widget, &replacing);
    QCOMPARE(f.text(field), shown);
}

// Dragged with a move, what the field cannot take whole stays with the drag's source:
// the drop answers a copy, or no drop at all when nothing goes in.
inline void movedDropRows(bool multiLine) {
    addColumns<QString, QString, QString, Qt::DropAction>("field", "dragged", "shown", "answer");
    if (multiLine) {
        QTest::newRow("300 characters onto the description, 228")
            << "SaisieDescription" << QString(300, u'z') << QString(228, u'z') << Qt::CopyAction;
        QTest::newRow("a ligature onto the description")
            << "SaisieDescription" << u"\uFB01n"_s << "fin" << Qt::MoveAction;
        QTest::newRow("nothing to take in the description")
            << "SaisieDescription" << u"\u200B"_s << "" << Qt::IgnoreAction;
        return;
    }
    const QString description = u"Un jeu de plateau à deux joueurs, en couleurs"_s;
    QTest::newRow("40 characters onto logiciel, 25")
        << "SaisieLogiciel" << description.left(40) << description.left(25) << Qt::CopyAction;
    QTest::newRow("10 characters onto logiciel")
        << "SaisieLogiciel" << description.left(10) << description.left(10) << Qt::MoveAction;
    QTest::newRow("an emoji among them")
        << "SaisieActivite" << u"ab\U0001F600"_s << "ab" << Qt::CopyAction;
    QTest::newRow("nothing to take")
        << "SaisieActivite" << u"\U0001F600"_s << "" << Qt::IgnoreAction;
}
inline void checkMovedDrop() {
    const auto [field, dragged, shown, answer] =
        fetch<QString, QString, QString, Qt::DropAction>("field", "dragged", "shown", "answer");
    const WindowFixture f(u"Pixelor");
    QWidget* widget = f.shown(field);
    QCOMPARE(dropInto(widget, dragged, Qt::ShiftModifier), answer);
    QCOMPARE(f.text(field), shown);
}

// As in Qt's own line edit: a run of typing, a paste or a drop is one step, however
// the rule changed what went in; a refused insertion leaves the history alone.
inline void undoRows(bool multiLine) {
    addColumns<QString, int, QStringList>("field", "entry",
                                          "steps"); // entry: -1: Paste from the field's menu
    const QStringList plain = utf8List({"ab", "abfi", "abficd", "abficdfi"});
    if (multiLine) {
        QTest::newRow("description, pasted") << "SaisieDescription" << int(Entry::Paste) << plain;
        QTest::newRow("description, dropped") << "SaisieDescription" << int(Entry::Drop) << plain;
        QTest::newRow("description, from the menu") << "SaisieDescription" << -1 << plain;
        return;
    }
    const QStringList capitals = utf8List({"AB", "ABfi", "ABfiCD", "ABfiCDfi"});
    QTest::newRow("activité, pasted") << "SaisieActivite" << int(Entry::Paste) << plain;
    QTest::newRow("activité, dropped") << "SaisieActivite" << int(Entry::Drop) << plain;
    QTest::newRow("nom, pasted") << "SaisieNom" << int(Entry::Paste) << capitals;
    QTest::newRow("nom, from the menu") << "SaisieNom" << -1 << capitals;
}
inline void checkUndoAndRedo() {
    const auto [field, entry, steps] = fetch<QString, int, QStringList>("field", "entry", "steps");
    const WindowFixture f(u"Pixelor");
    QWidget* widget = f.shown(field);
    widget->setFocus();
    const auto insert = [widget, how = entry](const QString& text) {
        if (how < 0) {
            pasteFromMenu(widget, text);
        } else {
            enter(widget, static_cast<Entry>(how), {text});
        }
    };
    typeKeys(widget, u"ab"_s);
    insert(u"\uFB01"_s);       // the ligature goes in as "fi"
    typeKeys(widget, u"cd"_s); // a step of its own, which ends before the next insertion
    insert(u"\uFB01"_s);
    QCOMPARE(f.text(field), steps.last());
    for (qsizetype step = steps.size() - 2; step >= -1; --step) {
        QTest::keySequence(widget, QKeySequence::Undo);
        QCOMPARE(f.text(field), step >= 0 ? steps[step] : QString());
    }
    insert(u"\U0001F600"_s); // refused
    QCOMPARE(f.text(field), QString());
    for (const QString& step : steps) {
        QTest::keySequence(widget, QKeySequence::Redo);
        QCOMPARE(f.text(field), step);
    }
}

} // namespace scribel::test

Q_DECLARE_METATYPE(scribel::test::Entry)
