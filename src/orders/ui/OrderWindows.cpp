#include "orders/ui/OrderWindows.h"

#include "core/MenuDefinition.h"
#include "core/ui/TfPrincipal.h"
#include "orders/OrderMode.h"
#include "orders/ui/TfDadosEntrega.h"
#include "orders/ui/TfDadosPed.h"
#include "orders/ui/TfManutPed.h"

OrderWindows::OrderWindows(AppContext &ctx, QWidget *parent)
    : m_ctx(ctx), m_parent(parent), m_dadosPed(std::make_unique<TfDadosPed>(ctx, parent))
{
    m_manutPed = std::make_unique<TfManutPed>(ctx, connectOrderWindows(), parent);
    // A finished or deleted order: the list reads its rows again.
    QObject::connect(m_dadosPed.get(), &TfDadosPed::listChanged, m_manutPed.get(),
                     [list = &m_manutPed->list()] { list->reload(); });
}

OrderWindows::~OrderWindows() = default;

void OrderWindows::plugInto(TfPrincipal &principal, AppContext &ctx)
{
    auto made = std::make_shared<std::unique_ptr<OrderWindows>>();
    auto windows = [made, main = &principal, context = &ctx]() -> OrderWindows & {
        if (!*made)
            *made = std::make_unique<OrderWindows>(*context, main);
        return **made;
    };
    principal.setAction(MenuAction::ManutPed, [windows] { windows().openOrders(); });
}

void OrderWindows::openOrders()
{
    m_manutPed->exec();
}

OrderWindowHooks OrderWindows::connectOrderWindows()
{
    return {
        .openOrderEntry = [this](const QString &modo,
                                 const QString &code) { m_dadosPed->openOrder(OrderModeText::fromText(modo), code); },
        .openDelivery =
            [this](const QString &modo, const QString &code) {
                TfDadosEntrega &delivery = m_dadosPed->deliveryWindow();
                return delivery.openForTransition(OrderModeText::fromText(modo), code) &&
                       delivery.logic().savedDuringOpening();
            },
        // The ticket comes with ticket printing; until then "Imprimir" stays disabled.
        .printTicket = nullptr,
    };
}
