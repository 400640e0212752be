#include "security/UserRules.h"

#include "core/Database.h"
#include "core/Funcoes.h"
#include "core/MessageService.h"

namespace UserRules {

namespace {

std::optional<UserRef> first(const ResultSet &rows)
{
    if (rows.isEmpty())
        return std::nullopt;
    const Row r = rows.first();
    return UserRef{r.text(QStringLiteral("USU_Codigo")), r.text(QStringLiteral("USU_Login")),
                   r.text(QStringLiteral("USU_Nome"))};
}

} // namespace

QString normaliseCode(const QString &typed)
{
    return Funcoes::completaZeros(typed.trimmed(), kCodeWidth);
}

std::optional<UserRef> findByCode(Database &db, const QString &codigo)
{
    return first(db.select(
        QStringLiteral("Select USU_Codigo, USU_Login, USU_Nome From Usuarios Where USU_Codigo=:CodigoC"),
        {{QStringLiteral("CodigoC"), codigo}}));
}

std::optional<UserRef> findByLogin(Database &db, const QString &login)
{
    return first(db.select(
        QStringLiteral("Select USU_Codigo, USU_Login, USU_Nome From Usuarios Where USU_Login=:LoginC"),
        {{QStringLiteral("LoginC"), login}}));
}

Pick pickByCode(Database &db, MessageService &messages, const QString &typed, const QString &notFound)
{
    if (typed.trimmed().isEmpty())
        return {};
    if (const auto user = findByCode(db, normaliseCode(typed)))
        return {Pick::Outcome::Found, *user};
    messages.error(notFound);
    return {Pick::Outcome::NotFound, {}};
}

Pick pickByLogin(Database &db, MessageService &messages, const QString &typed, const QString &notFound)
{
    if (typed.trimmed().isEmpty())
        return {};
    if (const auto user = findByLogin(db, typed))
        return {Pick::Outcome::Found, *user};
    messages.error(notFound);
    return {Pick::Outcome::NotFound, {}};
}

int activeUsers(Transaction &tx, const QString &except)
{
    const ResultSet rows = tx.database().select(
        tx,
        QStringLiteral("Select Count(*) From Usuarios Where USU_Ativo = :AtivoC and USU_Codigo <> :CodigoC"),
        {{QStringLiteral("AtivoC"), kAtivo}, {QStringLiteral("CodigoC"), except}});
    return int(rows.value(0, 0).toInt());
}

int lockActiveUsers(Transaction &tx)
{
    return tx.database()
        .select(tx, QStringLiteral("Select USU_Codigo From Usuarios Where USU_Ativo = :AtivoC With Lock"),
                {{QStringLiteral("AtivoC"), kAtivo}})
        .size();
}

} // namespace UserRules
