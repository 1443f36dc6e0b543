#include "widgetform.h"

#include "plaintext.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QValidator>

namespace scribel {

WidgetForm::WidgetForm(QWidget& root) {
    QHash<QString, QWidget*> byName; // one walk over the window, not one per field
    const QList<QWidget*> widgets = root.findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (!widget->objectName().isEmpty()) {
            byName.insert(widget->objectName(), widget);
        }
    }
    for (std::size_t i = 0; i < kFieldNames.size(); ++i) {
        const QString name = kFieldNames[i].toString();
        m_widgets[i] = byName.value(name);
        if (m_widgets[i] == nullptr) {
            qFatal("The window has no control named %s", qPrintable(name));
        }
    }
}

QWidget* WidgetForm::widget(Field field) const {
    return m_widgets[static_cast<std::size_t>(field)];
}

QString WidgetForm::text(Field field) const {
    QWidget* control = widget(field);
    if (const auto* line = qobject_cast<const QLineEdit*>(control)) {
        return line->text();
    }
    if (const auto* area = qobject_cast<const QPlainTextEdit*>(control)) {
        return plainTextOf(*area);
    }
    if (const auto* list = qobject_cast<const QComboBox*>(control)) {
        return list->currentIndex() < 0 ? QString() : list->currentText();
    }
    return {};
}

void WidgetForm::setText(Field field, const QString& text) {
    // Counts a change by program for as long as it runs, handlers included.
    ++m_settingDepth;
    const auto done = qScopeGuard([this] { --m_settingDepth; });
    QWidget* control = widget(field);
    if (auto* line = qobject_cast<QLineEdit*>(control)) {
        // The field's typing filter is for the author's edits; a text set by program
        // is taken whole, so the filter steps aside (setText would consult it).
        const QValidator* filter = line->validator();
        line->setValidator(nullptr);
        line->setText(text);
        line->setValidator(filter);
    } else if (auto* area = qobject_cast<QPlainTextEdit*>(control)) {
        // With undo on, each text set by program leaves a little memory behind in
        // Qt's document history; there is nothing to undo back to anyway.
        area->setUndoRedoEnabled(false);
        area->setPlainText(text);
        area->setUndoRedoEnabled(true);
    } else if (auto* list = qobject_cast<QComboBox*>(control)) {
        list->setCurrentIndex(
            text.isEmpty() ? -1 : list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    }
}

bool WidgetForm::isOn(Field field) const {
    const auto* button = qobject_cast<const QAbstractButton*>(widget(field));
    return button != nullptr && button->isChecked();
}

void WidgetForm::setOn(Field field, bool on) {
    ++m_settingDepth;
    const auto done = qScopeGuard([this] { --m_settingDepth; });
    auto* button = qobject_cast<QAbstractButton*>(widget(field));
    if (button != nullptr && on) {
        button->setChecked(true);
    } else if (button != nullptr) {
        uncheckOption(*button);
    }
}

void uncheckOption(QAbstractButton& button) {
    QButtonGroup* group = button.group();
    if (group != nullptr && group->exclusive()) {
        group->setExclusive(false);
        button.setChecked(false);
        group->setExclusive(true);
    } else if (button.autoExclusive()) {
        button.setAutoExclusive(false);
        button.setChecked(false);
        button.setAutoExclusive(true);
    } else {
        button.setChecked(false);
    }
}

} // namespace scribel
