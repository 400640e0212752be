#include "workstations/Station.h"

#include "controls/BrFormat.h"
#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/Database.h"
#include "core/DbError.h"
#include "core/Session.h"
#include "finance/CashFlowEntry.h"
#include "finance/CommissionList.h"
#include "orders/DeliveryLogic.h"
#include "orders/OrderEntryLogic.h"
#include "orders/OrderItemLogic.h"
#include "orders/OrderListLogic.h"
#include "orders/OrderStatusLogic.h"
#include "stock/StockEntryLogic.h"
#include "stock/StockExitLogic.h"
#include "workstations/CountingMessages.h"
#include "workstations/Shop.h"

#include <QRandomGenerator>
#include <QRegularExpression>

using OrderStatus::Move;

namespace {

QString moveName(Move move)
{
    switch (move) {
    case Move::Aberto: return QStringLiteral("Aberto");
    case Move::Cancelar: return QStringLiteral("Cancelar");
    case Move::EmAndamento: return QStringLiteral("Em Andamento");
    case Move::SaiuEntrega: return QStringLiteral("Saiu p/ Entrega");
    case Move::Fechado: return QStringLiteral("Fechado");
    }
    return {};
}

class Worker {
public:
    explicit Worker(const Station::Options &o) : m_options(o), m_random(o.seed * 7919u + quint32(o.number))
    {
        m_db.open(o.database);
        m_session.confLog = QStringLiteral("S");
        m_session.confLogin = m_session.confPermissao = QStringLiteral("N");
        m_shop = Shop::read(m_ctx);
    }

    QMap<QString, int> run()
    {
        const bool stockStation = m_options.number == 1;
        for (int i = 0; i < m_options.orders; ++i) {
            const QString code = takeOrder();
            if (!code.isEmpty())
                moveOwn(code);
            if (i % 5 == 4)
                moveSomeoneElses();
            if (i % 10 == 9)
                closeOrCancelTheLatest();
            if (stockStation && i % 3 == 2)
                backOffice();
        }
        m_db.close();
        return m_counts;
    }

private:
    int pick(int n) { return int(m_random.bounded(quint32(n))); }
    bool chance(int percent) { return pick(100) < percent; }
    template <typename T> const T &any(const QList<T> &list) { return list.at(pick(int(list.size()))); }

    // A step that reports false must have said why; otherwise it failed
    // silently. An error box is a refusal (another workstation got there
    // first, the status no longer allows it); a warning is a failure.
    void count(const QString &step, bool done, int shownBefore)
    {
        if (done)
            ++m_counts[step + QStringLiteral(": feito")];
        else if (m_messages.shownCount() == shownBefore)
            ++m_counts[QStringLiteral("falha silenciosa: ") + step];
        else if (m_messages.last().startsWith(QStringLiteral("erro:")))
            ++m_counts[QStringLiteral("recusa: ") + step + QStringLiteral(": ") + m_messages.last().mid(6)];
        else
            ++m_counts[QStringLiteral("falha: ") + step + QStringLiteral(": ") +
                       QString(m_messages.last()).replace(QRegularExpression(QStringLiteral("[0-9]+")), QStringLiteral("N"))];
    }
    bool failedBefore(int shownBefore, const QString &step)
    {
        count(step, false, shownBefore);
        return false;
    }

    // A whole order as a person takes it on the telephone.
    QString takeOrder()
    {
        const QString step = QStringLiteral("pedido");
        const int before = m_messages.shownCount();
        OrderEntryLogic entry(m_ctx);
        if (!entry.open(OrderMode::Inclui))
            return failedBefore(before, step), QString();
        if (entry.leaveTelephone(any(m_shop.telephones)) != OrderEntryLogic::CustomerSearch::Found)
            return failedBefore(before, step), QString();
        if (!entry.startAddingItems())
            return failedBefore(before, step), QString();
        const int items = 1 + pick(4);
        for (int n = 0; n < items; ++n) {
            OrderItemLogic item(entry);
            const QString product = any(m_shop.products);
            const int itemBefore = m_messages.shownCount();
            if (!item.leaveCode(product)) {
                count(QStringLiteral("item"), false, itemBefore);
                continue;
            }
            const bool saved = item.save(product, QString::number(1 + pick(3)), BrFormat::money(item.price()), {}).saved;
            count(QStringLiteral("item"), saved, itemBefore);
        }
        if (chance(30) && !entry.leaveDiscount(QStringLiteral("1,%1").arg(pick(100), 2, 10, QLatin1Char('0'))))
            return failedBefore(before, step), QString();
        DeliveryLogic delivery(m_ctx);
        const int deliveryBefore = m_messages.shownCount();
        bool deliverySaved = delivery.openFromOrderEntry(entry) && delivery.leaveRegion(any(m_shop.regions)) &&
                             delivery.leaveDeliveryPerson(any(m_shop.deliveryPersons)) && delivery.save();
        count(QStringLiteral("dados da entrega"), deliverySaved, deliveryBefore);
        const int finishBefore = m_messages.shownCount();
        const OrderEntryLogic::FinishResult finished = entry.finish();
        const bool kept = finished.reloadList && !entry.items().isEmpty();
        count(QStringLiteral("pedido"), finished.reloadList, finishBefore);
        return kept ? entry.code() : QString();
    }

