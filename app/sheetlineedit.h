#pragma once

#include <QLineEdit>
#include <functional>

namespace scribel {

// A single-line field of the sheet. Whatever the author inserts (typed keys, an input
// method's text, paste, drop) keeps only the characters the code page can hold, in
// their code page form (typingfilter.h), within the field's length limit. A typed
// character, input method text included, first goes through the field's key hook,
// which may change it, or move the focus on Enter (code 13). Text set by the program
// is taken whole.
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
    void dropEvent(QDropEvent* event) override;

private:
    void typeKey(QKeyEvent* event);
    void commitFromInputMethod(QInputMethodEvent* event);
    void keepWithinLimit(const QString& before);

    int m_limit;
    KeyHook m_keyHook;
};

} // namespace scribel
