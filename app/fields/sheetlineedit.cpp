#include "sheetlineedit.h"

#include "keyrules.h"
#include "typingfilter.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QValidator>
#include <algorithm>
#include <utility>

namespace scribel {

namespace {

// The last guard, for whatever reaches Qt past the field's own filtering: an edit that would
// put a character the code page lacks into the field, or grow it past its limit, is undone
// whole. The text before the edit is kept from the field's last change.
class StorableInsertion final : public QValidator {
public:
    StorableInsertion(int limit, QLineEdit* edit) : QValidator(edit), m_limit(limit) {
        connect(edit, &QLineEdit::textChanged, this,
                [this](const QString& text) { m_previous = text; });
    }

    State validate(QString& input, int& pos) const override {
        if (input == m_previous) {
            return Acceptable;
        }
        if (input.size() > std::max<qsizetype>(m_limit, m_previous.size())) {
            return Invalid;
        }
        // What follows the caret was there before; what precedes the insertion too.
        qsizetype suffix = input.size() - pos;
        if (suffix < 0 || suffix > m_previous.size() ||
            QStringView(input).right(suffix) != QStringView(m_previous).right(suffix)) {
            suffix = 0;
        }
        const qsizetype prefixBound =
            std::min<qsizetype>(m_previous.size() - suffix, input.size() - suffix);
        qsizetype prefix = 0;
        while (prefix < prefixBound && input[prefix] == m_previous[prefix]) {
            ++prefix;
        }
        const QStringView inserted = QStringView(input).mid(prefix, input.size() - suffix - prefix);
        return isStorable(inserted, false) ? Acceptable : Invalid;
    }

private:
    int m_limit;
    QString m_previous;
};

} // namespace

SheetLineEdit::SheetLineEdit(int limit, QWidget* parent) : QLineEdit(parent), m_limit(limit) {
    setValidator(new StorableInsertion(limit, this));
}

// An input method's composition can leave Qt's caret past the end of the text.
int SheetLineEdit::insertionStart() const {
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    return std::clamp(start, 0, static_cast<int>(text().size()));
}

Admission SheetLineEdit::admit(QStringView inserted, int from, int length) const {
    const QString current = text();
    const QChar before = from > 0 ? current[from - 1] : QChar();
    return admitInsertion(inserted, before, current.size() - length, current.size(), m_limit,
                          false);
}

Admission SheetLineEdit::insertAsOneStep(QStringView inserted, int from, int length) {
    Admission admission = admit(inserted, from, length);
    if (admission.text.isEmpty()) {
        return admission;
    }
    if (admission.replacesPrevious) {
        --from;
        ++length;
    }
    // Qt closes its current undo step whenever the caret moves, before and after.
    if (!text().isEmpty()) {
        setCursorPosition(from == 0 ? 1 : 0);
    }
    setSelection(from, length);
    insert(admission.text);
    const int end = cursorPosition();
    setCursorPosition(end - 1);
    setCursorPosition(end);
    return admission;
}

void SheetLineEdit::pasteFrom(QClipboard::Mode mode) {
    if (!isReadOnly()) {
        insertAsOneStep(QGuiApplication::clipboard()->text(mode), insertionStart(),
                        selectionLength());
    }
}

void SheetLineEdit::typeKey(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && m_keyHook) {
        QChar code(kEnterCode);
        m_keyHook(code);
        event->accept(); // a single-line field does not insert it
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        // Ctrl+Shift+Insert pastes the selection where the desktop has one, as in Qt.
        const bool selection = event->key() == Qt::Key_Insert &&
                               event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier) &&
                               QGuiApplication::clipboard()->supportsSelection();
        pasteFrom(selection ? QClipboard::Selection : QClipboard::Clipboard);
        event->accept();
        return;
    }
    if (!insertsText(event->text(), event->modifiers(), false)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const int from = insertionStart();
    const Admission admission = admit(event->text(), from, selectionLength());
    if (admission.text == event->text() && !m_keyHook) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    if (admission.text.isEmpty()) {
        return;
    }
    if (admission.replacesPrevious) {
        setSelection(from - 1, selectionLength() + 1);
    }
    // One character at a time, so that the key hook sees the text each one follows.
    for (QChar code : admission.text) {
        if (m_keyHook) {
            m_keyHook(code);
        }
        QKeyEvent one(event->type(), event->key(), event->modifiers(), QString(code),
                      event->isAutoRepeat(), event->count());
        QLineEdit::keyPressEvent(&one);
    }
}

