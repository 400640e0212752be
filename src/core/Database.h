#pragma once

#include "core/ResultSet.h"
#include "core/SqlValue.h"

#include <QString>
#include <memory>
#include <utility>
#include <vector>

class Transaction;

// Values for the named parameters of one statement.
class Params {
public:
    Params() = default;
    Params(std::initializer_list<std::pair<QString, SqlValue>> values) : m_values(values) {}
    Params &set(const QString &name, const SqlValue &value);
    // Value bound to a name (case-insensitive); nullptr when absent.
    const SqlValue *find(const QString &name) const;

private:
    std::vector<std::pair<QString, SqlValue>> m_values;
};

// The program's one connection to a Firebird database: user SYSDBA,
// character set WIN1252, dialect 3. A plain file path opens the file with the
// embedded engine; "host:path" goes through the Firebird server at host.
// Statements run without a Transaction commit on their own.
class Database {
public:
    enum class Engine {
        Embedded, // in-process engine only; a server is never asked
        Any,      // the client library's providers decide (server for host:path)
    };

    // How long a transaction waits for a row another connection holds before
    // the statement fails with DbError::Category::LockConflict.
    static constexpr unsigned char kLockTimeoutSeconds = 5;

    static constexpr const char *kUser = "SYSDBA";
    static constexpr const char *kPassword = "tidewater";

    Database();
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    void open(const QString &path, Engine engine = Engine::Any);
    // Creates a new empty database with default character set WIN1252 and leaves it open.
    void create(const QString &path, Engine engine = Engine::Any);
    void close();
    bool isOpen() const;
    QString path() const;

    ResultSet select(const QString &sql, const Params &params = {});
    ResultSet select(Transaction &tx, const QString &sql, const Params &params = {});
    // Runs a statement that returns no rows; gives the number of rows it changed.
    qint64 execute(const QString &sql, const Params &params = {});
    qint64 execute(Transaction &tx, const QString &sql, const Params &params = {});

    struct Impl;

private:
    friend class Transaction;
    std::unique_ptr<Impl> d;
};

// One read-committed, record-version transaction that waits on a lock for at
// most Database::kLockTimeoutSeconds. Rolled back on destruction unless committed.
class Transaction {
public:
    // A read-only transaction ends without writing anything to the database,
    // which makes a short read (the permission check) much cheaper.
    enum class Access { ReadWrite, ReadOnly };

    explicit Transaction(Database &db, Access access = Access::ReadWrite);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit();
    void rollback();
    bool isActive() const { return m_handle != nullptr; }
    Database &database() const { return m_db; }
    void *handle() const { return m_handle; }

private:
    Database &m_db;
    void *m_handle = nullptr; // Firebird::ITransaction*
};
