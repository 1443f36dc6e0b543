#pragma once

#include "platform/core/form.h"

#include <array>

class QAbstractButton;
class QWidget;

namespace scribel {

// The form over the window's widgets, each found once by its object name. It counts
// the changes it is making, so that the window can tell a change by program from
// the author's own.
class WidgetForm final : public Form {
public:
    // Every field must exist under root; a missing one is a programming error.
    explicit WidgetForm(QWidget& root);

    QString text(Field field) const override;
    void setText(Field field, const QString& text) override;
    bool isOn(Field field) const override;
    void setOn(Field field, bool on) override;

    QWidget* widget(Field field) const;
    bool isSettingValues() const { return m_settingDepth > 0; }

private:
    std::array<QWidget*, kFieldCount> m_widgets{};
    int m_settingDepth = 0;
};

// Turns an option off even when it belongs to an exclusive group.
void uncheckOption(QAbstractButton& button);

} // namespace scribel
