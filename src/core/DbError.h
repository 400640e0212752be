#pragma once

#include <QString>
#include <stdexcept>

// The one exception of the database layer. message() is Firebird's own text
// (what the windows append after "Erro:  "); category() lets callers tell the
// common kinds apart without parsing it (a lock wait that ran out is a
// LockConflict, a connection shut down or lost is a Connection error).
class DbError : public std::runtime_error {
public:
    enum class Category { General, Connection, ConstraintViolation, LockConflict, Encoding, Conversion, Usage };

    DbError(Category category, const QString &message, long long sqlCode = 0, long long gdsCode = 0)
        : std::runtime_error(message.toStdString()), m_category(category), m_message(message),
          m_sqlCode(sqlCode), m_gdsCode(gdsCode) {}
    explicit DbError(const QString &message) : DbError(Category::General, message) {}

    Category category() const { return m_category; }
    const QString &message() const { return m_message; }
    // The SQLCODE the engine gives the status (-913 deadlock, -803 duplicate
    // key...), 0 when the error did not come from the engine.
    long long sqlCode() const { return m_sqlCode; }
    // First Firebird status code (isc_*), 0 when the error did not come from the engine.
    long long gdsCode() const { return m_gdsCode; }

private:
    Category m_category;
    QString m_message;
    long long m_sqlCode;
    long long m_gdsCode;
};
