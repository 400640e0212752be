#pragma once

#include <QString>
#include <optional>

class Database;
class MessageService;
class Transaction;

// What every part of the security subsystem agrees on about users.
namespace UserRules {

constexpr int kCodeWidth = 6;
// USU_ATIVO: only an active user may log in.
inline const QString kAtivo = QStringLiteral("A");
inline const QString kInativo = QStringLiteral("I");

// A user as the windows that pick one show it (never the password).
struct UserRef {
    QString codigo;
    QString login;
    QString nome;
};

// A typed code filled with "0" on the left to the code width.
QString normaliseCode(const QString &typed);
std::optional<UserRef> findByCode(Database &db, const QString &codigo);
// The first user with the login (several may share one).
std::optional<UserRef> findByLogin(Database &db, const QString &login);

// Leaving a user field of a window that picks one. Blank: nothing typed.
// NotFound: the error was shown; the window clears the user's fields and
// keeps the focus. Found: the window shows the user and moves on.
struct Pick {
    enum class Outcome { Blank, NotFound, Found };
    Outcome outcome = Outcome::Blank;
    UserRef user;
};
Pick pickByCode(Database &db, MessageService &messages, const QString &typed, const QString &notFound);
Pick pickByLogin(Database &db, MessageService &messages, const QString &typed, const QString &notFound);

// Active users in the table, leaving out the user `except` when given.
int activeUsers(Transaction &tx, const QString &except = {});
// Same, taking a write lock on each of their rows until the transaction ends
// (waiting for another transaction that has changed one of them).
int lockActiveUsers(Transaction &tx);

} // namespace UserRules
