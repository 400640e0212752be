#include "security/LoginLogic.h"

#include "core/AppContext.h"
#include "core/Database.h"
#include "core/MessageService.h"
#include "core/Session.h"
#include "security/UserRules.h"

LoginLogic::User LoginLogic::lookup(const QString &login, const QString &senha)
{
    // The texts go as typed: the database tells case apart and ignores
    // trailing spaces. An inactive user is not found, so the warning is the
    // same as for a wrong password and tells nothing about who exists.
    const ResultSet rows = m_ctx.db.select(
        QStringLiteral("Select USU_Codigo, USU_Login From Usuarios "
                       "Where USU_Login=:LoginC and USU_Senha =:SenhaC and USU_Ativo = :AtivoC"),
        {{QStringLiteral("LoginC"), login},
         {QStringLiteral("SenhaC"), senha},
         {QStringLiteral("AtivoC"), UserRules::kAtivo}});
    if (rows.isEmpty())
        return {};
    const Row row = rows.first();
    return {true, row.text(QStringLiteral("USU_Codigo")), row.text(QStringLiteral("USU_Login"))};
}

bool LoginLogic::entrar(const QString &login, const QString &senha)
{
    const User user = lookup(login, senha);
    if (!user.found) {
        m_ctx.messages.warning(kTenteNovamente);
        return false;
    }
    m_ctx.session.codUsuario = user.codigo;
    m_ctx.session.loginUsuario = user.login;
    return true;
}

bool LoginLogic::closingCheck(const QString &login, const QString &senha)
{
    const User user = lookup(login, senha);
    if (!user.found) {
        m_ctx.messages.warning(kSistemaFechado);
        m_endRequested = true;
        return false;
    }
    m_ctx.session.codUsuario = user.codigo;
    return true;
}

QString LoginLogic::statusPanel() const
{
    return QStringLiteral("Usuario:") + m_ctx.session.loginUsuario;
}
