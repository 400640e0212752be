#pragma once

#include <QString>
#include <compare>
#include <cstdint>
#include <optional>

// An exact decimal number: an integer count of 10^-scale units.
// NUMERIC(15,x) columns, money and quantities are carried in this type from
// the database field to the screen and back; binary floating point never
// touches them.
class Decimal {
public:
    static constexpr int kMaxScale = 9;

    constexpr Decimal() = default;
    constexpr Decimal(std::int64_t units, int scale) : m_units(units), m_scale(scale) {}
    static Decimal fromInt(std::int64_t v) { return Decimal(v, 0); }

    // Parses "-1234,56" or "1234.56" (one decimal separator, either ',' or '.'
    // as given). No thousands separators. Empty or malformed text gives nullopt.
    static std::optional<Decimal> parse(const QString &text, QChar decimalSeparator = u',');

    std::int64_t units() const { return m_units; }
    int scale() const { return m_scale; }

    // Same value with another scale, rounding half away from zero when decimals are dropped.
    Decimal withScale(int scale) const;
    // Whole part (truncated toward zero); fails when out of range.
    std::int64_t toInt64() const;
    bool isZero() const { return m_units == 0; }
    bool isNegative() const { return m_units < 0; }
    Decimal abs() const { return Decimal(m_units < 0 ? -m_units : m_units, m_scale); }
    // Number of digits of the absolute value, ignoring leading zeros (0 for zero).
    int significantDigits() const;

    Decimal operator+(const Decimal &o) const;
    Decimal operator-(const Decimal &o) const;
    Decimal operator-() const { return Decimal(-m_units, m_scale); }
    // Exact product (scales add); throws std::overflow_error when it does not fit.
    Decimal operator*(const Decimal &o) const;
    // Quotient rounded half away from zero to `scale` decimals; throws on division by zero.
    Decimal divide(const Decimal &divisor, int scale) const;

    std::strong_ordering operator<=>(const Decimal &o) const;
    bool operator==(const Decimal &o) const { return (*this <=> o) == 0; }

    // Plain text with '.' or ',' as decimal separator and exactly scale() decimals: "-1234.50".
    QString toString(QChar decimalSeparator = u'.') const;

private:
    std::int64_t m_units = 0;
    int m_scale = 0;
};
