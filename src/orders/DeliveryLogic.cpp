#include "orders/DeliveryLogic.h"

#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/Database.h"
#include "core/DbError.h"
#include "core/Funcoes.h"
#include "core/MessageService.h"
#include "core/Win1252.h"
#include "orders/OrderEntryLogic.h"
#include "orders/OrderFigures.h"
#include "orders/OrderStore.h"
#include "registers/DeliveryPersonQueries.h"
#include "registers/RegionQueries.h"

namespace {

const QString kNaoGravar = QStringLiteral("Não Consegui Gravar, Tente Novamente !\rErro:  ");
const Decimal kZero(0, OrderFigures::kMoneyScale);
const Decimal kOne(1000, OrderFigures::kQuantityScale);

QDateTime stamp(const SqlValue &date, const SqlValue &time)
{
    if (date.isNull())
        return {};
    return QDateTime(date.toDate(), time.isNull() ? QTime(0, 0) : time.toTime());
}

// Trimmed and padded with "0" to 6; empty when the text cannot be a code.
QString codeOf(const QString &typed)
{
    const QString t = Funcoes::completaZeros(typed.trimmed(), DeliveryLogic::kCodeWidth);
    return t.size() == DeliveryLogic::kCodeWidth && !Win1252::firstUnencodable(t) ? t : QString();
}

} // namespace

DeliveryLogic::DeliveryLogic(AppContext &ctx) : m_ctx(ctx) {}

bool DeliveryLogic::openFromOrderEntry(OrderEntryLogic &order)
{
    m_order = &order;
    m_mode = order.mode();
    m_orderCode = order.code();
    return load();
}

bool DeliveryLogic::openForTransition(OrderMode mode, const QString &orderCode)
{
    m_order = nullptr;
    m_mode = mode;
    m_orderCode = orderCode;
    return load();
}

void DeliveryLogic::readItemsNet()
{
    const ResultSet row = m_ctx.db.select(QStringLiteral("Select PED_Desconto From Pedidos Where PED_Codigo=:cCodPed"),
                                          {{"cCodPed", m_orderCode}});
    const Decimal discount = row.isEmpty() ? kZero : OrderFigures::money(row.value(0, 0).toDecimal());
    m_itemsNet = OrderStore::itemsTotal(m_ctx.db, m_orderCode) - discount;
}

bool DeliveryLogic::load()
{
    m_saved = false;
    m_regionCode.clear();
    m_regionDesc.clear();
    m_entCode.clear();
    m_entName.clear();
    m_quantity = kOne;
    m_unitValue = m_deliveryTotal = m_paid = m_change = m_orderTotal = m_itemsNet = kZero;
    m_departure = m_closing = QDateTime();
    const QDateTime now = m_ctx.clock.now();
    try {
        const bool fromList = m_mode == OrderMode::Saiu || m_mode == OrderMode::Fechado;
        if (fromList)
            readItemsNet();
        else if (m_order)
            m_orderTotal = m_order->total();

        const ResultSet rows = m_ctx.db.select(QStringLiteral("Select * From Pedidos Where PED_Codigo=:cCodPed"),
                                               {{"cCodPed", m_orderCode}});
        if (rows.isEmpty()) {
            m_ctx.messages.error(QStringLiteral("Pedido não encontrado: ") + m_orderCode);
            return false;
        }
        const Row order = rows.first();
        m_regionCode = order.text("PED_CODREG");
        const Decimal storedQuantity = order["PED_QENT"].toDecimal();
        m_quantity = storedQuantity.isZero() ? kOne : storedQuantity.withScale(OrderFigures::kQuantityScale);
        if (fromList)
            m_orderTotal = OrderFigures::money(order["PED_TOTAL"].toDecimal());
        m_unitValue = OrderFigures::money(order["PED_VENT"].toDecimal());
        m_deliveryTotal = OrderFigures::deliveryTotal(storedQuantity, m_unitValue);
        m_entCode = order.text("PED_CODENT");
        m_paid = OrderFigures::money(order["PED_VPAGO"].toDecimal());
        m_change = OrderFigures::money(m_paid - m_orderTotal);

        switch (m_mode) {
        case OrderMode::Saiu:
            m_departure = now;
            m_closing = stamp(order["PED_DATAT"], order["PED_HORAT"]);
            break;
        case OrderMode::Fechado:
            m_departure = order.text("PED_SITU") == u"S" ? stamp(order["PED_DATAS"], order["PED_HORAS"]) : now;
            if (!m_departure.isValid())
                m_departure = now;
            m_closing = now;
            break;
        case OrderMode::Consulta:
            m_departure = stamp(order["PED_DATAS"], order["PED_HORAS"]);
            m_closing = stamp(order["PED_DATAT"], order["PED_HORAT"]);
            break;
        default:
            break;
        }

        if (!m_entCode.isEmpty()) {
            if (const auto person = DeliveryPersonQueries::find(m_ctx.db, m_entCode))
                m_entName = person->name;
        }
        if (!m_regionCode.isEmpty()) {
            if (const auto region = RegionQueries::find(m_ctx.db, m_regionCode))
                m_regionDesc = region->description;
        } else if (m_mode != OrderMode::Consulta && m_mode != OrderMode::Fechado) {
            proposeRegion(m_order ? m_order->customer().code : order.text("PED_CODCLI"));
        }
        return true;
    } catch (const DbError &e) {
        m_ctx.messages.warning(QStringLiteral("Erro, Tente Novamente !\rErro:  ") + e.message());
        return false;
    }
}

