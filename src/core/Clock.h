#pragma once

#include <QDateTime>

// "Today" and "now" for defaults, audit lines and tickets.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }
    QTime time() const { return now().time(); }
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// A clock that shows what it is told; for tests and demonstrations.
class FixedClock final : public Clock {
public:
    explicit FixedClock(QDateTime at = QDateTime(QDate(2026, 12, 10), QTime(10, 30))) : m_at(std::move(at)) {}
    QDateTime now() const override { return m_at; }
    void set(const QDateTime &at) { m_at = at; }

private:
    QDateTime m_at;
};
