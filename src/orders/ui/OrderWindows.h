#pragma once

#include <memory>

struct AppContext;
struct OrderWindowHooks;
class QWidget;
class TfDadosPed;
class TfManutPed;
class TfPrincipal;

// The order windows, created once and reused for the run. The main menu opens
// order management ("3.1"), which opens order entry and, for the departure and
// the closing, the delivery window of order entry on its own.
class OrderWindows {
public:
    OrderWindows(AppContext &ctx, QWidget *parent);
    ~OrderWindows();
    OrderWindows(const OrderWindows &) = delete;
    OrderWindows &operator=(const OrderWindows &) = delete;

    // Enables "Delivery > Pedidos"; the windows are made the first time it is chosen.
    static void plugInto(TfPrincipal &principal, AppContext &ctx);

    void openOrders();
    TfManutPed &orders() { return *m_manutPed; }
    TfDadosPed &orderEntry() { return *m_dadosPed; }

private:
    // The one place where order management meets order entry, the delivery
    // window and the ticket.
    OrderWindowHooks connectOrderWindows();

    AppContext &m_ctx;
    QWidget *m_parent;
    std::unique_ptr<TfDadosPed> m_dadosPed;
    std::unique_ptr<TfManutPed> m_manutPed;
};
