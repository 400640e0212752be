#include "security/ConsultaLogLogic.h"

#include "core/AppContext.h"
#include "core/Database.h"
#include "core/MessageService.h"
#include "registers/ColumnFormats.h"

namespace {

const QString kSelect = QStringLiteral(
    "Select L.LOG_CodUser, L.LOG_Descricao, L.LOG_Data, L.LOG_Hora, U.USU_Nome "
    "From Log l Join Usuarios U on (l.LOG_CodUser =u.USU_Codigo)  Where ");
const QString kOrder = QStringLiteral(" Order By l.LOG_DATA,l.LOG_HOra");

} // namespace

const std::vector<GridColumn> &ConsultaLogLogic::columns()
{
    static const std::vector<GridColumn> list{
        ColumnFormats::text(QStringLiteral("LOG_CODUSER"), QStringLiteral("Cód.Usuário")),
        ColumnFormats::text(QStringLiteral("LOG_DESCRICAO"), QStringLiteral("Evento")),
        ColumnFormats::date(QStringLiteral("LOG_DATA"), QStringLiteral("Data")),
        {QStringLiteral("LOG_HORA"), QStringLiteral("Hora"),
         [](const SqlValue &v) { return v.isNull() ? QString() : v.toTime().toString(QStringLiteral("HH:mm:ss")); }},
        ColumnFormats::text(QStringLiteral("USU_NOME"), QStringLiteral("Nome do Usuário")),
    };
    return list;
}

UserRules::Pick ConsultaLogLogic::leaveCode(const QString &typed)
{
    return UserRules::pickByCode(m_ctx.db, m_ctx.messages, typed, kCodigoNaoCadastrado);
}

UserRules::Pick ConsultaLogLogic::leaveLogin(const QString &typed)
{
    return UserRules::pickByLogin(m_ctx.db, m_ctx.messages, typed, kLoginNaoCadastrado);
}

void ConsultaLogLogic::filtrar(const QString &codigo, const QDate &inicial, const QDate &final)
{
    // The dates go as dates: a day's lines are found whatever their time.
    Params params{{QStringLiteral("DataInicialC"), inicial}, {QStringLiteral("DataFinalC"), final}};
    QString sql = kSelect;
    if (!codigo.trimmed().isEmpty()) {
        sql += QStringLiteral("l.LOG_CodUser=:CodUserC and ");
        params.set(QStringLiteral("CodUserC"), UserRules::normaliseCode(codigo));
    }
    sql += QStringLiteral("l.LOG_Data Between :DataInicialC and :DataFinalC") + kOrder;
    Transaction tx(m_ctx.db, Transaction::Access::ReadOnly);
    m_rows = m_ctx.db.select(tx, sql, params);
    tx.commit();
}
