#include "core/Win1252.h"

#include "core/DbError.h"

namespace {

// Code points of bytes 0x80..0x9F.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::optional<char> encodeChar(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == c)
            return static_cast<char>(0x80 + i);
    return std::nullopt;
}

} // namespace

namespace Win1252 {

QString decode(const char *data, int size)
{
    QString out(size, Qt::Uninitialized);
    QChar *dst = out.data();
    for (int i = 0; i < size; ++i) {
        const auto b = static_cast<unsigned char>(data[i]);
        dst[i] = QChar(b >= 0x80 && b <= 0x9F ? kHigh[b - 0x80] : char16_t(b));
    }
    return out;
}

std::optional<qsizetype> firstUnencodable(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!encodeChar(text[i].unicode()))
            return i;
    return std::nullopt;
}

QByteArray encode(const QString &text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto c = encodeChar(text[i].unicode());
        if (!c) {
            QString shown = text[i].isSurrogate() && i + 1 < text.size() ? text.mid(i, 2) : text.mid(i, 1);
            throw DbError(DbError::Category::Encoding,
                          QStringLiteral("O caractere \"%1\" (U+%2) não pode ser gravado no banco de dados (WIN1252)")
                              .arg(shown)
                              .arg(text[i].unicode(), 4, 16, QChar(u'0'))
                              .toUpper());
        }
        out[i] = *c;
    }
    return out;
}

} // namespace Win1252
