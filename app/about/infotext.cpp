#include "infotext.h"

namespace scribel {

namespace {

constexpr int kMargin = 3; // between the frame and the text

} // namespace

InfoText::InfoText(const QString& text, QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    document()->setDocumentMargin(kMargin);
    // Lines end in CR LF; the final one would show as an empty last line, and a scroll bar.
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (lines.endsWith(u'\n')) {
        lines.chop(1);
    }
    m_text = lines; // set when first shown

    // The background and the text are forced together, in every state: black on the
    // desktop's own (perhaps dark) base colour would not be read.
    QPalette colours = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Base, kLightYellow);
        colours.setColor(group, QPalette::Window, kLightYellow);
        colours.setColor(group, QPalette::Text, Qt::black);
        colours.setColor(group, QPalette::WindowText, Qt::black);
    }
    setPalette(colours);
    setAutoFillBackground(true); // the frame too stands on light yellow
}

// The text goes in when the box is first shown, with its size known: laid out once, at the
// width it is read at, rather than first at a default width and again at its own.
void InfoText::showEvent(QShowEvent* event) {
    if (!m_text.isNull()) {
        setPlainText(m_text);
        m_text = QString();
    }
    QPlainTextEdit::showEvent(event);
}

} // namespace scribel
