#pragma once

// A form that notes each change made through it, in order: "SaisieNom=DUPONT" for a
// text, "Qora:on" / "Qora:off" for a choice. Setting a value a field already holds is
// no change and is not noted, so a test sees only what applying a line did.

#include "support/helpers.h"
#include "support/memoryform.h"

#include <QStringList>

namespace scribel::test {

inline QString nameOf(Field field) {
    return fieldName(field).toString();
}

class LoggingForm final : public Form {
public:
    QStringList log;

    QString text(Field field) const override { return m_values.text(field); }
    void setText(Field field, const QString& text) override {
        if (m_values.text(field) != text) {
            log.append(nameOf(field) + u'=' + text);
        }
        m_values.setText(field, text);
    }
    bool isOn(Field field) const override { return m_values.isOn(field); }
    void setOn(Field field, bool on) override {
        if (m_values.isOn(field) != on) {
            log.append(nameOf(field) + (on ? QStringLiteral(":on") : QStringLiteral(":off")));
        }
        m_values.setOn(field, on);
    }

    // Sets values without noting them: "Field=text" or "Field:on".
    void preset(const QStringList& values) {
        for (const QString& value : values) {
            const qsizetype equals = value.indexOf(u'=');
            if (equals >= 0) {
                m_values.setText(fieldNamed(QStringView(value).left(equals)),
                                 value.mid(equals + 1));
            } else {
                const qsizetype colon = value.indexOf(u':');
                m_values.setOn(fieldNamed(QStringView(value).left(colon)), value.endsWith(u":on"));
            }
        }
    }

private:
    MemoryForm m_values;
};

} // namespace scribel::test
