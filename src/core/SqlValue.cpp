#include "core/SqlValue.h"

namespace {
template <class... Ts> struct overloaded : Ts... { using Ts::operator()...; };
template <class... Ts> overloaded(Ts...) -> overloaded<Ts...>;
} // namespace

QString SqlValue::toString() const
{
    return std::visit(overloaded{
                          [](std::monostate) { return QString(); },
                          [](const QString &s) { return s; },
                          [](const Decimal &d) { return d.toString(); },
                          [](std::int64_t i) { return QString::number(i); },
                          [](double d) { return QString::number(d, 'g', 15); },
                          [](const QDate &d) { return d.toString(Qt::ISODate); },
                          [](const QTime &t) { return t.toString(Qt::ISODateWithMs); },
                          [](const QDateTime &t) { return t.toString(Qt::ISODateWithMs); },
                      },
                      m_v);
}

Decimal SqlValue::toDecimal() const
{
    if (auto d = std::get_if<Decimal>(&m_v))
        return *d;
    if (auto i = std::get_if<std::int64_t>(&m_v))
        return Decimal::fromInt(*i);
    if (auto s = std::get_if<QString>(&m_v)) {
        if (auto d = Decimal::parse(*s, u'.'))
            return *d;
        if (auto d = Decimal::parse(*s, u','))
            return *d;
    }
    if (auto f = std::get_if<double>(&m_v)) {
        if (auto d = Decimal::parse(QString::number(*f, 'f', 6), u'.'))
            return *d;
    }
    return {};
}

std::int64_t SqlValue::toInt() const
{
    if (auto i = std::get_if<std::int64_t>(&m_v))
        return *i;
    return toDecimal().toInt64();
}

QDate SqlValue::toDate() const
{
    if (auto d = std::get_if<QDate>(&m_v))
        return *d;
    if (auto t = std::get_if<QDateTime>(&m_v))
        return t->date();
    return {};
}

QTime SqlValue::toTime() const
{
    if (auto t = std::get_if<QTime>(&m_v))
        return *t;
    if (auto t = std::get_if<QDateTime>(&m_v))
        return t->time();
    return {};
}

QDateTime SqlValue::toDateTime() const
{
    if (auto t = std::get_if<QDateTime>(&m_v))
        return *t;
    if (auto d = std::get_if<QDate>(&m_v))
        return QDateTime(*d, QTime(0, 0));
    return {};
}
