#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Exact Windows-1252 conversion, the database's character set.
namespace Win1252 {

// Every byte decodes; the five bytes Windows-1252 leaves undefined decode to
// the C1 control of the same value, as Windows itself does.
QString decode(const char *data, int size);
inline QString decode(const QByteArray &bytes) { return decode(bytes.constData(), int(bytes.size())); }

// Position of the first character Windows-1252 cannot hold, or nullopt.
std::optional<qsizetype> firstUnencodable(const QString &text);

// Throws DbError (naming the character) when the text holds a character
// Windows-1252 cannot hold; never substitutes "?".
QByteArray encode(const QString &text);

} // namespace Win1252
