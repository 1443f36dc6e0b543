#include "sheetlineedit.h"

#include "keyrules.h"
#include "typingfilter.h"

#include <QKeyEvent>
#include <QValidator>
#include <algorithm>

namespace scribel {

namespace {

// Applies the typing filter to whatever the author's edit inserted. The validator
// sees the edited text and the caret after the insertion; the text before the edit is
// remembered from the field's last change, so the inserted part is known exactly.
class TypingValidator final : public QValidator {
public:
    TypingValidator(int limit, QLineEdit* edit) : QValidator(edit), m_limit(limit) {
        connect(edit, &QLineEdit::textChanged, this,
                [this](const QString& text) { m_previous = text; });
    }

    State validate(QString& input, int& pos) const override {
        if (input == m_previous) {
            return Acceptable;
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
        const QString admitted =
            admitInsertion(inserted, prefix + suffix, m_previous.size(), m_limit, false);
        if (admitted == inserted) {
            return Acceptable;
        }
        QString kept = input.left(prefix) + admitted + input.right(suffix);
        if (kept == m_previous) {
            return Invalid;
        }
        input = kept;
        pos = static_cast<int>(prefix + admitted.size());
        return Acceptable;
    }

private:
    int m_limit;
    QString m_previous;
};

} // namespace

SheetLineEdit::SheetLineEdit(int limit, QWidget* parent) : QLineEdit(parent), m_limit(limit) {
    setValidator(new TypingValidator(limit, this));
}

void SheetLineEdit::typeKey(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && m_keyHook) {
        QChar code(kEnterCode);
        m_keyHook(code);
        event->accept(); // a single-line field does not insert it
        return;
    }
    if (!insertsText(event->text(), event->modifiers(), false)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString storable = storableCharacters(event->text(), false);
    if (storable == event->text() && !m_keyHook) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // One character at a time, so that the key hook sees the text each one is typed
    // after, as it would for keys typed one by one.
    for (QChar code : storable) {
        if (m_keyHook) {
            m_keyHook(code);
        }
        QKeyEvent one(event->type(), event->key(), event->modifiers(), QString(code),
                      event->isAutoRepeat(), event->count());
        QLineEdit::keyPressEvent(&one);
    }
    event->accept();
}

void SheetLineEdit::commitFromInputMethod(QInputMethodEvent* event) {
    const int selected = static_cast<int>(selectedText().size());
    const Replacement replaced =
        keptWithinText({event->replacementStart(), event->replacementLength()},
                       hasSelectedText() ? selectionStart() : cursorPosition(),
                       static_cast<int>(text().size()) - selected);
    if (!m_keyHook || event->commitString().isEmpty()) {
        // The typing filter sees what the commit inserts.
        QInputMethodEvent kept(event->preeditString(), event->attributes());
        kept.setCommitString(event->commitString(), replaced.start, replaced.length);
        QLineEdit::inputMethodEvent(&kept);
        return;
    }
    // The committed text goes in as typed keys do, one character at a time through the
    // key hook; the first replaces what the input method asked to replace. The new
    // composition follows.
    const QString storable = storableCharacters(event->commitString(), false);
    qsizetype i = 0;
    do {
        QInputMethodEvent one;
        QString code;
        if (i < storable.size()) {
            QChar ch = storable[i];
            m_keyHook(ch);
            code = QString(ch);
        }
        if (i == 0) {
            one.setCommitString(code, replaced.start, replaced.length);
        } else {
            one.setCommitString(code);
        }
        QLineEdit::inputMethodEvent(&one);
    } while (++i < storable.size());
    QInputMethodEvent composing(event->preeditString(), event->attributes());
    QLineEdit::inputMethodEvent(&composing);
}

void SheetLineEdit::keyPressEvent(QKeyEvent* event) {
    const QString before = text();
    typeKey(event);
    keepWithinLimit(before);
}

void SheetLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    const QString before = text();
    commitFromInputMethod(event);
    keepWithinLimit(before);
}

void SheetLineEdit::dropEvent(QDropEvent* event) {
    const QString before = text();
    QLineEdit::dropEvent(event);
    keepWithinLimit(before);
}

// Qt undoes an edit the typing filter refuses, but when an input method's composition
// has left Qt's caret past the end of the text, the spaces Qt padded the text with to
// reach it stay behind. The field then returns to its text before the edit.
void SheetLineEdit::keepWithinLimit(const QString& before) {
    if (text().size() > std::max<qsizetype>(m_limit, before.size())) {
        setText(before);
    }
}

} // namespace scribel
