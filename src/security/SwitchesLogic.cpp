#include "security/SwitchesLogic.h"

#include "core/AppContext.h"
#include "core/Database.h"
#include "core/DbError.h"
#include "core/MessageService.h"
#include "security/UserRules.h"

namespace {

const QString kSim = QStringLiteral("S");
const QString kNao = QStringLiteral("N");

QString flag(bool sim)
{
    return sim ? kSim : kNao;
}

// The table holds exactly one row; an update that finds none has not saved.
void requireOneRow(qint64 changed)
{
    if (changed == 0)
        throw DbError(QStringLiteral("A tabela Configuracoes não tem a sua linha"));
}

} // namespace

bool SwitchesLogic::isOn(Switch which)
{
    const ResultSet rows = m_ctx.db.select(QStringLiteral("Select LOGIN, Permissao, Log From Configuracoes"));
    if (rows.isEmpty())
        return false;
    const int column = which == Switch::Login ? 0 : which == Switch::Permissao ? 1 : 2;
    return rows.value(0, column).toString() == kSim;
}

QString SwitchesLogic::loginStored()
{
    const ResultSet rows = m_ctx.db.select(QStringLiteral("Select LOGIN From Configuracoes"));
    return rows.isEmpty() ? QString() : rows.value(0, 0).toString();
}

SwitchesLogic::SaveResult SwitchesLogic::save(Switch which, bool sim)
{
    if (which == Switch::Login) {
        bool refused = false;
        try {
            refused = !saveLogin(sim);
        } catch (const DbError &) {
            m_ctx.messages.warning(kFalhaLogin);
            return {};
        }
        if (refused) {
            m_ctx.messages.error(kLoginSemUsuarioAtivo);
            return {.saved = false, .chooseNao = true};
        }
        m_ctx.messages.information(kReiniciar);
        return {.saved = true};
    }

    try {
        if (loginStored() != kSim) {
            m_ctx.messages.error(which == Switch::Permissao ? kPermissaoSemLogin : kLogSemLogin);
            return {.saved = false, .chooseNao = true};
        }
        saveDependent(which, sim);
    } catch (const DbError &e) {
        m_ctx.messages.warning(kFalhaConfiguracao + e.message());
        return {};
    }
    m_ctx.messages.information(kReiniciar);
    return {.saved = true};
}

bool SwitchesLogic::saveLogin(bool sim)
{
    Transaction tx(m_ctx.db);
    if (sim && UserRules::activeUsers(tx) == 0)
        return false;
    // Turning the login on leaves the other two as they are in the table now
    // (not as read earlier); turning it off turns them off with it.
    const qint64 changed =
        sim ? m_ctx.db.execute(tx, QStringLiteral("Update CONFIGURACOES SET LOGIN=:LoginC"), {{"LoginC", kSim}})
            : m_ctx.db.execute(tx,
                               QStringLiteral("Update CONFIGURACOES SET LOGIN=:LoginC, Permissao=:PermissaoC, Log=:LogC"),
                               {{"LoginC", kNao}, {"PermissaoC", kNao}, {"LogC", kNao}});
    requireOneRow(changed);
    tx.commit();
    return true;
}

void SwitchesLogic::saveDependent(Switch which, bool sim)
{
    Transaction tx(m_ctx.db);
    const qint64 changed =
        which == Switch::Permissao
            ? m_ctx.db.execute(tx, QStringLiteral("Update Configuracoes SET Permissao=:PermissaoC"),
                               {{"PermissaoC", flag(sim)}})
            : m_ctx.db.execute(tx, QStringLiteral("Update Configuracoes SET Log=:LogC"), {{"LogC", flag(sim)}});
    requireOneRow(changed);
    tx.commit();
}
