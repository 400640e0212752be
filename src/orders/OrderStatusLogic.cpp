#include "orders/OrderStatusLogic.h"

#include "core/AppContext.h"
#include "core/Database.h"
#include "core/DbError.h"
#include "core/Funcoes.h"
#include "core/MessageService.h"
#include "finance/CashLedger.h"
#include "finance/CommissionLedger.h"
#include "orders/OrderListLogic.h"
#include "stock/StockService.h"

#include <exception>

using OrderStatus::Move;

namespace {

const QString kFaltaEntregador =
    QStringLiteral("O Campo para Código do Entregador e/ou da Região Precisam ser Preenchidos");
const QString kGravarSaiu = QStringLiteral("Não foi Possível Alterar a Situação do Pedido para: Saiu para Entrega, "
                                           "quando sair da Tela dos Dados da Entrega, clique em GRAVAR");
const QString kGravarFechado =
    QStringLiteral("Não foi Possível fechar o pedido, quando sair da Tela dos Dados da Entrega, clique em GRAVAR");

// A status read between two attempts that changed again each time would mean
// a workstation moving the same order in a loop; give up after a few.
constexpr int kAttempts = 5;

} // namespace

OrderStatusLogic::OrderStatusLogic(AppContext &ctx, OrderListLogic &list, DeliveryWindow delivery)
    : m_ctx(ctx), m_list(list), m_delivery(std::move(delivery))
{
}

OrderStatusLogic::Outcome OrderStatusLogic::run(Move move)
{
    return run(move, m_list.currentCode());
}

QString OrderStatusLogic::readStatus(const QString &codigo)
{
    const ResultSet rows = m_ctx.db.select(QStringLiteral("Select PED_SITU From Pedidos Where PED_Codigo=:cCodigo"),
                                           {{QStringLiteral("cCodigo"), codigo}});
    return rows.isEmpty() ? QString() : rows.first().text(QStringLiteral("PED_SITU"));
}

OrderStatusLogic::Outcome OrderStatusLogic::refuse(Move move, const QString &status)
{
    const QString text = OrderStatus::refusal(move, status);
    if (text.isEmpty())
        return Outcome::Stopped;
    m_ctx.messages.error(text);
    return Outcome::Refused;
}

OrderStatusLogic::Outcome OrderStatusLogic::run(Move move, const QString &codigo)
{
    const OrderStatus::MoveRule &rule = OrderStatus::rule(move);
    if (!Funcoes::permissionGate(m_ctx, rule.moduleCode))
        return Outcome::Refused;
    if (codigo.isEmpty())
        return Outcome::Stopped;
    try {
        const QString status = readStatus(codigo);
        if (!OrderStatus::allows(move, status))
            return refuse(move, status);
        if (move == Move::Cancelar && !m_ctx.messages.confirm(QStringLiteral("Deseja Cancelar o Pedido ?")))
            return Outcome::Stopped;
        if (!rule.deliveryMode.isEmpty()) {
            const bool saved = m_delivery && m_delivery(rule.deliveryMode, codigo);
            m_list.reloadKeeping(codigo);
            // Another workstation may have moved the order while the delivery
            // window was open: the status it has now decides the refusal.
            if (const QString now = readStatus(codigo); !OrderStatus::allows(move, now))
                return refuse(move, now);
            if (const Outcome o = checkDelivery(move, codigo, saved); o != Outcome::Done)
                return o;
        }

        for (int attempt = 1;; ++attempt) {
            if (commit(move, codigo) == Commit::Done)
                break;
            // Another workstation moved the order meanwhile: its status now decides.
            const QString now = readStatus(codigo);
            if (!OrderStatus::allows(move, now) || attempt == kAttempts) {
                m_list.reloadKeeping(codigo);
                return refuse(move, now) == Outcome::Refused ? Outcome::Refused : Outcome::Stopped;
            }
        }
    } catch (const DbError &e) {
        m_ctx.messages.warning(rule.failureText + e.message());
        m_list.reloadKeeping(codigo);
        return Outcome::Failed;
    } catch (const std::exception &e) {
        m_ctx.messages.warning(rule.failureText + QString::fromLocal8Bit(e.what()));
        m_list.reloadKeeping(codigo);
        return Outcome::Failed;
    }
    m_list.reloadKeeping(codigo);
    m_ctx.messages.information(rule.successText);
    return Outcome::Done;
}

// What the delivery window stored for the order, read back by its code.
OrderStatusLogic::Outcome OrderStatusLogic::checkDelivery(Move move, const QString &codigo, bool saved)
{
    const ResultSet rows = m_ctx.db.select(
        QStringLiteral("Select PED_CODENT, PED_CODREG, PED_DATAS, PED_DATAT From Pedidos Where PED_Codigo=:cCodPed"),
        {{QStringLiteral("cCodPed"), codigo}});
    if (rows.isEmpty())
        return Outcome::Stopped;
    const Row row = rows.first();
    if (row.text(QStringLiteral("PED_CODENT")).trimmed().isEmpty() ||
        row.text(QStringLiteral("PED_CODREG")).trimmed().isEmpty()) {
        m_ctx.messages.error(kFaltaEntregador);
        return Outcome::Refused;
    }
    if (move == Move::SaiuEntrega) {
        if (row.value(QStringLiteral("PED_DATAS")).isNull()) {
            m_ctx.messages.error(kGravarSaiu);
            return Outcome::Refused;
        }
        return Outcome::Done;
    }
    // Closing needs a save made during this opening: dates kept from an
    // earlier opening would close the order with data nobody confirmed.
    if (!saved || row.value(QStringLiteral("PED_DATAS")).isNull() || row.value(QStringLiteral("PED_DATAT")).isNull()) {
        m_ctx.messages.error(kGravarFechado);
        return Outcome::Refused;
    }
    return Outcome::Done;
}

