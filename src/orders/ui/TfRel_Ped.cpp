#include "orders/ui/TfRel_Ped.h"

#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/DbError.h"
#include "core/MessageService.h"
#include "core/Session.h"
#include "orders/TicketData.h"
#include "orders/TicketReport.h"
#include "reports/ReportDocument.h"
#include "reports/ui/ReportPreview.h"

namespace TfRel_Ped {

bool preview(AppContext &ctx, const QString &codPed, QWidget *parent)
{
    std::optional<TicketData> ticket;
    try {
        ticket = TicketLoader::load(ctx.db, codPed);
    } catch (const DbError &e) {
        ctx.messages.warning(QStringLiteral("Erro ao Ler o Pedido ") + codPed + QStringLiteral(" !\rErro:  ") +
                             e.message());
        return false;
    }
    if (!ticket) {
        ctx.messages.warning(QStringLiteral("Pedido ") + codPed + QStringLiteral(" não Encontrado !"));
        return false;
    }
    ticket->empresa = ctx.session.empNome;
    ticket->empresaFone = ctx.session.empFone;
    ReportPreview window(TicketReport::document(*ticket, ctx.session.obs == QStringLiteral("S"), ctx.clock.now()),
                         ctx.messages, parent);
    window.exec();
    return true;
}

} // namespace TfRel_Ped
