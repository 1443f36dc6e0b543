#pragma once

// A form without a window, for the file and print code: texts and on/off states in
// memory. Option groups and change handlers are the window's; here every field is
// independent, so tests see exactly what the code under test wrote.

#include "platform/core/form.h"

#include <QHash>

namespace scribel::test {

class MemoryForm final : public Form {
public:
    QString text(Field field) const override { return m_texts.value(field); }
    void setText(Field field, const QString& text) override { m_texts.insert(field, text); }
    bool isOn(Field field) const override { return m_on.value(field, false); }
    void setOn(Field field, bool on) override { m_on.insert(field, on); }

private:
    QHash<Field, QString> m_texts;
    QHash<Field, bool> m_on;
};

} // namespace scribel::test
