#pragma once

#include <QPlainTextEdit>

namespace scribel {

// A multi-line field of the sheet: Enter starts a new line (one character), Tab
// moves on, and typed, pasted or dropped text goes through the typing filter.
class SheetTextEdit final : public QPlainTextEdit {
    Q_OBJECT
public:
    SheetTextEdit(int limit, QWidget* parent);

    int limit() const { return m_limit; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // The part of `inserted` the field takes in place of the current selection.
    QString admit(QStringView inserted) const;

    int m_limit;
};

} // namespace scribel
