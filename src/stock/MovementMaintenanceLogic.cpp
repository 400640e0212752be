#include "stock/MovementMaintenanceLogic.h"

#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/Database.h"
#include "core/DbError.h"
#include "core/Funcoes.h"
#include "core/MessageService.h"
#include "finance/CashLedger.h"
#include "registers/ProductLogic.h"
#include "stock/StockMessages.h"
#include "stock/StockService.h"

namespace {

// Ordered by date and internal code so that the grid's pages follow each other.
const QString kList = QStringLiteral(
    "SElect m.*,p.PRO_Descricao From Mov_Estq m join Produtos p on (m.MOV_CodPro = p.PRO_Codigo) Where\n"
    "m.MOV_Data Between :DataInicialD and :DataFinalD");
const QString kListProduct = QStringLiteral(" and MOV_CodPro=:CodigoC");
const QString kOrder = QStringLiteral("\nOrder By m.MOV_Data, m.MOV_CodInt");

constexpr int kCashDocChars = 10;

} // namespace

MovementMaintenanceLogic::MovementMaintenanceLogic(AppContext &ctx) : m_ctx(ctx), m_rows(ctx.db)
{
}

void MovementMaintenanceLogic::show()
{
    dataInicial = dataFinal = m_ctx.clock.today();
    code.clear();
    description.clear();
    filtrar();
}

bool MovementMaintenanceLogic::leaveCode()
{
    if (code.trimmed().isEmpty())
        return true;
    code = ProductLogic::padCode(code);
    ResultSet rows;
    try {
        rows = m_ctx.db.select(QStringLiteral("Select PRO_Descricao From Produtos Where PRO_Codigo=:CodigoC"),
                               {{QStringLiteral("CodigoC"), code}});
    } catch (const DbError &e) {
        m_ctx.messages.error(e.message());
        return false;
    }
    if (rows.isEmpty()) {
        m_ctx.messages.error(StockMessages::kProdutoNaoCadastrado);
        code.clear();
        description.clear();
        return false;
    }
    description = rows.first().text(QStringLiteral("PRO_DESCRICAO"));
    return true;
}

void MovementMaintenanceLogic::filtrar()
{
    Params params{{QStringLiteral("DataInicialD"), dataInicial}, {QStringLiteral("DataFinalD"), dataFinal}};
    QString sql = kList;
    if (!code.trimmed().isEmpty()) {
        code = ProductLogic::padCode(code);
        sql += kListProduct;
        params.set(QStringLiteral("CodigoC"), code);
    }
    try {
        m_rows.reset(sql + kOrder, params);
    } catch (const DbError &e) {
        m_rows.clear();
        m_ctx.messages.error(e.message());
    }
}

void MovementMaintenanceLogic::reloadRows()
{
    try {
        m_rows.reload();
    } catch (const DbError &e) {
        m_rows.clear();
        m_ctx.messages.error(e.message());
    }
}

bool MovementMaintenanceLogic::stillThere(std::int64_t codInt)
{
    try {
        return !m_ctx.db
                    .select(QStringLiteral("Select MOV_CodInt From Mov_Estq Where MOV_CodInt=:nCodInt"),
                            {{QStringLiteral("nCodInt"), codInt}})
                    .isEmpty();
    } catch (const DbError &) {
        return true;
    }
}

MovementMaintenanceLogic::Target MovementMaintenanceLogic::target(int row) const
{
    if (row < 0 || row >= m_rows.size())
        return {};
    return {m_rows.rows().value(row, QStringLiteral("MOV_CODINT")).toInt(), true};
}

