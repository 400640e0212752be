#include "core/Decimal.h"
#include "core/WideInteger.h"

#include <stdexcept>

namespace {

using WideInteger::i128;
using WideInteger::pow10;
using WideInteger::roundedDiv;

std::int64_t narrow(i128 v)
{
    if (v > INT64_MAX || v < INT64_MIN)
        throw std::overflow_error("Valor numérico fora do limite permitido");
    return static_cast<std::int64_t>(v);
}

} // namespace

std::optional<Decimal> Decimal::parse(const QString &text, QChar decimalSeparator)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    int i = 0;
    bool negative = false;
    if (t[0] == u'-' || t[0] == u'+') {
        negative = t[0] == u'-';
        ++i;
    }
    i128 units = 0;
    int scale = 0;
    bool seenSeparator = false;
    int digits = 0;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c == decimalSeparator && !seenSeparator) {
            seenSeparator = true;
            continue;
        }
        if (c < u'0' || c > u'9')
            return std::nullopt;
        if (seenSeparator && scale >= kMaxScale)
            continue; // extra decimals beyond what we carry are dropped
        units = units * 10 + (c.unicode() - u'0');
        if (units > INT64_MAX)
            return std::nullopt;
        ++digits;
        if (seenSeparator)
            ++scale;
    }
    if (digits == 0)
        return std::nullopt;
    return Decimal(static_cast<std::int64_t>(negative ? -units : units), scale);
}

Decimal Decimal::withScale(int scale) const
{
    if (scale == m_scale)
        return *this;
    if (scale > m_scale)
        return Decimal(narrow(i128(m_units) * pow10(scale - m_scale)), scale);
    return Decimal(narrow(roundedDiv(m_units, pow10(m_scale - scale))), scale);
}

std::int64_t Decimal::toInt64() const
{
    return narrow(i128(m_units) / pow10(m_scale));
}

int Decimal::significantDigits() const
{
    std::int64_t v = m_units < 0 ? -m_units : m_units;
    int n = 0;
    while (v != 0) {
        v /= 10;
        ++n;
    }
    return n;
}

Decimal Decimal::operator+(const Decimal &o) const
{
    const int s = std::max(m_scale, o.m_scale);
    return Decimal(narrow(i128(withScale(s).m_units) + o.withScale(s).m_units), s);
}

Decimal Decimal::operator-(const Decimal &o) const
{
    return *this + (-o);
}

Decimal Decimal::operator*(const Decimal &o) const
{
    i128 p = i128(m_units) * o.m_units;
    int s = m_scale + o.m_scale;
    while (s > kMaxScale) {
        p = roundedDiv(p, 10);
        --s;
    }
    return Decimal(narrow(p), s);
}

Decimal Decimal::divide(const Decimal &divisor, int scale) const
{
    if (divisor.m_units == 0)
        throw std::domain_error("Divisão por zero");
    // (a / 10^sa) / (b / 10^sb) = a * 10^(sb + scale - sa) / b, in units of 10^-scale
    const int shift = divisor.m_scale + scale - m_scale;
    i128 num = m_units;
    i128 den = divisor.m_units;
    if (shift >= 0)
        num *= pow10(shift);
    else
        den *= pow10(-shift);
    return Decimal(narrow(roundedDiv(num, den)), scale);
}

std::strong_ordering Decimal::operator<=>(const Decimal &o) const
{
    const int s = std::max(m_scale, o.m_scale);
    const i128 a = i128(m_units) * pow10(s - m_scale);
    const i128 b = i128(o.m_units) * pow10(s - o.m_scale);
    return a <=> b;
}

QString Decimal::toString(QChar decimalSeparator) const
{
    const bool negative = m_units < 0;
    const unsigned long long mag = negative ? 0ULL - static_cast<unsigned long long>(m_units)
                                            : static_cast<unsigned long long>(m_units);
    QString digits = QString::number(mag);
    if (m_scale > 0) {
        if (digits.size() <= m_scale)
            digits = QString(m_scale - digits.size() + 1, u'0') + digits;
        digits.insert(digits.size() - m_scale, decimalSeparator);
    }
    return negative ? u'-' + digits : digits;
}
