#include "sheetlineedit.h"

#include "keyrules.h"
#include "typingfilter.h"

#include <QKeyEvent>
#include <QValidator>

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

void SheetLineEdit::keyPressEvent(QKeyEvent* event) {
    if (!m_keyHook) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter && event->text().size() != 1) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QChar typed = enter ? QChar(kEnterCode) : event->text().front();
    QChar code = typed;
    m_keyHook(code);
    if (code == QChar(kEnterCode)) {
        event->accept(); // a single-line field does not insert it
        return;
    }
    if (code == typed) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent changed(event->type(), event->key(), event->modifiers(), QString(code),
                      event->isAutoRepeat(), event->count());
    QLineEdit::keyPressEvent(&changed);
    event->setAccepted(changed.isAccepted());
}

} // namespace scribel
