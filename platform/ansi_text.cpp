#include "platform/ansi_text.h"

#include <array>

namespace platform {

namespace {

// 0x80..0x9F; the unassigned bytes keep their own number.
constexpr std::array<char16_t, 32> kHaut = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char Octet(QChar c)
{
    const char16_t u = c.unicode();
    for (size_t i = 0; i < kHaut.size(); ++i)
        if (kHaut[i] == u)
            return static_cast<char>(0x80 + i);
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    return '?';
}

} // namespace

QByteArray ToAnsi(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text)
        bytes += Octet(c);
    return bytes;
}

QString FromAnsi(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        text += u >= 0x80 && u < 0xA0 ? QChar(kHaut[u - 0x80]) : QChar(u);
    }
    return text;
}

} // namespace platform