void DeliveryLogic::proposeRegion(const QString &customerCode)
{
    if (customerCode.trimmed().isEmpty())
        return;
    const ResultSet last = m_ctx.db.select(
        QStringLiteral("Select First 1 PED_CodCli, PED_CodReg From Pedidos Where PED_CodCli=:cCodCli AND PED_Situ=:cSitu "
                       "ORDER BY PED_Data DESC,PED_Codigo DESC"),
        {{"cCodCli", customerCode}, {"cSitu", QStringLiteral("F")}});
    if (!last.isEmpty())
        m_regionCode = last.value(0, 1).toString();
}

void DeliveryLogic::recompute()
{
    m_deliveryTotal = OrderFigures::deliveryTotal(m_quantity, m_unitValue);
    if (m_order && (m_mode == OrderMode::Inclui || m_mode == OrderMode::Altera))
        m_orderTotal = OrderFigures::orderTotal(m_order->itemsTotal(), m_deliveryTotal, m_order->discount());
    else
        m_orderTotal = OrderFigures::money(m_deliveryTotal + m_itemsNet);
    m_change = OrderFigures::money(m_paid - m_orderTotal);
}

bool DeliveryLogic::leaveRegion(const QString &typed)
{
    if (!editable() || typed.trimmed().isEmpty())
        return true;
    const QString code = codeOf(typed);
    std::optional<Region> region;
    if (!code.isEmpty()) {
        try {
            region = RegionQueries::find(m_ctx.db, code);
        } catch (const DbError &e) {
            m_ctx.messages.warning(QStringLiteral("Erro, Tente Novamente !\rErro:  ") + e.message());
            return false;
        }
    }
    if (!region) {
        m_ctx.messages.error(QStringLiteral("Código de Região não Encontrado, tente outro !"));
        m_regionCode.clear();
        m_regionDesc.clear();
        m_unitValue = kZero;
        m_quantity = kOne;
        recompute();
        return false;
    }
    m_regionCode = region->code;
    m_regionDesc = region->description;
    m_unitValue = OrderFigures::money(region->fee);
    recompute();
    return true;
}

bool DeliveryLogic::leaveDeliveryPerson(const QString &typed)
{
    if (!editable() || typed.trimmed().isEmpty())
        return true;
    const QString code = codeOf(typed);
    std::optional<DeliveryPerson> person;
    if (!code.isEmpty()) {
        try {
            person = DeliveryPersonQueries::find(m_ctx.db, code);
        } catch (const DbError &e) {
            m_ctx.messages.warning(QStringLiteral("Erro, Tente Novamente !\rErro:  ") + e.message());
            return false;
        }
    }
    if (!person) {
        m_ctx.messages.error(QStringLiteral("Entregador Não Cadastrado, tente outro !"));
        m_entCode.clear();
        m_entName.clear();
        return false;
    }
    m_entCode = person->code;
    m_entName = person->name;
    return true;
}

bool DeliveryLogic::leaveQuantity(const QString &typed)
{
    const auto v = OrderFigures::readTyped(typed);
    if (!v || v->isNegative()) {
        m_ctx.messages.error(QStringLiteral("Quantidade inválida, digite somente números !"));
        return false;
    }
    // PED_QENT keeps 2 decimals: what is shown is what will be stored.
    m_quantity = v->withScale(OrderFigures::kDeliveryQuantityScale).withScale(OrderFigures::kQuantityScale);
    recompute();
    return true;
}

