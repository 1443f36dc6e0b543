#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringView>
#include <optional>

namespace scribel::cp1252 {

// The character a byte stands for. The five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control characters of the same
// number, so that any byte survives a read and a write unchanged.
QChar toUnicode(unsigned char byte);

// The byte for a character, or nothing when the code page cannot hold it.
std::optional<unsigned char> fromUnicode(QChar ch);

inline bool isEncodable(QChar ch) {
    return fromUnicode(ch).has_value();
}
bool isEncodable(QStringView text);

// Upper case as the code page knows it: a letter whose capital the code page lacks
// (µ, ß, ÿ's capital exists, µ's does not) keeps its code.
QChar toUpper(QChar ch);

QString decode(QByteArrayView bytes);

// Every character must be encodable; one that is not is written as '?'.
QByteArray encode(QStringView text);

} // namespace scribel::cp1252
