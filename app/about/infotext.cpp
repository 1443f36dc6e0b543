#include "infotext.h"

#include "links.h"

#include <QGuiApplication>
#include <QStringList>

namespace scribel {

namespace {

constexpr int kMargin = 3; // between the frame and the text

} // namespace

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
