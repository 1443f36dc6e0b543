#pragma once

#include <QLineEdit>
#include <functional>

namespace scribel {

// A single-line field of the sheet. Every typed character first goes through the
// field's key hook (which may change it, or move the focus on Enter, code 13), then
// through the typing filter: code page and length limit, for typed and pasted text
// alike. Text set by the program is taken whole.
class SheetLineEdit final : public QLineEdit {
    Q_OBJECT
public:
    using KeyHook = std::function<void(QChar& code)>;

    SheetLineEdit(int limit, QWidget* parent);

    int limit() const { return m_limit; }
    void setKeyHook(KeyHook hook) { m_keyHook = std::move(hook); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_limit;
    KeyHook m_keyHook;
};

} // namespace scribel
