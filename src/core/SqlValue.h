#pragma once

#include "core/Decimal.h"

#include <QDate>
#include <QString>
#include <QTime>
#include <cstdint>
#include <variant>

// One parameter or column value. Null is its own state, so a null date or
// time is never confused with an empty text.
class SqlValue {
public:
    using Storage = std::variant<std::monostate, QString, Decimal, std::int64_t, double, QDate, QTime, QDateTime>;

    SqlValue() = default;
    SqlValue(const QString &v) : m_v(v) {}
    SqlValue(const char16_t *v) : m_v(QString::fromUtf16(v)) {}
    SqlValue(const char *v) : m_v(QString::fromUtf8(v)) {}
    SqlValue(const Decimal &v) : m_v(v) {}
    SqlValue(int v) : m_v(std::int64_t(v)) {}
    SqlValue(std::int64_t v) : m_v(v) {}
    SqlValue(double v) : m_v(v) {}
    // A null QDate/QTime binds as SQL NULL.
    SqlValue(const QDate &v) { if (v.isValid()) m_v = v; }
    SqlValue(const QTime &v) { if (v.isValid()) m_v = v; }
    SqlValue(const QDateTime &v) { if (v.isValid()) m_v = v; }
    static SqlValue null() { return {}; }

    bool isNull() const { return std::holds_alternative<std::monostate>(m_v); }
    const Storage &storage() const { return m_v; }

    // Text as stored; numbers in plain form ("12.50"); dates "yyyy-MM-dd"; null -> "".
    QString toString() const;
    // Exact number; text is parsed with '.' or ','; null or unreadable -> 0 (check isNull first).
    Decimal toDecimal() const;
    std::int64_t toInt() const;
    QDate toDate() const;
    QTime toTime() const;
    QDateTime toDateTime() const;

    bool operator==(const SqlValue &o) const = default;

private:
    Storage m_v;
};
