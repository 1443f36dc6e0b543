#pragma once

// A form in memory, every field independent (no option groups, no change handlers), so
// tests see exactly what the code under test wrote. Each change is noted in order:
// "SaisieNom=DUPONT", "Qora:on", "Qora:off"; setting the value a field holds is none.

#include "platform/core/form.h"
#include "support/helpers.h"

#include <QHash>

namespace scribel::test {

class MemoryForm final : public Form {
public:
    QStringList log;

    QString text(Field field) const override { return m_texts.value(field); }
    void setText(Field field, const QString& text) override {
        if (m_texts.value(field) != text) {
            log.append(fieldName(field).toString() + u'=' + text);
        }
        m_texts.insert(field, text);
    }
    bool isOn(Field field) const override { return m_on.value(field, false); }
    void setOn(Field field, bool on) override {
        if (isOn(field) != on) {
            log.append(fieldName(field).toString() +
                       (on ? QStringLiteral(":on") : QStringLiteral(":off")));
        }
        m_on.insert(field, on);
    }

    // Sets values without noting them: "Field=text" or "Field:on".
    void preset(const QStringList& values) {
        for (const QString& value : values) {
            const qsizetype equals = value.indexOf(u'=');
            if (equals >= 0) {
                m_texts.insert(fieldNamed(QStringView(value).left(equals)), value.mid(equals + 1));
            } else {
                const qsizetype colon = value.indexOf(u':');
                m_on.insert(fieldNamed(QStringView(value).left(colon)), value.endsWith(u":on"));
            }
        }
    }

private:
    QHash<Field, QString> m_texts;
    QHash<Field, bool> m_on;
};

} // namespace scribel::test
