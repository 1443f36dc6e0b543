#pragma once

#include <QPlainTextEdit>

namespace scribel {

// The background of the start tab's boxes: the banner's and the information text's.
inline constexpr QColor kLightYellow(255, 255, 192);

// The start tab's information text, lines separated by CR LF.
QString informationText();

// The box that shows it: black on light yellow whatever the desktop's colours,
// read-only, and yet a text that a screen reader reads and that the author selects and
// copies (the author's address into a mail program) with the mouse or the keyboard.
class InfoText final : public QPlainTextEdit {
    Q_OBJECT
public:
    // The text's lines end in CR LF. The box takes its container's font from the start.
    static InfoText* create(const QString& text, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    InfoText(const QString& text, QWidget* parent);

    QString m_text; // until first shown
};

} // namespace scribel
