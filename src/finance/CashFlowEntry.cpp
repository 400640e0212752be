#include "finance/CashFlowEntry.h"

#include "controls/BrFormat.h"
#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/Database.h"
#include "core/DbError.h"
#include "core/Funcoes.h"
#include "core/MessageService.h"
#include "finance/CashLedger.h"

namespace {

const QString kNaoConseguiIncluir = QStringLiteral("Não Consegui Incluir, Tente Novamente !\rErro:  ");
const QString kNaoConseguiExcluir = QStringLiteral("Não Consegui Excluir, Tente Novamente !\rErro:  ");

} // namespace

CashFlowEntry::CashFlowEntry(AppContext &ctx) : m_ctx(ctx)
{
    clear();
}

QString CashFlowEntry::title() const
{
    return deleting() ? QStringLiteral("Exclusão de Caixa") : QStringLiteral("Inclusão de Caixa");
}

void CashFlowEntry::clear()
{
    debito = true;
    data = m_ctx.clock.today();
    valor = BrFormat::money(Decimal(0, 2));
    documento.clear();
    descricao.clear();
}

void CashFlowEntry::prepare()
{
    clear();
    if (!deleting())
        return;
    valor.clear();
    data = QDate();
    try {
        const ResultSet rows = m_ctx.db.select(QStringLiteral("Select * From Caixa Where CAI_CodInt=:CodIntC"),
                                               {{QStringLiteral("CodIntC"), m_selected}});
        if (rows.isEmpty())
            return;
        const Row r = rows.first();
        valor = BrFormat::money(r.value(QStringLiteral("CAI_VALOR")).toDecimal());
        data = r.value(QStringLiteral("CAI_DATA")).toDate();
        descricao = r.text(QStringLiteral("CAI_DESC"));
        debito = r.text(QStringLiteral("CAI_DC")) == CashLedger::kDebito;
        documento = r.text(QStringLiteral("CAI_DOC"));
    } catch (const DbError &e) {
        m_ctx.messages.error(e.message());
    }
}

bool CashFlowEntry::gravar()
{
    valor = Funcoes::soNumeros(valor);
    try {
        const auto value = BrFormat::parse(valor);
        if (!value)
            throw DbError(DbError::Category::Conversion, QStringLiteral("'%1' não é um número válido").arg(valor));
        Transaction tx(m_ctx.db);
        CashLedger::book(tx, {.data = data,
                              .dc = debito ? CashLedger::kDebito : CashLedger::kCredito,
                              .desc = descricao,
                              .valor = *value,
                              .doc = documento});
        Funcoes::gravaLog(m_ctx, tx, AuditEvent::LancamentoCaixa + documento);
        tx.commit();
    } catch (const DbError &e) {
        m_ctx.messages.warning(kNaoConseguiIncluir + e.message());
        return false;
    }
    clear();
    return true;
}

bool CashFlowEntry::excluir()
{
    if (!deleting())
        return false;
    valor = Funcoes::soNumeros(valor);
    try {
        Transaction tx(m_ctx.db);
        const qint64 n = m_ctx.db.execute(tx, QStringLiteral("Delete From Caixa \nWhere CAI_CodInt=:CodIntC"),
                                          {{QStringLiteral("CodIntC"), m_selected}});
        // Another workstation may have deleted it since the list was read.
        if (n != 1)
            throw DbError(n == 0 ? QStringLiteral("Lançamento de Caixa não Encontrado")
                                 : QStringLiteral("Código interno do lançamento repetido: %1").arg(m_selected));
        Funcoes::gravaLog(m_ctx, tx, AuditEvent::ExclusaoLancCaixa + documento);
        tx.commit();
    } catch (const DbError &e) {
        m_ctx.messages.warning(kNaoConseguiExcluir + e.message());
        return false;
    }
    clear();
    return true;
}
