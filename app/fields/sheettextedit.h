#pragma once

#include "typingfilter.h"

#include <QPlainTextEdit>

namespace scribel {

// A multi-line field of the sheet, as SheetLineEdit but with no key hook: Enter starts a
// new line, Tab moves on. Each paste, drop and run of typing is one undo step.
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
    // The same for the field's selection, widened over the character the text replaces.
    Admission admitIntoSelection(QStringView inserted);

    int m_limit;
    Admission m_lastInsertion; // what the last paste or drop took
    // Set once a paste or drop has ended: Qt would count the next typed key into its step.
    bool m_typingStartsAStep = false;
};

} // namespace scribel
