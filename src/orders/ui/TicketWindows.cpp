#include "orders/ui/TicketWindows.h"

#include "core/AppContext.h"
#include "core/MenuDefinition.h"
#include "core/ui/TfPrincipal.h"
#include "orders/TicketPrinting.h"
#include "orders/ui/TfConfigImpPed.h"
#include "reports/ui/ReportOutput.h"

#include <memory>

namespace TicketWindows {

void plugInto(TfPrincipal &principal, AppContext &ctx)
{
    auto made = std::make_shared<std::unique_ptr<TfConfigImpPed>>();
    principal.setAction(MenuAction::ConfigImpPed, [made, main = &principal, context = &ctx] {
        if (!*made)
            *made = std::make_unique<TfConfigImpPed>(*context, main);
        (*made)->exec();
    });
}

bool printTicket(AppContext &ctx, const QString &codPed)
{
    DefaultPrinter printer(ctx.messages);
    return TicketPrinting(ctx, printer).print(codPed);
}

} // namespace TicketWindows
