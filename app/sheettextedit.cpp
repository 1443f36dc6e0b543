#include "sheettextedit.h"

#include "typingfilter.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>

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
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int, int, int) { fitWrapModeToText(); });
}

// Breaking at word boundaries makes Qt look for the end of the word at every line it
// lays out: on a long run without spaces (a loaded text, never a typed one) that grows
// with the square of the run's length and freezes the window for seconds. Such a text
// is broken anywhere instead, in linear time.
void SheetTextEdit::fitWrapModeToText() {
    const QTextOption::WrapMode wanted = hasUnbrokenRunLongerThan(*document(), kLongestWord)
                                             ? QTextOption::WrapAnywhere
                                             : QTextOption::WrapAtWordBoundaryOrAnywhere;
    if (wordWrapMode() != wanted) {
        setWordWrapMode(wanted);
    }
}

QString SheetTextEdit::admit(QStringView inserted) const {
    const qsizetype length = document()->characterCount() - 1;
    const QTextCursor cursor = textCursor();
    const qsizetype selected = cursor.selectionEnd() - cursor.selectionStart();
    return admitInsertion(inserted, length - selected, length, m_limit, true);
}

void SheetTextEdit::keyPressEvent(QKeyEvent* event) {
    // Whatever text Qt would insert goes through the rule first, Enter's included.
    if (insertsText(event->text(), event->modifiers(), true)) {
        const QString admitted = admit(event->text());
        if (admitted.isEmpty()) {
            event->accept(); // refused: the field is full or nothing typed has a code
            return;
        }
        if (admitted == event->text()) {
            QPlainTextEdit::keyPressEvent(event);
            return;
        }
        QKeyEvent changed(event->type(), event->key(), event->modifiers(), admitted,
                          event->isAutoRepeat(), event->count());
        QPlainTextEdit::keyPressEvent(&changed);
        event->setAccepted(changed.isAccepted());
        return;
    }
    const bool enter = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
                       (event->modifiers() & Qt::ControlModifier) == 0;
    if (enter && admit(u"\n").isEmpty()) {
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
    const int length = document()->characterCount() - 1;
    const Replacement replaced = keptWithinText(
        {event->replacementStart(), event->replacementLength()}, cursor.selectionStart(),
        length - (cursor.selectionEnd() - cursor.selectionStart()));
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(admit(event->commitString()), replaced.start, replaced.length);
    QPlainTextEdit::inputMethodEvent(&filtered);
}

void SheetTextEdit::insertFromMimeData(const QMimeData* source) {
    if (source == nullptr || !source->hasText()) {
        return;
    }
    const QString admitted = admit(source->text());
    if (!admitted.isEmpty()) {
        textCursor().insertText(admitted);
        ensureCursorVisible();
    }
}

// The standard menu, without its submenu of invisible Unicode control characters
// (offered with right-to-left keyboards): the code page holds none of them.
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
