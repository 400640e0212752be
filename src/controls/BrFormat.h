#pragma once

#include "core/Decimal.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <optional>

// The Brazilian figures every window shows: "," as decimal separator, "." as
// thousands separator, "R$" as currency symbol, dates as dd/MM/yyyy.
//
// Significant-digit limits: a figure keeps at most `limit` significant digits
// in all (14 for numbers and money, 10 for percentages). When the whole part
// and the requested decimals together need more, the value is rounded (half
// away from zero) at the last digit that fits and the dropped places are shown
// as zeros, so the number of decimals on screen never changes:
// number(123456789012,345, 3) gives "123.456.789.012,350". A whole part longer
// than the limit is rounded the same way, at tens, hundreds and so on.
namespace BrFormat {

inline constexpr int kNumberDigits = 14;
inline constexpr int kPercentDigits = 10;
// Decimals beyond this are not asked for by any field; larger requests are capped.
inline constexpr int kMaxDecimals = 9;

// "1.234,500": thousands separators and exactly `decimals` decimals.
QString number(const Decimal &v, int decimals);
// "R$ 1.234,56"; a negative value is "-R$ 1.234,56".
QString money(const Decimal &v, int decimals = 2);
// "30,00%".
QString percent(const Decimal &v, int decimals = 2);

// Reads a figure as the windows do: only the digits, "," and "-" are kept
// (so "R$ 1.234,56" reads 1234,56 and "30,00%" reads 30,00), then the rest is
// read with "," as decimal separator. Empty or unreadable text ("1,2,3", "--",
// "5-") gives nullopt.
std::optional<Decimal> parse(const QString &text);

// The text a number field takes when what it holds cannot be read: "0,00" for
// money whatever the decimals; otherwise "0" with `casaDecimal` zero decimals,
// followed by "%" for a percentage ("0", "0,000", "0,00%"). The same pattern
// goes on above 3 decimals ("0,0000").
QString zeroText(bool moeda, bool porcentagem, int casaDecimal);

// The text a number field shows once the focus leaves it. A field flagged both
// as money and percentage is shown as a percentage. When the text cannot be
// read, gives zeroText(...) and sets *ok to false.
QString formatForLeaving(const QString &text, bool moeda, bool porcentagem, int casaDecimal, bool *ok = nullptr);

// Short date "dd/MM/yyyy"; a null date gives an empty text.
QString date(const QDate &d);
// "hh:mm:ss"; a null time gives an empty text.
QString time(const QTime &t);
// "dd/MM/yyyy hh:mm:ss"; a null value gives an empty text.
QString dateTime(const QDateTime &dt);

} // namespace BrFormat
