#include "Windows1252.h"

#include <array>

namespace {

// 0x80..0x9F; the five unassigned bytes map to the C1 control of the same value.
constexpr std::array<char16_t, 32> HighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::optional<char> byteFor(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (std::size_t i = 0; i < HighTable.size(); ++i)
        if (HighTable[i] == c)
            return char(0x80 + i);
    return std::nullopt;
}

} // namespace

namespace Windows1252 {

QString decode(const char *data, qsizetype size) {
    QString out(size, Qt::Uninitialized);
    QChar *dst = out.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto b = static_cast<unsigned char>(data[i]);
        dst[i] = (b >= 0x80 && b < 0xA0) ? QChar(HighTable[b - 0x80]) : QChar(char16_t(b));
    }
    return out;
}

QString decode(const QByteArray &bytes) {
    return decode(bytes.constData(), bytes.size());
}

std::optional<QByteArray> encode(const QString &text, qsizetype *badIndex) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto b = byteFor(text.at(i).unicode());
        if (!b) {
            if (badIndex)
                *badIndex = i;
            return std::nullopt;
        }
        out.append(*b);
    }
    return out;
}

bool canEncode(const QString &text) {
    return encode(text).has_value();
}

} // namespace Windows1252