bool MovementMaintenanceLogic::refuseOrderItem(std::int64_t codInt)
{
    // An order item's stock comes back when the item is removed or the order
    // cancelled; removing its movement here as well would count it twice.
    ResultSet item;
    try {
        item = m_ctx.db.select(QStringLiteral("Select First 1 IPD_CodPed From IPedidos Where IPD_CodInt=:nCodInt"),
                               {{QStringLiteral("nCodInt"), codInt}});
    } catch (const DbError &) {
        m_ctx.messages.error(StockMessages::kNaoConseguiOperacao);
        return true;
    }
    if (item.isEmpty())
        return false;
    m_ctx.messages.error(StockMessages::kMovimentacaoDePedido + item.first().text(QStringLiteral("IPD_CODPED")));
    return true;
}

MovementMaintenanceLogic::Outcome MovementMaintenanceLogic::somenteExcluir(int row)
{
    const Target t = target(row);
    if (!t.valid || refuseOrderItem(t.codInt))
        return Outcome::Refused;
    if (!m_ctx.messages.confirm(StockMessages::kConfirmaExcluir))
        return Outcome::Refused;
    return remove(t.codInt, false);
}

MovementMaintenanceLogic::Outcome MovementMaintenanceLogic::excluirEReverter(int row)
{
    const Target t = target(row);
    if (!t.valid || refuseOrderItem(t.codInt))
        return Outcome::Refused;
    if (!m_ctx.messages.confirm(StockMessages::kConfirmaExcluirReverter))
        return Outcome::Refused;
    return remove(t.codInt, true);
}

MovementMaintenanceLogic::Outcome MovementMaintenanceLogic::remove(std::int64_t codInt, bool revert)
{
    const Params byCode{{QStringLiteral("nCodInt"), codInt}};
    bool gone = false;
    try {
        Transaction tx(m_ctx.db);
        // The movement as the database holds it, locked: what is undone is
        // what was booked, and a second workstation reverting it waits here.
        const ResultSet mov = m_ctx.db.select(
            tx,
            QStringLiteral("Select MOV_CodPro, MOV_Oper, MOV_Data, MOV_Quant, MOV_Valor, MOV_Doc From Mov_Estq "
                           "Where MOV_CodInt=:nCodInt With Lock"),
            byCode);
        if (mov.size() > 1)
            throw DbError(QStringLiteral("Código interno da movimentação repetido: %1").arg(codInt));
        if (!mov.isEmpty()) {
            const Row r = mov.first();
            const QString product = r.text(QStringLiteral("MOV_CODPRO"));
            const QString oper = r.text(QStringLiteral("MOV_OPER"));
            const QString doc = r.text(QStringLiteral("MOV_DOC"));
            gone = !StockService::deleteMovement(tx, codInt, doc, oper);
            if (!gone) {
                if (revert) {
                    const bool exit = oper == StockService::kExit;
                    CashLedger::book(tx, {.data = r.value(QStringLiteral("MOV_DATA")).toDate(),
                                          .dc = exit ? CashLedger::kDebito : CashLedger::kCredito,
                                          .desc = QStringLiteral("Exclui/Reverte Mov. Prod.:") + product,
                                          .valor = r.value(QStringLiteral("MOV_VALOR")).toDecimal(),
                                          // the cash document holds 10 characters, a movement's 20
                                          .doc = doc.left(kCashDocChars)});
                    const Decimal quant = r.value(QStringLiteral("MOV_QUANT")).toDecimal();
                    StockService::changeStockIfStocked(tx, product, oper == StockService::kEntry ? -quant : quant);
                }
                Funcoes::gravaLog(m_ctx, tx,
                                  (revert ? AuditEvent::ManutMovEstqExcRev : AuditEvent::ManutMovEstqExc) + product);
                tx.commit();
            }
        } else {
            gone = true;
        }
    } catch (const DbError &e) {
        // Another workstation removed it while this one waited for the row.
        if (e.category() != DbError::Category::LockConflict || stillThere(codInt)) {
            m_ctx.messages.error(StockMessages::kNaoConseguiOperacao);
            return Outcome::Failed;
        }
        gone = true;
    }
    if (gone)
        m_ctx.messages.error(StockMessages::kMovimentacaoJaExcluida);
    reloadRows();
    return gone ? Outcome::Refused : Outcome::Done;
}
