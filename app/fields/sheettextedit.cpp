#include "sheettextedit.h"

#include "typingfilter.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <utility>

namespace scribel {

namespace {

// Longer than any word: a run without a space that Qt could only break anywhere.
constexpr qsizetype kLongestWord = 500;

bool hasUnbrokenRunLongerThan(const QTextDocument& document, qsizetype length) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.length() <= length) {
            continue;
        }
        qsizetype run = 0;
        for (const QChar ch : block.text()) {
            run = ch.isSpace() ? 0 : run + 1;
            if (run > length) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

SheetTextEdit::SheetTextEdit(int limit, QWidget* parent) : QPlainTextEdit(parent), m_limit(limit) {
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Breaking at word boundaries makes Qt look for the end of the word at every line it
    // lays out, which on a long run without spaces (a loaded text) freezes the window:
    // such a text is broken anywhere instead.
    connect(document(), &QTextDocument::contentsChange, this, [this](int, int, int) {
        const QTextOption::WrapMode wanted = hasUnbrokenRunLongerThan(*document(), kLongestWord)
                                                 ? QTextOption::WrapAnywhere
                                                 : QTextOption::WrapAtWordBoundaryOrAnywhere;
        if (wordWrapMode() != wanted) {
            setWordWrapMode(wanted);
        }
    });
}

Admission SheetTextEdit::admit(QStringView inserted, const QTextCursor& cursor) const {
    const qsizetype length = document()->characterCount() - 1;
    const int from = cursor.selectionStart();
    const QChar before = from > 0 ? document()->characterAt(from - 1) : QChar();
    return admitInsertion(inserted, before, length - (cursor.selectionEnd() - from), length,
                          m_limit, true);
}

Admission SheetTextEdit::admitIntoSelection(QStringView inserted) {
    QTextCursor cursor = textCursor();
    Admission admission = admit(inserted, cursor);
    if (admission.replacesPrevious) {
        const int end = cursor.selectionEnd();
        cursor.setPosition(cursor.selectionStart() - 1);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        setTextCursor(cursor);
    }
    return admission;
}

void SheetTextEdit::keyPressEvent(QKeyEvent* event) {
    // Whatever text Qt would insert goes through the rule first, Enter's included.
    if (insertsText(event->text(), event->modifiers(), true)) {
        const Admission admission = admitIntoSelection(event->text());
        if (admission.text.isEmpty()) {
            event->accept(); // refused: the field is full or nothing typed has a code
            return;
        }
        const bool ownStep = std::exchange(m_typingStartsAStep, false);
        QTextCursor step = textCursor();
        if (ownStep) {
            step.beginEditBlock();
        }
        QKeyEvent typed(event->type(), event->key(), event->modifiers(), admission.text,
                        event->isAutoRepeat(), event->count());
        QPlainTextEdit::keyPressEvent(&typed);
        if (ownStep) {
            step.endEditBlock();
        }
        event->setAccepted(typed.isAccepted());
        return;
    }
    const bool enter = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
                       (event->modifiers() & Qt::ControlModifier) == 0;
    if (enter && admit(u"\n", textCursor()).text.isEmpty()) {
        event->accept(); // the field is full
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void SheetTextEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (event->commitString().isEmpty() && event->replacementLength() == 0) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    const QTextCursor cursor = textCursor();
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    if (const auto commit = admitCommit(
            *event, cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart(),
            document()->characterCount() - 1,
            [this](int at) { return document()->characterAt(at); }, m_limit, true)) {
        filtered.setCommitString(commit->admission.text, commit->replaced.start,
                                 commit->replaced.length);
    }
    QPlainTextEdit::inputMethodEvent(&filtered);
}

void SheetTextEdit::insertFromMimeData(const QMimeData* source) {
    if (source == nullptr || !source->hasText()) {
        return;
    }
    m_lastInsertion = admitIntoSelection(source->text());
    if (m_lastInsertion.text.isEmpty()) {
        return;
    }
    // Qt's own insertion, so that the paste or drop is one undo step as in any field.
    QMimeData admitted;
    admitted.setText(m_lastInsertion.text);
    QPlainTextEdit::insertFromMimeData(&admitted);
    m_typingStartsAStep = true;
}

void SheetTextEdit::dropEvent(QDropEvent* event) {
    if (event->source() != this && event->mimeData()->hasText() &&
        admit(event->mimeData()->text(), cursorForPosition(event->position().toPoint()))
            .text.isEmpty()) {
        // Nothing of it goes in: no drop, and the dragged text stays where it was.
        QDragLeaveEvent ended;
        QPlainTextEdit::dragLeaveEvent(&ended);
        event->ignore();
        return;
    }
    m_lastInsertion = {};
    QPlainTextEdit::dropEvent(event);
    if (event->isAccepted() && !m_lastInsertion.whole) {
        // A move the field cannot take whole becomes a copy.
        event->setDropAction(Qt::CopyAction);
    }
}

// The standard menu without its submenu of Unicode control characters, which the code page lacks.
void SheetTextEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu(event->pos());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QList<QAction*> actions = menu->actions();
    for (QAction* action : actions) {
        if (action->menu() != nullptr) {
            menu->removeAction(action);
        }
    }
    menu->popup(event->globalPos());
}

} // namespace scribel