void SheetLineEdit::commitFromInputMethod(QInputMethodEvent* event) {
    const QString current = text();
    auto commit = admitCommit(
        *event, hasSelectedText() ? selectionStart() : cursorPosition(), selectionLength(),
        static_cast<int>(current.size()), [&current](int at) { return current[at]; }, m_limit,
        false);
    if (commit && m_keyHook) {
        // The committed text goes in as typed keys do, one character at a time through the
        // key hook; the first replaces what the input method asked to replace.
        for (QChar code : std::exchange(commit->admission.text, {})) {
            m_keyHook(code);
            QInputMethodEvent one;
            one.setCommitString(QString(code), commit->replaced.start, commit->replaced.length);
            QLineEdit::inputMethodEvent(&one);
            commit->replaced = {0, 0};
        }
    }
    QInputMethodEvent composing(event->preeditString(), event->attributes());
    if (commit) {
        composing.setCommitString(commit->admission.text, commit->replaced.start,
                                  commit->replaced.length);
    }
    QLineEdit::inputMethodEvent(&composing);
}

void SheetLineEdit::keyPressEvent(QKeyEvent* event) {
    keepCaretWithinText(); // Qt's own editing keys read the text at the caret
    keepWithinLimit([this, event] { typeKey(event); });
}

void SheetLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    keepWithinLimit([this, event] { commitFromInputMethod(event); });
}

// Qt places a drag's caret by the text as shown, an input method's composition
// included, and then drops the composition: the caret can land past the text's end.
void SheetLineEdit::dragMoveEvent(QDragMoveEvent* event) {
    QLineEdit::dragMoveEvent(event);
    keepCaretWithinText();
}

void SheetLineEdit::dropEvent(QDropEvent* event) {
    const QString dropped = event->mimeData()->text();
    if (dropped.isNull() || isReadOnly()) {
        event->ignore();
        return;
    }
    const int at =
        std::min(cursorPositionAt(event->position().toPoint()), static_cast<int>(text().size()));
    const Admission admission = insertAsOneStep(dropped, at, 0);
    QDragLeaveEvent ended; // hides the drop caret, as Qt's own drop does
    QLineEdit::dragLeaveEvent(&ended);
    if (admission.text.isEmpty()) {
        event->ignore();
        return;
    }
    // A move the field cannot take whole becomes a copy: the dragged text stays.
    event->setDropAction(admission.whole ? event->proposedAction() : Qt::CopyAction);
    event->accept();
    if (event->source() == this) {
        setSelection(cursorPosition() - static_cast<int>(admission.text.size()),
                     static_cast<int>(admission.text.size()));
    }
}

// A middle click pastes the selection where the desktop has one, through the rule.
void SheetLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection() &&
        !isReadOnly()) {
        deselect();
        pasteFrom(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

// The standard menu, its Paste going through the rule, without the submenu of Unicode
// control characters (offered with right-to-left keyboards): the code page has none.
void SheetLineEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QString paste = QCoreApplication::translate("QLineEdit", "&Paste");
    const QList<QAction*> actions = menu->actions();
    for (QAction* action : actions) {
        if (action->menu() != nullptr) {
            menu->removeAction(action);
        } else if (action->text().section(u'\t', 0, 0) == paste) {
            disconnect(action, &QAction::triggered, this, nullptr);
            connect(action, &QAction::triggered, this,
                    [this] { pasteFrom(QClipboard::Clipboard); });
        }
    }
    menu->popup(event->globalPos());
}

void SheetLineEdit::keepCaretWithinText() {
    const int end = static_cast<int>(text().size());
    if (cursorPosition() > end) {
        setCursorPosition(end);
    }
}

// Qt undoes an edit the last guard refuses, but not the spaces it padded the text with to
// reach a caret an input method's composition left past the end: the edit is undone here.
void SheetLineEdit::keepWithinLimit(const std::function<void()>& edit) {
    const QString before = text();
    edit();
    if (text().size() > std::max<qsizetype>(m_limit, before.size())) {
        setText(before);
    }
}

} // namespace scribel
