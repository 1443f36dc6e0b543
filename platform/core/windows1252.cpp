#include "windows1252.h"

#include <algorithm>
#include <array>

namespace scribel::cp1252 {

namespace {

// Bytes 0x80 to 0x9F; the undefined ones map to the control character of their number.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

QChar toUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return QChar(kHighControls[byte - 0x80u]);
    }
    return QChar(static_cast<char16_t>(byte));
}

std::optional<unsigned char> fromUnicode(QChar ch) {
    const char16_t code = ch.unicode();
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        return static_cast<unsigned char>(code);
    }
    const auto* found = std::find(kHighControls.begin(), kHighControls.end(), code);
    if (found == kHighControls.end()) {
        return std::nullopt;
    }
    return static_cast<unsigned char>(0x80 + (found - kHighControls.begin()));
}

bool isEncodable(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar ch) { return isEncodable(ch); });
}

QChar toUpper(QChar ch) {
    // µ would become a Greek capital, ß would become "SS".
    const QString upper = QString(ch).toUpper();
    return isEncodable(ch) && upper.size() == 1 && isEncodable(upper.front()) ? upper.front() : ch;
}

QString decode(QByteArrayView bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        text.append(toUnicode(static_cast<unsigned char>(byte)));
    }
    return text;
}

QByteArray encode(QStringView text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar ch : text) {
        bytes.append(static_cast<char>(fromUnicode(ch).value_or('?')));
    }
    return bytes;
}

} // namespace scribel::cp1252