bool DeliveryLogic::leaveUnitValue(const QString &typed)
{
    const auto v = OrderFigures::readTyped(typed);
    if (!v || v->isNegative()) {
        m_ctx.messages.error(QStringLiteral("Valor inválido, digite somente o valor em R$ !"));
        return false;
    }
    m_unitValue = OrderFigures::money(*v);
    recompute();
    return true;
}

bool DeliveryLogic::leavePaid(const QString &typed)
{
    const auto v = OrderFigures::readTyped(typed);
    if (!v || v->isNegative()) {
        m_ctx.messages.error(QStringLiteral("Valor Pago inválido, digite somente o valor em R$ !"));
        return false;
    }
    m_paid = OrderFigures::money(*v);
    recompute();
    return true;
}

bool DeliveryLogic::save()
{
    if (!saveVisible())
        return false;
    const bool fromOrderEntry = m_mode == OrderMode::Inclui || m_mode == OrderMode::Altera;
    QString failure = QStringLiteral("o pedido foi alterado ou excluído em outra estação.");
    Decimal itemsTotal = kZero;
    try {
        Transaction tx(m_ctx.db);
        // Totals again from what the database holds now.
        itemsTotal = OrderStore::itemsTotal(tx, m_orderCode);
        Decimal discount = kZero;
        if (fromOrderEntry && m_order) {
            discount = m_order->discount();
        } else {
            const ResultSet row = m_ctx.db.select(tx, QStringLiteral("Select PED_Desconto From Pedidos Where PED_Codigo=:cCodPed"),
                                                  {{"cCodPed", m_orderCode}});
            discount = row.isEmpty() ? kZero : OrderFigures::money(row.value(0, 0).toDecimal());
        }
        m_itemsNet = itemsTotal - discount;
        m_deliveryTotal = OrderFigures::deliveryTotal(m_quantity, m_unitValue);
        m_orderTotal = OrderFigures::orderTotal(itemsTotal, m_deliveryTotal, discount);
        m_change = OrderFigures::money(m_paid - m_orderTotal);

        QString sql = QStringLiteral("Update PEDIDOS SET PED_CodEnt=:cCodEnt, PED_CodReg=:cCodReg, PED_VEnt=:nVent,\n"
                                     "PED_QEnt=:nQEnt, PED_VPAGO=:nVPago, PED_TROCO=:nTroco, ");
        Params params{{"cCodEnt", m_entCode}, {"cCodReg", m_regionCode}, {"nVent", m_unitValue},
                      {"nQEnt", m_quantity.withScale(OrderFigures::kDeliveryQuantityScale)}, {"nVPago", m_paid},
                      {"nTroco", m_change}, {"nTotal", m_orderTotal}, {"cCodigo", m_orderCode}};
        switch (m_mode) {
        case OrderMode::Saiu:
            sql += QStringLiteral("PED_HORAS=:tHoraS, PED_DataS=:dDataS, PED_Total=:nTotal Where PED_Codigo=:cCodigo "
                                  "And PED_Situ In ('A','E')");
            params.set("tHoraS", m_departure.time()).set("dDataS", m_departure.date());
            break;
        case OrderMode::Fechado:
            sql += QStringLiteral("PED_HORAS=:tHoraS, PED_DataS=:dDataS, PED_Total=:nTotal,\n"
                                  "PED_DataT=:dDataT, PED_HoraT=:tHoraT Where PED_Codigo=:cCodigo "
                                  "And PED_Situ In ('A','E','S')");
            params.set("tHoraS", m_departure.time()).set("dDataS", m_departure.date());
            params.set("dDataT", m_closing.date()).set("tHoraT", m_closing.time());
            break;
        default:
            sql += QStringLiteral("PED_Total=:nTotal Where PED_Codigo=:cCodigo "
                                  "And ((PED_Situ='F' And PED_Data Is Null) Or PED_Situ='A')");
            break;
        }
        if (m_ctx.db.execute(tx, sql, params) == 1) {
            tx.commit();
            m_saved = true;
        }
    } catch (const DbError &e) {
        failure = e.message();
    }
    if (!m_saved) {
        m_ctx.messages.warning(kNaoGravar + failure);
        return false;
    }
    if (fromOrderEntry && m_order) {
        m_order->reloadItems();
        m_order->setDeliveryValue(m_deliveryTotal);
    }
    return true;
}
