#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <functional>

namespace scribel {

struct Admission;

// A single-line field of the sheet. Whatever the author inserts goes in under the
// insertion rule (typingfilter.h) within the field's limit; what it refuses changes nothing,
// not even the undo history. A typed character first goes through the key hook, which may
// change it, or move the focus on Enter (code 13). Text set by the program is taken whole.
class SheetLineEdit final : public QLineEdit {
    Q_OBJECT
public:
    using KeyHook = std::function<void(QChar& code)>;

    SheetLineEdit(int limit, QWidget* parent);

    int limit() const { return m_limit; }
    void setKeyHook(KeyHook hook) { m_keyHook = std::move(hook); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void typeKey(QKeyEvent* event);
    void commitFromInputMethod(QInputMethodEvent* event);
    int insertionStart() const; // the selection's start, or the caret
    // What the field takes in place of `length` characters from `from`.
    Admission admit(QStringView inserted, int from, int length) const;
    // The same, inserted as an undo step of its own.
    Admission insertAsOneStep(QStringView inserted, int from, int length);
    void pasteFrom(QClipboard::Mode mode);
    void keepWithinLimit(const std::function<void()>& edit);
    void keepCaretWithinText();

    int m_limit;
    KeyHook m_keyHook;
};

} // namespace scribel
