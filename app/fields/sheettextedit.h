#pragma once

#include "typingfilter.h"

#include <QPlainTextEdit>

namespace scribel {

// A multi-line field of the sheet: Enter starts a new line (one character), Tab
// moves on. Whatever the author inserts (typed keys, an input method's text, paste,
// drop) goes in under the insertion rule (typingfilter.h), within the field's length
// limit; what the rule refuses changes nothing, not even the undo history. Each paste,
// drop and run of typing is one undo step. Text set by the program is taken whole.
class SheetTextEdit final : public QPlainTextEdit {
    Q_OBJECT
public:
    SheetTextEdit(int limit, QWidget* parent);

    int limit() const { return m_limit; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // What the field takes in place of the selection of `cursor`.
    Admission admit(QStringView inserted, const QTextCursor& cursor) const;
    void fitWrapModeToText();

    int m_limit;
    // What the last paste or drop took.
    Admission m_lastInsertion;
    // Set once a paste, drop or composed character has ended: Qt would count the next
    // typed key into that step.
    bool m_typingStartsAStep = false;
};

} // namespace scribel
