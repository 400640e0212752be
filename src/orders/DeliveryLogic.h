#pragma once

#include "core/Decimal.h"
#include "orders/OrderMode.h"

#include <QDateTime>
#include <QString>

struct AppContext;
class OrderEntryLogic;

// The delivery window's logic: region and fee, delivery quantity and total,
// delivery person, amount paid and change, and the departure and closing
// stamps. Opened from order entry ("Inclui", "Altera", "Consulta") or by order
// management for a status move ("Saiu", "Fechado"). After the window closes
// the status moves read what it holds, whether or not "Gravar" was pressed.
class DeliveryLogic {
public:
    static constexpr int kCodeWidth = 6;

    explicit DeliveryLogic(AppContext &ctx);
    DeliveryLogic(const DeliveryLogic &) = delete;
    DeliveryLogic &operator=(const DeliveryLogic &) = delete;

    // For the order open in order entry, in order entry's mode.
    bool openFromOrderEntry(OrderEntryLogic &order);
    // For the order selected in order management, mode Saiu or Fechado.
    bool openForTransition(OrderMode mode, const QString &orderCode);

    OrderMode mode() const { return m_mode; }
    bool saveVisible() const { return m_mode != OrderMode::Consulta; }
    bool editable() const { return m_mode != OrderMode::Consulta; }
    bool departureShown() const { return m_mode != OrderMode::Inclui && m_mode != OrderMode::Altera; }
    bool closingShown() const { return departureShown() && m_mode != OrderMode::Saiu; }

    // What the status moves read.
    QString orderCode() const { return m_orderCode; }
    QString regionCode() const { return m_regionCode; }
    QString deliveryPersonCode() const { return m_entCode; }
    Decimal deliveryTotal() const { return m_deliveryTotal; }
    Decimal paid() const { return m_paid; }
    QDate closingDate() const { return m_closing.date(); }
    // Whether "Gravar" committed during this opening.
    bool savedDuringOpening() const { return m_saved; }

    QString regionDescription() const { return m_regionDesc; }
    QString deliveryPersonName() const { return m_entName; }
    Decimal quantity() const { return m_quantity; }
    Decimal unitValue() const { return m_unitValue; }
    Decimal orderTotal() const { return m_orderTotal; }
    Decimal change() const { return m_change; }
    QDateTime departure() const { return m_departure; }
    QDateTime closing() const { return m_closing; }

    // Leaving the region code: found gives description and fee and the totals
    // follow (true); not found: error, region cleared (false). Empty: nothing (true).
    bool leaveRegion(const QString &typed);
    // Leaving the delivery person code, likewise.
    bool leaveDeliveryPerson(const QString &typed);
    // Leaving the quantity (rounded to the 2 decimals its column keeps), the
    // fee or the amount paid: totals and change follow. False (after the
    // error, nothing changed) when the text is not a figure of that kind.
    bool leaveQuantity(const QString &typed);
    bool leaveUnitValue(const QString &typed);
    bool leavePaid(const QString &typed);

    // "Gravar": true when committed (the window closes). In add and change
    // mode order entry's delivery value and total follow.
    bool save();

private:
    bool load();
    void readItemsNet();
    void recompute();
    void proposeRegion(const QString &customerCode);

    AppContext &m_ctx;
    OrderEntryLogic *m_order = nullptr;
    OrderMode m_mode = OrderMode::Consulta;
    QString m_orderCode;
    QString m_regionCode, m_regionDesc, m_entCode, m_entName;
    Decimal m_quantity, m_unitValue, m_deliveryTotal, m_orderTotal, m_paid, m_change;
    Decimal m_itemsNet; // items total − discount, for Saiu and Fechado
    QDateTime m_departure, m_closing;
    bool m_saved = false;
};
