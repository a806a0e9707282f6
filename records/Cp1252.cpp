#include "Cp1252.h"

#include <array>

namespace cp1252 {

namespace {

// Bytes 0x80 to 0x9F; the five the code page leaves undefined map to
// themselves, as Windows reads them.
constexpr std::array<char16_t, 32> high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

QString decode(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char b : bytes) {
        const auto byte = static_cast<unsigned char>(b);
        text += byte >= 0x80 && byte <= 0x9F ? QChar(high[byte - 0x80]) : QChar(byte);
    }
    return text;
}

QByteArray encode(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i; // one character, one "?"
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            bytes += char(c);
            continue;
        }
        char out = '?';
        for (std::size_t k = 0; k < high.size(); ++k) {
            if (high[k] == c)
                out = char(0x80 + k);
        }
        bytes += out;
    }
    return bytes;
}

} // namespace cp1252
