#pragma once

#include <QPlainTextEdit>

namespace scribel {

// A multi-line field of the sheet: Enter starts a new line (one character), Tab
// moves on. Whatever the author inserts (typed keys, an input method's text, paste,
// drop) keeps only the characters the code page can hold, in their code page form
// (typingfilter.h), within the field's length limit. Text set by the program is
// taken whole.
class SheetTextEdit final : public QPlainTextEdit {
    Q_OBJECT
public:
    SheetTextEdit(int limit, QWidget* parent);

    int limit() const { return m_limit; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // The part of `inserted` the field takes in place of the current selection.
    QString admit(QStringView inserted) const;
    void fitWrapModeToText();

    int m_limit;
};

} // namespace scribel
