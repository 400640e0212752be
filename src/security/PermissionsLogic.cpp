#include "security/PermissionsLogic.h"

#include "core/AppContext.h"
#include "core/Database.h"
#include "core/DbError.h"
#include "core/MessageService.h"
#include "core/Session.h"
#include "registers/ColumnFormats.h"
#include "security/ModuleCodes.h"

namespace {

const QString kSim = QStringLiteral("S");
const QString kNao = QStringLiteral("N");

} // namespace

const std::vector<GridColumn> &PermissionsLogic::columns()
{
    static const std::vector<GridColumn> list{
        ColumnFormats::text(QStringLiteral("PER_CODMOD"), QStringLiteral("Cód.Módulo")),
        ColumnFormats::text(QStringLiteral("PER_DESCRICAO"), QStringLiteral("Descrição do Módulo")),
        ColumnFormats::text(QStringLiteral("PER_ATIVO"), QStringLiteral("Tem Permissão")),
    };
    return list;
}

bool PermissionsLogic::revoked(const Row &row)
{
    return row.text(QStringLiteral("PER_ATIVO")) == kNao;
}

UserRules::Pick PermissionsLogic::leaveCode(const QString &typed)
{
    return UserRules::pickByCode(m_ctx.db, m_ctx.messages, typed, kNaoCadastrado);
}

bool PermissionsLogic::mostrar(const QString &codigo)
{
    if (codigo.trimmed().isEmpty()) {
        m_ctx.messages.error(kEscolhaUsuario);
        return false;
    }
    read(UserRules::normaliseCode(codigo));
    return true;
}

void PermissionsLogic::read(const QString &codigo)
{
    m_codigo = codigo;
    m_rows = m_ctx.db.select(QStringLiteral("Select PER_CodUser, PER_CodMod, PER_Descricao, PER_Ativo From Permissoes "
                                            "Where PER_CodUser=:CodUserC Order By PER_CodMod"),
                             {{QStringLiteral("CodUserC"), codigo}});
}

bool PermissionsLogic::altera(int row)
{
    if (row < 0 || row >= m_rows.size())
        return false;
    const Row r = m_rows.row(row);
    const QString codUser = r.text(QStringLiteral("PER_CODUSER"));
    const QString codMod = r.text(QStringLiteral("PER_CODMOD"));
    const QString novo = r.text(QStringLiteral("PER_ATIVO")) == kNao ? kSim : kNao;

    if (novo == kNao && codMod.trimmed() == Modulo::Usuarios && !m_ctx.session.codUsuario.isEmpty()
        && codUser == m_ctx.session.codUsuario) {
        m_ctx.messages.error(kPropriaPermissao);
        return false;
    }

    QString failure;
    try {
        Transaction tx(m_ctx.db);
        // Only rows not yet at the new value: a row another workstation has
        // just toggled is reported instead of being toggled back.
        const qint64 changed = m_ctx.db.execute(
            tx,
            QStringLiteral("Update Permissoes set PER_Ativo=:AtivoC Where PER_CodUser=:CodUserC and "
                           "PER_CodMod=:CodModC and PER_Ativo is distinct from :AtivoC"),
            {{QStringLiteral("AtivoC"), novo}, {QStringLiteral("CodUserC"), codUser}, {QStringLiteral("CodModC"), codMod}});
        if (changed == 0)
            throw DbError(kAlteradaEmOutraEstacao);
        tx.commit();
    } catch (const DbError &e) {
        failure = e.message();
    }
    try {
        read(m_codigo);
    } catch (const DbError &e) {
        if (failure.isEmpty())
            failure = e.message();
    }
    if (!failure.isEmpty()) {
        m_ctx.messages.warning(kFalha + failure);
        return false;
    }
    return true;
}
