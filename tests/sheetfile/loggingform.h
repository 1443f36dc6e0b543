#pragma once

// A form that notes each change made through it, in order: "SaisieNom=DUPONT" for a
// text, "Qora:on" / "Qora:off" for a choice. Setting a value a field already holds is
// no change and is not noted, so a test sees only what applying a line did.

#include "support/memoryform.h"

#include <QStringList>

namespace scribel::test {

inline QString nameOf(Field field) {
    return fieldName(field).toString();
}

// The field of that control name; a test naming no field is a broken test.
inline Field fieldNamed(QStringView name) {
    for (int i = 0; i < kFieldCount; ++i) {
        if (kFieldNames[static_cast<std::size_t>(i)] == name) {
            return static_cast<Field>(i);
        }
    }
    qFatal("no field named %s", qPrintable(name.toString()));
    return Field::SaisieNom;
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