    // The delivery window opened by a status move: the delivery data are
    // completed where missing and saved.
    bool deliveryWindow(const QString &modo, const QString &code)
    {
        DeliveryLogic delivery(m_ctx);
        if (!delivery.openForTransition(modo == u"Saiu" ? OrderMode::Saiu : OrderMode::Fechado, code))
            return false;
        if (delivery.regionCode().trimmed().isEmpty())
            delivery.leaveRegion(any(m_shop.regions));
        if (delivery.deliveryPersonCode().trimmed().isEmpty())
            delivery.leaveDeliveryPerson(any(m_shop.deliveryPersons));
        if (modo != u"Saiu")
            delivery.leavePaid(BrFormat::money(delivery.orderTotal()));
        return delivery.save() && delivery.savedDuringOpening();
    }

    void press(Move move, const QString &code)
    {
        OrderListLogic list(m_ctx);
        OrderStatusLogic logic(m_ctx, list, [this](const QString &modo, const QString &c) { return deliveryWindow(modo, c); });
        const int before = m_messages.shownCount();
        const OrderStatusLogic::Outcome outcome = logic.run(move, code);
        const QString step = moveName(move);
        count(step, outcome == OrderStatusLogic::Outcome::Done, before);
    }

    // A share of the orders goes its way through the statuses at once.
    void moveOwn(const QString &code)
    {
        if (!chance(60))
            return;
        if (chance(50))
            press(Move::EmAndamento, code);
        if (chance(60))
            press(Move::SaiuEntrega, code);
        if (chance(70))
            press(Move::Fechado, code);
        if (chance(15))
            press(Move::Cancelar, code);
    }

    QString recentOrder(int skip)
    {
        const ResultSet rows = m_db.select(
            QStringLiteral("Select First 1 Skip %1 PED_Codigo From Pedidos Where PED_Situ In ('A','E','S','F') "
                           "And PED_Data Is Not Null Order By PED_Codigo Descending").arg(skip));
        return rows.isEmpty() ? QString() : rows.value(0, 0).toString();
    }

    // Orders of any workstation, taken from the latest ones.
    void moveSomeoneElses()
    {
        const QString code = recentOrder(pick(12));
        if (code.isEmpty())
            return;
        static const Move moves[] = {Move::EmAndamento, Move::SaiuEntrega, Move::Fechado, Move::Cancelar};
        press(moves[pick(4)], code);
    }

    // Every workstation aims at the latest order at about the same moment.
    void closeOrCancelTheLatest()
    {
        const QString code = recentOrder(0);
        if (!code.isEmpty())
            press(chance(50) ? Move::Fechado : Move::Cancelar, code);
    }

    // The stock room and the office: stock entries and exits, manual cash
    // entries, commissions paid and cancelled.
    void backOffice()
    {
        {
            StockEntryLogic entry(m_ctx);
            entry.clear();
            entry.code = any(m_shop.stockedProducts);
            const int before = m_messages.shownCount();
            bool saved = entry.leaveCode();
            if (saved) {
                entry.quantity = QString::number(1 + pick(20));
                entry.document = QStringLiteral("NF%1").arg(pick(1000));
                saved = entry.save();
            }
            count(QStringLiteral("entrada de estoque"), saved, before);
        }
        {
            StockExitLogic exit(m_ctx);
            exit.clear();
            exit.code = any(m_shop.products);
            const int before = m_messages.shownCount();
            bool saved = exit.leaveCode();
            if (saved) {
                exit.quantity = QString::number(1 + pick(5));
                exit.price = QStringLiteral("R$ 2,50");
                exit.document = QStringLiteral("AVULSA");
                saved = exit.save();
            }
            count(QStringLiteral("saída de estoque"), saved, before);
        }
        {
            CashFlowEntry cash(m_ctx);
            cash.setModo(QStringLiteral("Inclui"));
            cash.prepare();
            cash.debito = chance(50);
            cash.valor = QStringLiteral("R$ %1,%2").arg(1 + pick(90)).arg(pick(100), 2, 10, QLatin1Char('0'));
            cash.documento = QStringLiteral("MANUAL");
            cash.descricao = QStringLiteral("Lançamento manual");
            const int before = m_messages.shownCount();
            count(QStringLiteral("caixa manual"), cash.gravar(), before);
        }
        {
            CommissionList commissions(m_ctx);
            commissions.aPagar = true;
            commissions.pagas = commissions.canceladas = false;
            commissions.show();
            if (commissions.rows().size() > 0) {
                const int row = pick(int(commissions.rows().size()));
                const bool pay = chance(70);
                const int before = m_messages.shownCount();
                const CommissionList::Outcome o = pay ? commissions.pagar(row) : commissions.cancelar(row);
                count(pay ? QStringLiteral("pagar comissão") : QStringLiteral("cancelar comissão"),
                      o == CommissionList::Outcome::Done, before);
            }
        }
    }

    Station::Options m_options;
    QRandomGenerator m_random;
    Database m_db;
    Session m_session;
    CountingMessages m_messages;
    SystemClock m_clock;
    AppContext m_ctx{m_db, m_session, m_messages, m_clock};
    Shop m_shop;
    QMap<QString, int> m_counts;
};

} // namespace

QMap<QString, int> Station::run(const Options &options)
{
    try {
        Worker worker(options);
        return worker.run();
    } catch (const DbError &e) {
        return {{QStringLiteral("falha: estação parou: ") + e.message(), 1}};
    }
}
