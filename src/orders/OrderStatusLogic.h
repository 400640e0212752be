#pragma once

#include "orders/OrderStatus.h"

#include <QString>
#include <functional>

struct AppContext;
class OrderListLogic;
class Transaction;

// The moves of the group "Alterar Situação" on one order. The order's code is
// taken once, when the button is pressed, and every statement uses it. The
// status is written only from the status the database holds; the side
// effects (stock back, cash entries, commission) go in the same transaction,
// and the success box comes after the commit.
class OrderStatusLogic {
public:
    // Opens the delivery window modally in mode "Saiu" or "Fechado" for the
    // order; true when its "Gravar" saved during this opening.
    using DeliveryWindow = std::function<bool(const QString &modo, const QString &codPedido)>;

    enum class Outcome {
        Done,     // committed, list re-read, success shown
        Refused,  // permission, status or delivery-data refusal shown; nothing written
        Stopped,  // no order selected, or the confirmation answered No
        Failed,   // the transaction failed; warning shown, rolled back
    };

    OrderStatusLogic(AppContext &ctx, OrderListLogic &list, DeliveryWindow delivery);

    // The button pressed on the order selected in the list.
    Outcome run(OrderStatus::Move move);
    Outcome run(OrderStatus::Move move, const QString &codigo);

private:
    enum class Commit { Done, StatusChanged };
    QString readStatus(const QString &codigo);
    Outcome refuse(OrderStatus::Move move, const QString &status);
    Outcome checkDelivery(OrderStatus::Move move, const QString &codigo, bool saved);
    Commit commit(OrderStatus::Move move, const QString &codigo);
    void close(Transaction &tx, const QString &codigo);
    void cancel(Transaction &tx, const QString &codigo, const QString &before);

    AppContext &m_ctx;
    OrderListLogic &m_list;
    DeliveryWindow m_delivery;
};
