#pragma once

#include "core/Decimal.h"
#include "core/ResultSet.h"
#include "orders/OrderMode.h"

#include <QDate>
#include <QString>
#include <QTime>

struct AppContext;

// Order entry's logic: the new order's number and provisional row, the
// customer found by telephone or code, the items list and its removal, the
// four money figures and "Finalizar". Item entry, the delivery window and the
// notes read the current order through it.
class OrderEntryLogic {
public:
    struct Customer {
        QString code, fone, nome, ender, numero, comple, bairro, cid, uf;
    };

    // What the window does after a customer search.
    enum class CustomerSearch {
        Nothing,      // nothing searched (empty, or a mode that does not search)
        Found,        // fields filled; focus to "Cad.Item"
        Cleared,      // not found, "No": customer fields cleared
        Register,     // not found, "Yes": open the customer data window in add mode
        Refused,      // bad input; an error was shown and the field keeps the focus
    };

    struct FinishResult {
        bool close = true;
        bool reloadList = false;
    };

    explicit OrderEntryLogic(AppContext &ctx);
    OrderEntryLogic(const OrderEntryLogic &) = delete;
    OrderEntryLogic &operator=(const OrderEntryLogic &) = delete;

    // Opening. "Inclui": allocates the number and writes the provisional row
    // (false, after the warning, when it could not: the window closes).
    // "Altera"/"Consulta": reads the order `code` (false when it is gone).
    bool open(OrderMode mode, const QString &code = {});

    AppContext &context() const { return m_ctx; }
    OrderMode mode() const { return m_mode; }
    QString code() const { return m_code; }
    QString caption() const;
    QString statusText() const { return m_statusText; }
    QDate date() const { return m_date; }
    QTime time() const { return m_time; }
    void setDate(const QDate &d) { m_date = d; }
    void setTime(const QTime &t) { m_time = t; }
    bool numberEditable() const { return m_mode == OrderMode::Inclui && !m_numberFrozen; }
    bool customerEditable() const { return OrderModeText::writesItems(m_mode); }

    // Leaving the number of a new order: digits only, padded to 8. A new free
    // number renames the provisional row (with the notes and delivery data it
    // holds); the same number does nothing. False when the focus stays (the
    // number shown is then the order's own number again).
    bool leaveNumber(const QString &typed);

    const Customer &customer() const { return m_customer; }
    // Leaving the telephone field (the text as typed).
    CustomerSearch leaveTelephone(const QString &fone);
    // Leaving the customer code field.
    CustomerSearch leaveCustomerCode(const QString &code);
    // F8 / F9: false (after the error) when no customer is chosen yet.
    bool canChangeCustomer() const;
    bool canViewCustomer() const;
    // "Dados Entrega": false (after the error) without a customer.
    bool canOpenDelivery() const;

    // Figures as exact numbers.
    Decimal itemsTotal() const { return m_itemsTotal; }
    Decimal deliveryValue() const { return m_deliveryValue; }
    Decimal discount() const { return m_discount; }
    Decimal total() const { return m_total; }
    // Leaving the discount field: false (after the error, discount unchanged) when it is not a figure.
    bool leaveDiscount(const QString &typed);
    // The delivery window saved: the new delivery value; the total follows.
    void setDeliveryValue(const Decimal &value);

    const ResultSet &items() const { return m_items; }
    // Re-reads the items and their total from the database; the order total follows.
    void reloadItems();

    // "Cad.Item": false (after the error) outside add and change; freezes the number.
    bool startAddingItems();
    // "Excluir Item" for the grid row `row`. True when an item was removed.
    bool removeItem(int row);

    // "Finalizar".
    FinishResult finish();

private:
    bool openNew();
    bool openExisting(const QString &code);
    void fillCustomer(const Row &row, bool keepTelephone);
    void clearCustomer();
    void recomputeTotal();
    CustomerSearch notFound(const QString &question, CustomerSearch onYes);
    bool deleteEmptyOrder();
    bool writeFinished(QString &error);

    AppContext &m_ctx;
    OrderMode m_mode = OrderMode::Consulta;
    QString m_code;
    QString m_statusText;
    QDate m_date;
    QTime m_time;
    bool m_numberFrozen = false;
    Customer m_customer;
    Decimal m_itemsTotal, m_deliveryValue, m_discount, m_total;
    ResultSet m_items;
};
