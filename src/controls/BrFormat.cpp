#include "controls/BrFormat.h"

#include "core/Funcoes.h"
#include "core/WideInteger.h"

#include <algorithm>

namespace BrFormat {

namespace {

using WideInteger::i128;
using WideInteger::pow10;

// num / 10^places, rounded half away from zero.
i128 dropPlaces(i128 num, int places)
{
    return places <= 0 ? num : WideInteger::roundedDiv(num, pow10(places));
}

int digitCount(i128 v)
{
    if (v < 0)
        v = -v;
    int n = 0;
    while (v != 0) {
        v /= 10;
        ++n;
    }
    return n;
}

QString digitsOf(i128 v)
{
    if (v == 0)
        return QStringLiteral("0");
    QString s;
    while (v != 0) {
        s.prepend(QChar(u'0' + static_cast<char16_t>(v % 10)));
        v /= 10;
    }
    return s;
}

QString groupThousands(const QString &whole)
{
    QString out;
    const int n = static_cast<int>(whole.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += u'.';
        out += whole[i];
    }
    return out;
}

// The magnitude of v in units of 10^-decimals, limited to `limit` significant
// digits, and whether the shown value is negative.
struct Scaled {
    i128 units = 0;
    bool negative = false;
};

Scaled scale(const Decimal &v, int decimals, int limit)
{
    const i128 units = v.units();
    const int wholeDigits = digitCount(units / pow10(v.scale()));
    // Decimal places kept exactly; negative means rounding inside the whole part.
    const int kept = std::min(decimals, limit - wholeDigits);
    i128 r = kept >= v.scale() ? units * pow10(kept - v.scale()) : dropPlaces(units, v.scale() - kept);
    r *= pow10(decimals - kept);
    Scaled s;
    s.negative = r < 0;
    s.units = r < 0 ? -r : r;
    return s;
}

QString digitsText(const Scaled &s, int decimals)
{
    QString all = digitsOf(s.units);
    if (all.size() <= decimals)
        all = QString(decimals - all.size() + 1, u'0') + all;
    const QString whole = all.left(all.size() - decimals);
    QString text = groupThousands(whole);
    if (decimals > 0)
        text += u',' + all.right(decimals);
    return text;
}

int clampDecimals(int decimals)
{
    return std::clamp(decimals, 0, kMaxDecimals);
}

QString formatted(const Decimal &v, int decimals, int limit, const QString &prefix, const QString &suffix)
{
    decimals = clampDecimals(decimals);
    const Scaled s = scale(v, decimals, limit);
    return (s.negative ? QStringLiteral("-") : QString()) + prefix + digitsText(s, decimals) + suffix;
}

} // namespace

QString number(const Decimal &v, int decimals)
{
    return formatted(v, decimals, kNumberDigits, QString(), QString());
}

QString money(const Decimal &v, int decimals)
{
    return formatted(v, decimals, kNumberDigits, QStringLiteral("R$ "), QString());
}

QString percent(const Decimal &v, int decimals)
{
    return formatted(v, decimals, kPercentDigits, QString(), QStringLiteral("%"));
}

std::optional<Decimal> parse(const QString &text)
{
    return Decimal::parse(Funcoes::soNumeros(text), u',');
}

QString zeroText(bool moeda, bool porcentagem, int casaDecimal)
{
    if (moeda)
        return QStringLiteral("0,00");
    const int decimals = clampDecimals(casaDecimal);
    QString text = QStringLiteral("0");
    if (decimals > 0)
        text += u',' + QString(decimals, u'0');
    if (porcentagem)
        text += u'%';
    return text;
}

QString formatForLeaving(const QString &text, bool moeda, bool porcentagem, int casaDecimal, bool *ok)
{
    const std::optional<Decimal> value = parse(text);
    if (ok)
        *ok = value.has_value();
    if (!value)
        return zeroText(moeda, porcentagem, casaDecimal);
    if (porcentagem)
        return percent(*value, casaDecimal);
    if (moeda)
        return money(*value, casaDecimal);
    return number(*value, casaDecimal);
}

QString date(const QDate &d)
{
    return d.isValid() ? d.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

QString time(const QTime &t)
{
    return t.isValid() ? t.toString(QStringLiteral("hh:mm:ss")) : QString();
}

QString dateTime(const QDateTime &dt)
{
    return dt.isValid() ? dt.toString(QStringLiteral("dd/MM/yyyy hh:mm:ss")) : QString();
}

} // namespace BrFormat
