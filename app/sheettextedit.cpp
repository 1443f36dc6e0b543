#include "sheettextedit.h"

#include "typingfilter.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

namespace scribel {

namespace {

bool insertsText(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.isEmpty() || (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0) {
        return false;
    }
    for (const QChar ch : text) {
        if (!ch.isPrint()) {
            return false;
        }
    }
    return true;
}

} // namespace

SheetTextEdit::SheetTextEdit(int limit, QWidget* parent) : QPlainTextEdit(parent), m_limit(limit) {
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

QString SheetTextEdit::admit(QStringView inserted) const {
    const qsizetype length = document()->characterCount() - 1;
    const QTextCursor cursor = textCursor();
    const qsizetype selected = cursor.selectionEnd() - cursor.selectionStart();
    return admitInsertion(inserted, length - selected, length, m_limit, true);
}

void SheetTextEdit::keyPressEvent(QKeyEvent* event) {
    const bool enter = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
                       (event->modifiers() & Qt::ControlModifier) == 0;
    if (enter || insertsText(*event)) {
        const QString typed = enter ? QStringLiteral("\n") : event->text();
        if (admit(typed) != typed) {
            event->accept(); // refused: the field is full or the character has no code
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void SheetTextEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (event->commitString().isEmpty()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(admit(event->commitString()), event->replacementStart(),
                             event->replacementLength());
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

} // namespace scribel
