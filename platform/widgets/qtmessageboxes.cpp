#include "qtmessageboxes.h"

#include "focusreturn.h"

#include <QMessageBox>
#include <QPushButton>

namespace scribel {

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void QtMessageBoxes::show(QWidget* parent, MessageIcon icon, const QString& title,
                          const QString& text) {
    const FocusReturn focusReturn(parent);
    QMessageBox box(qtIcon(icon), title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText); // a file name is never read as markup
    box.exec();
}

bool QtMessageBoxes::ask(QWidget* parent, const QString& title, const QString& text,
                         DefaultAnswer defaultAnswer) {
    const FocusReturn focusReturn(parent);
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton* yes = box.addButton(QStringLiteral("&Oui"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&Non"), QMessageBox::NoRole);
    box.setDefaultButton(defaultAnswer == DefaultAnswer::Yes ? yes : no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

} // namespace scribel
