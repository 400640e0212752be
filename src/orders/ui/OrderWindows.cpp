#include "orders/ui/OrderWindows.h"

#include "core/MenuDefinition.h"
#include "core/ui/TfPrincipal.h"
#include "orders/ui/TfManutPed.h"

OrderWindows::OrderWindows(AppContext &ctx, QWidget *parent) : m_ctx(ctx), m_parent(parent)
{
    m_manutPed = std::make_unique<TfManutPed>(ctx, connectOrderWindows(), parent);
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
    // Order entry and the delivery window come with order taking; the ticket
    // with ticket printing. Until then their buttons do nothing.
    return {};
}
