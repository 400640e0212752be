#pragma once

#include <QString>

struct AppContext;
class QWidget;
class TfPrincipal;

// The ticket's windows and the one call that prints a ticket.
namespace TicketWindows {

// Enables "Utilitários > Configuração do Tipo de Impressora para a Impressão
// dos Pedidos" ("7.5"); the settings window is made at first use.
void plugInto(TfPrincipal &principal, AppContext &ctx);

// "Imprimir" of the order list: prints the ticket of order `codPed` on the
// printer the session's settings choose (type "3": the default printer,
// without preview or dialog). False when nothing went out; the person has
// been told why, except for the silent cases of the printer types.
bool printTicket(AppContext &ctx, const QString &codPed);

} // namespace TicketWindows
