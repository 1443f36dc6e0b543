#include "infotext.h"

#include "links.h"

#include <QGuiApplication>
#include <QStringList>

namespace scribel {

QString informationText() {
    const QStringList lines = {
        QStringLiteral("Ce logiciel va vous permettre d'imprimer la Scribel et de sauver vos "
                       "données dans un fichier, ce qui "),
        QStringLiteral("vous permettra d'archiver et de réutiliser ces données."),
        QStringLiteral("Pensez à sauvegarder avant de quitter car il n'y a pas de sauvegarde "
                       "automatique."),
        QString(),
        QStringLiteral("Luc Ferrand"),
        QStringLiteral("12, rue des Tilleuls"),
        QStringLiteral("21000 Dijon"),
        QStringLiteral("Tél : 03 80 00 00 00"),
        QStringLiteral("e-mail : ") + kAuthorMail.toString(),
        QStringLiteral("url : ") + kAuthorWebPage.toString(),
    };
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

// As Qt makes an edit box, it lays out a document of its own, empty and soon replaced, in the
// application's font: a font engine of a size nothing shows, found through fontconfig at each
// start. The container's font stands in as the application's meanwhile, so that this layout
// takes the engine the window already has.
InfoText* InfoText::create(const QString& text, QWidget* parent) {
    const QFont applicationFont = QGuiApplication::font();
    QGuiApplication::setFont(parent->font());
    auto* box = new InfoText(text, parent);
    QGuiApplication::setFont(applicationFont);
    return box;
}

InfoText::InfoText(const QString& text, QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    document()->setDocumentMargin(3); // between the frame and the text
    // Lines end in CR LF; the final one would show as an empty last line, and a scroll bar.
    m_text = text; // set when first shown
    m_text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (m_text.endsWith(u'\n')) {
        m_text.chop(1);
    }

    // The background and the text are forced together, in every state: black on the
    // desktop's own (perhaps dark) base colour would not be read.
    QPalette colours = palette();
    colours.setColor(QPalette::Base, kLightYellow);
    colours.setColor(QPalette::Window, kLightYellow);
    colours.setColor(QPalette::Text, Qt::black);
    colours.setColor(QPalette::WindowText, Qt::black);
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
