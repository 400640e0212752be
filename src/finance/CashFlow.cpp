#include "finance/CashFlow.h"

#include "controls/BrFormat.h"
#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/Database.h"
#include "core/DbError.h"
#include "core/MessageService.h"

namespace {

// Ordered by date and internal code so that the grid's pages follow each other.
const QString kOrder = QStringLiteral("\nOrder By CAI_Data, CAI_CodInt");
const QString kBalance = QStringLiteral(
    "Select Sum(Case When CAI_DC='C' Then CAI_Valor When CAI_DC='D' Then -CAI_Valor Else 0 End) as Saldo\n"
    "From Caixa Where ");

} // namespace

CashFlow::CashFlow(AppContext &ctx) : m_ctx(ctx), m_rows(ctx.db)
{
}

void CashFlow::show()
{
    const QDate today = m_ctx.clock.today();
    dataInicial = dataFinal = today;
    m_saldo = Decimal(0, 2);
    read(QStringLiteral("Select * From Caixa Where CAI_Data=:DataD") + kOrder, {{QStringLiteral("DataD"), today}});
    computeBalance();
}

void CashFlow::filtrar()
{
    read(QStringLiteral("Select * From Caixa Where CAI_Data Between :dDataInicial and :dDataFinal") + kOrder,
         {{QStringLiteral("dDataInicial"), dataInicial}, {QStringLiteral("dDataFinal"), dataFinal}});
    computeBalance();
}

void CashFlow::read(const QString &sql, const Params &params)
{
    try {
        m_rows.reset(sql, params);
    } catch (const DbError &e) {
        m_rows.clear();
        m_ctx.messages.error(e.message());
    }
}

void CashFlow::reload()
{
    try {
        m_rows.reload();
    } catch (const DbError &e) {
        m_rows.clear();
        m_ctx.messages.error(e.message());
    }
}

Decimal CashFlow::balance(AppContext &ctx, const QDate &from, const QDate &to, bool fromTheStart)
{
    Params params{{QStringLiteral("dDataFinal"), to}};
    QString sql = kBalance;
    if (fromTheStart) {
        sql += QStringLiteral("CAI_DATA<=:dDataFinal");
    } else {
        sql += QStringLiteral("CAI_DATA Between :dDataInicial and :dDataFinal");
        params.set(QStringLiteral("dDataInicial"), from);
    }
    const ResultSet rows = ctx.db.select(sql, params);
    if (rows.isEmpty() || rows.value(0, 0).isNull())
        return Decimal(0, 2);
    return rows.value(0, 0).toDecimal().withScale(2);
}

void CashFlow::computeBalance()
{
    try {
        m_saldo = balance(m_ctx, dataInicial, dataFinal, saldoAnterior);
    } catch (const DbError &e) {
        m_saldo = Decimal(0, 2);
        m_ctx.messages.error(e.message());
    }
}

QString CashFlow::saldoText() const
{
    return BrFormat::money(m_saldo);
}

std::optional<std::int64_t> CashFlow::codeAt(int row) const
{
    if (row < 0 || row >= m_rows.size())
        return std::nullopt;
    return m_rows.rows().value(row, QStringLiteral("CAI_CODINT")).toInt();
}