OrderStatusLogic::Commit OrderStatusLogic::commit(Move move, const QString &codigo)
{
    const OrderStatus::MoveRule &rule = OrderStatus::rule(move);
    Transaction tx(m_ctx.db);
    const ResultSet current = m_ctx.db.select(tx, QStringLiteral("Select PED_SITU From Pedidos Where PED_Codigo=:cCodigo"),
                                              {{QStringLiteral("cCodigo"), codigo}});
    const QString before = current.isEmpty() ? QString() : current.first().text(QStringLiteral("PED_SITU"));
    if (!OrderStatus::allows(move, before))
        return Commit::StatusChanged;
    qint64 changed = 0;
    try {
        // Only from the status just read: a workstation that moved the order
        // first makes this touch no row (or meet its lock and fail).
        changed = m_ctx.db.execute(tx,
                                   QStringLiteral("Update Pedidos SET PED_Situ=:cSitu Where PED_Codigo=:cCodigo "
                                                  "And PED_Situ=:cAtual"),
                                   {{QStringLiteral("cSitu"), rule.target},
                                    {QStringLiteral("cCodigo"), codigo},
                                    {QStringLiteral("cAtual"), before}});
    } catch (const DbError &e) {
        if (e.category() != DbError::Category::LockConflict)
            throw;
    }
    if (changed != 1)
        return Commit::StatusChanged;

    if (move == Move::Fechado)
        close(tx, codigo);
    else if (move == Move::Cancelar)
        cancel(tx, codigo, before);
    Funcoes::gravaLog(m_ctx, tx, rule.auditPrefix + codigo);
    tx.commit();
    return Commit::Done;
}

// The cash credit of the order total on the order's date, and the delivery
// person's commission on the closing date when it comes to more than zero.
void OrderStatusLogic::close(Transaction &tx, const QString &codigo)
{
    const Row order =
        m_ctx.db
            .select(tx,
                    QStringLiteral("Select PED_DATA, PED_TOTAL, PED_CODENT, PED_VENT*PED_QENT as PED_ValorEntrega, "
                                   "PED_DATAT From Pedidos Where PED_Codigo=:cCodigo"),
                    {{QStringLiteral("cCodigo"), codigo}})
            .first();
    CashLedger::credit(tx, order.value(QStringLiteral("PED_DATA")).toDate(), QStringLiteral("Pedido:") + codigo,
                       order.value(QStringLiteral("PED_TOTAL")).toDecimal(), codigo);

    const QString codEnt = order.text(QStringLiteral("PED_CODENT"));
    const ResultSet rate = m_ctx.db.select(tx, QStringLiteral("Select ENT_Comissao From Entregadores Where ENT_Codigo=:cCodEnt"),
                                           {{QStringLiteral("cCodEnt"), codEnt}});
    if (rate.isEmpty())
        return;
    const Decimal valor = CommissionLedger::commissionOf(order.value(QStringLiteral("PED_VALORENTREGA")).toDecimal(),
                                                         rate.first().value(0).toDecimal());
    if (valor > Decimal())
        CommissionLedger::book(tx, {codEnt, order.value(QStringLiteral("PED_DATAT")).toDate(), valor, codigo});
}

// Every item's movement is removed and, where one really was, a stocked
// product gets its quantity back. A closed order also gets the debit of its
// total; its commission stays as it was.
void OrderStatusLogic::cancel(Transaction &tx, const QString &codigo, const QString &before)
{
    const ResultSet items = m_ctx.db.select(
        tx,
        // Every item, also one whose product was deleted since: its movement
        // goes all the same. By product, so that two cancellings take the
        // products' rows in the same order and never wait for each other in a circle.
        QStringLiteral("Select IPD_CodInt, IPD_CodPro, IPD_Quant From IPedidos Where IPD_CodPed=:cCodigo "
                       "Order By IPD_CodPro, IPD_Sequen"),
        {{QStringLiteral("cCodigo"), codigo}});
    for (int i = 0; i < items.size(); ++i) {
        const Row item = items.row(i);
        const bool removed = StockService::deleteMovement(tx, item.value(QStringLiteral("IPD_CODINT")).toInt(), codigo,
                                                          StockService::kExit);
        if (removed)
            StockService::changeStockIfStocked(tx, item.text(QStringLiteral("IPD_CODPRO")),
                                               item.value(QStringLiteral("IPD_QUANT")).toDecimal());
    }
    if (before != OrderStatus::Fechado)
        return;
    const Row order = m_ctx.db
                          .select(tx, QStringLiteral("Select PED_DATA, PED_TOTAL From Pedidos Where PED_Codigo=:cCodigo"),
                                  {{QStringLiteral("cCodigo"), codigo}})
                          .first();
    CashLedger::debit(tx, order.value(QStringLiteral("PED_DATA")).toDate(),
                      QStringLiteral("Cancelamento de Ped. Fechado:") + codigo,
                      order.value(QStringLiteral("PED_TOTAL")).toDecimal(), codigo);
}
